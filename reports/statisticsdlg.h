#pragma once

#include <QDialog>
#include <QString>

#include "cycle/statistics.h"

class QLabel;
class QListWidget;
class QTabWidget;

namespace velmora {

class CCommandBar;
class IMainFrame;

// Commands of the Statistics screen's command bar, and its controls. The figure of measure
// `row` (StatisticsRow) in column `column` (StatisticsColumn) is the label
// StatisticsFigureId(row, column).
enum StatisticsCommand : int {
    kCmdStatisticsHelp = 57670,
};
inline constexpr int kStatisticsTemplateId = 262;
inline constexpr int kStatisticsTabsId = 1200;
inline constexpr int kStatisticsFiguresId = 1210;  // 24 labels, 1210-1233
inline constexpr int kStatisticsHistogramId = 1240;
inline constexpr int kStatisticsPredictionId = 1241;  // three labels, 1241-1243
inline constexpr int kStatisticsRangeNoteId = 1244;
inline constexpr int kStatisticsUsualId = 1250;
inline constexpr int kStatisticsLeftOutListId = 1251;

enum StatisticsRow : int { kRowUsed, kRowMean, kRowMedian, kRowStdDev, kRowShortest, kRowLongest };
inline constexpr int kStatisticsRows = 6;
enum StatisticsColumn : int {
    kColCyclesAll,
    kColCyclesHalfYear,
    kColPeriodsAll,
    kColPeriodsHalfYear
};
inline constexpr int kStatisticsColumns = 4;
constexpr int StatisticsFigureId(int row, int column) {
    return kStatisticsFiguresId + row * kStatisticsColumns + column;
}

// Statistics: the diary's cycles and periods in numbers, on three tabs. Lengths: for cycles
// and periods, over the whole diary and over the half year the cycle engine analyses, how
// many count, their mean, median, standard deviation, shortest and longest, and below them a
// histogram of the counted cycle lengths. Forecast: the next three starts the engine
// predicts, each as a range of days (or the single day when the half year has too few
// cycles for a range). Left out: the cycles and periods that do not count, with why. The
// figures are read once, when the screen opens; nothing here writes to the diary.
class CStatisticsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CStatisticsDlg(IMainFrame* frame, QWidget* parent = nullptr);
    ~CStatisticsDlg() override;

    // Help.
    void OnCommand(int command);

    const CycleStatistics& Statistics() const { return m_stats; }
    QTabWidget* Tabs() const { return m_tabs; }
    CCommandBar* CommandBar() const { return m_bar; }

    // A length in days with one decimal, and a count or whole length, as the screen shows
    // them: in the user's own number format.
    static QString DecimalText(double value);
    static QString WholeText(int value);
    // A day as the screen shows it, in the date format of Program Settings.
    static QString DateText(Day day);

private:
    QWidget* MakeLengthsTab();
    QWidget* MakeForecastTab();
    QWidget* MakeLeftOutTab();
    void ShowHelp();

    IMainFrame* m_frame;
    CycleStatistics m_stats;
    QTabWidget* m_tabs = nullptr;
    CCommandBar* m_bar = nullptr;
};

}  // namespace velmora
