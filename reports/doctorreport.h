#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "cycle/statistics.h"

class QPagedPaintDevice;

namespace velmora {

// How many complete cycles the report may cover.
inline constexpr int kReportCycleChoices[] = {3, 6, 12};

// A report of the last cycles for the doctor, printed or written as PDF: the cycles with their
// lengths and what the statistics leave out, the statistics, the predicted starts, each
// month's temperature and weight charts, and every day with something recorded.
//
// The period: the most recent N complete cycles of the statistics (fewer when the diary has
// fewer), and the cycle running now, to today. A diary without a complete cycle reports from
// the start of its only bleeding, and one without any bleeding the last N usual cycle lengths.
class CDoctorReport {
    Q_DECLARE_TR_FUNCTIONS(velmora::CDoctorReport)

public:
    // One day of the period with anything recorded.
    struct DayEntry {
        Day day = 0;
        int fluid = 0;
        double temperature = 0.0;  // degrees Celsius, 0 for none
        double weight = 0.0;       // kilograms, 0 for none
        QStringList symptoms;      // in the user's language
        QStringList notes;         // the note, then the diary entries ("Kind: text")
    };
    // One month of the period: its charts, null where the month has no value.
    struct Month {
        int year = 0;
        int month = 0;
        QImage temperature;
        QImage weight;
    };

    // Reads the diary for the last `cycles` complete cycles, with the clock's today and the
    // settings' units and date format. The charts are drawn here, so the caller's thread must
    // be the one of the widgets.
    static CDoctorReport Read(int cycles);

    // Paints the report onto `device` page after page, on its page size, with the report's
    // own margins. The number of pages painted; 0 when the device cannot be painted on.
    int Paint(QPagedPaintDevice& device) const;

    // Writes the report as a PDF to `path` on `pageSize`: a temporary file beside it, synced
    // and renamed into place, readable by the owner alone. The number of pages, or 0 with
    // `error` telling why in the user's language.
    int WritePdf(const QString& path, const QPageSize& pageSize, QString& error) const;

    int CyclesAsked() const { return m_asked; }
    Day First() const { return m_first; }
    Day Last() const { return m_last; }
    const std::vector<Cycle>& Cycles() const { return m_cycles; }
    const std::optional<Period>& Running() const { return m_running; }
    const std::vector<DayEntry>& Days() const { return m_days; }
    const std::vector<Month>& Months() const { return m_months; }

private:
    int m_asked = 0;
    Day m_first = 0;
    Day m_last = 0;
    Day m_made = 0;
    std::vector<Cycle> m_cycles;      // the chosen complete cycles, oldest first
    std::optional<Period> m_running;  // the bleeding that began the running cycle
    CycleStatistics m_stats;
    LengthStats m_cycleChosen;
    LengthStats m_periodChosen;
    std::vector<DayEntry> m_days;
    std::vector<Month> m_months;
    int m_usualCycle = 0;
    int m_usualPeriod = 0;
    int m_units = 1;
    int m_dateFormat = 0;
    int m_dateSeparator = 0;
};

// The paper of the report for people of `locale`: US Letter where Letter is the usual paper
// (the United States, Canada, Mexico, the Philippines, Chile, Colombia and the other
// countries of the Americas that use it, by the territory of the locale), A4 everywhere else.
QPageSize ReportPageSize(const QLocale& locale);

// The name the report's file gets at first: velmora-report-YYYY-MM-DD.pdf, today's date.
QString DefaultReportFileName();

}  // namespace velmora
