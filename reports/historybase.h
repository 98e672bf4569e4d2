#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>

#include "platform/ctime.h"
#include "store/velmoradoc.h"
#include "ui/dayviewdlg.h"

namespace velmora {

class CCommandBar;
class CReportTable;
class IMainFrame;

// Commands of the measure histories' command bars, and their list.
enum MeasureHistoryCommand : int {
    kCmdHistoryChart = 32833,
    kCmdHistoryView = 32834,
    kCmdHistoryDelete = 32836,
    kCmdHistoryDeleteAll = 32837,
};
inline constexpr int kHistoryListId = 1007;

// `value` written with `digits` significant digits, the point placed by the rounded value:
// 60.5 with 4 reads "60.50", 99.996 with 4 reads "100.0", 98.6 with 3 reads "98.6".
QString SignificantText(double value, int digits);
// A temperature as the history lists it: degrees Celsius with four digits (UnitsFormat 1),
// or its Fahrenheit figure with three digits, four above 100 and for the half steps of the
// Fahrenheit list (97.35, 98.15, 99.05, 99.95).
QString TemperatureHistoryText(double celsius, int unitsFormat);
// A weight as the history lists it: kilograms (UnitsFormat other than 0) or pounds, with
// four digits.
QString WeightHistoryText(double kilograms, int unitsFormat);

// What makes one measure history different from the other.
struct HistoryKind {
    int templateId = 0;
    QString title;  // the screen's title, which the main window shows again after the chart
    QString metricHeader;
    QString englishHeader;
    double CVelmoraMFCDoc::*member = nullptr;  // the value listed (0.0: none)
    DayViewMode dayViewMode = kDayViewFromCalendar;
    QString deleteQuestion;
    QString (*valueText)(double value, int unitsFormat) = nullptr;
    // Runs the chart of the measure on year-month, over `parent`, giving the main window
    // `returnTitle` when it closes.
    int (*runChart)(IMainFrame* frame, int year, int month, QWidget* parent,
                    const QString& returnTitle) = nullptr;
};

// The list of every stored day that has a value of one measure, oldest first, with the
// commands Chart (that month's chart), View (the Day View of the day), Delete (the day's
// value) and Delete All (every listed value). Deleting removes only this measure: the day's
// other data stay stored.
//
// Each row carries its day; a row whose day is no longer stored is passed over. The list is
// read again after every change.
class CMeasureHistoryDlg : public QDialog {
    Q_OBJECT

public:
    ~CMeasureHistoryDlg() override;

    void OnCommand(int command);
    // Reads the list again from the diary, keeping the chosen day chosen when it is still
    // listed.
    void Refill();

    CReportTable* Table() const { return m_list; }
    CCommandBar* CommandBar() const { return m_bar; }
    const HistoryKind& Kind() const { return m_kind; }

protected:
    CMeasureHistoryDlg(HistoryKind kind, CVelmoraMFCDoc& doc, IMainFrame* frame, QWidget* parent);

private:
    void Chart();
    void View();
    void Delete();
    void DeleteAll();
    // Removes the value of the stored day `day`; a day no longer stored is left alone.
    void ClearValue(CTime day);

    HistoryKind m_kind;
    CVelmoraMFCDoc& m_doc;
    IMainFrame* m_frame;
    int m_units;
    CReportTable* m_list = nullptr;
    CCommandBar* m_bar = nullptr;
};

// Lays out a history screen: a white face with the list `listId` on it, returned, and
// below it the command bar, returned in `bar`. The caller adds the columns and the tools.
CReportTable* LayOutHistoryScreen(QDialog* dialog, int listId, CCommandBar*& bar);

// Tells the user which step of rewriting a day failed; nothing when it was saved.
void ReportHistorySave(SaveDayResult result);

}  // namespace velmora
