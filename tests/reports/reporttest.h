#pragma once

// Shared set-up of the report tests: a private diary written day by day as the Day View
// writes it, the clock pinned, the program's pictures, a stand-in main window, a list's rows
// as text, and a helper that runs a screen and acts in it as a person would.

#include <gtest/gtest.h>

#include <QDialog>
#include <QImage>
#include <functional>
#include <string>

#include "gfx/graphicbuffer.h"
#include "tests/support/helprecorder.h"
#include "tests/support/screenstoretest.h"
#include "ui/kit/modal.h"
#include "ui/kit/reporttable.h"

namespace velmora::test {

// A list's rows: a row's texts one space apart, rows apart by "; ".
inline QString RowsOf(const CReportTable& table) {
    QStringList rows;
    for (int i = 0; i < table.RowCount(); ++i) {
        rows << table.TextsAt(i).join(u' ');
    }
    return rows.join(QStringLiteral("; "));
}

using HelpCalls = std::vector<HelpRecorder::Call>;

class ReportTest : public ScreenStoreTest {
protected:
    static void Today(int year, int month, int day) {
        Clock::Pin(CTime(year, month, day, 10, 30, 0));
    }
    static void Temperature(int y, int m, int d, double celsius) {
        SaveDay(y, m, d, [celsius](CVelmoraMFCDoc& day) { day.m_temperature = celsius; });
    }
    static void Weight(int y, int m, int d, double kilograms) {
        SaveDay(y, m, d, [kilograms](CVelmoraMFCDoc& day) { day.m_weight = kilograms; });
    }
    static void Fluid(int y, int m, int d, int fluid) {
        SaveDay(y, m, d, [=](CVelmoraMFCDoc& day) { day.m_fluid = static_cast<int16_t>(fluid); });
    }
    // A label's text as the screens word it: "Start Menstruation (Nov, 26 2026)".
    static std::string Dated(const std::string& what, int year, int month, int day) {
        static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        return what + " (" + kMonths[month - 1] + ", " + std::to_string(day) + " " +
               std::to_string(year) + ")";
    }

    // Runs `dialog` as the program runs its screens; `act` runs once it shows, after the
    // messages it posted on opening. A screen that `act` leaves open is closed.
    template <class Screen>
    void RunScreen(Screen& dialog, const QString& title, const std::function<void(Screen&)>& act) {
        QueueModalHook([act](QDialog& shown) {
            QCoreApplication::processEvents();
            act(static_cast<Screen&>(shown));
            if (shown.isVisible()) {
                shown.reject();
            }
        });
        RunModal(dialog, &frame, title);
    }
};

// A read-only view of a window surface as a 16-bit buffer, for the picture comparisons.
class SurfaceView : public GraphicBuffer {
public:
    explicit SurfaceView(const QImage& image)
        : GraphicBuffer(reinterpret_cast<Pixel*>(const_cast<uchar*>(image.constBits())),
                        static_cast<uint32_t>(image.width()), static_cast<uint32_t>(image.height()),
                        static_cast<uint32_t>(image.bytesPerLine())) {}
};

}  // namespace velmora::test
