#include <QApplication>
#include <QImage>
#include <string>
#include <tuple>
#include <vector>

#include "platform/datapaths.h"
#include "reports/cyclebar.h"
#include "reports/cyclehistorydlg.h"
#include "reports/yearviewdlg.h"
#include "tests/app/apptest.h"
#include "tests/reports/cyclereporttest.h"
#include "tests/support/helprecorder.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/reporttable.h"

namespace velmora {
namespace {

using test::CycleReportTest;

// The rows as the list shows them: a row's texts one space apart, rows apart by "; ".
QString Rows(const CCycleHistoryDlg& dialog) {
    QStringList rows;
    for (int i = 0; i < dialog.Table()->RowCount(); ++i) {
        rows << dialog.Table()->TextsAt(i).join(u' ');
    }
    return rows.join(QStringLiteral("; "));
}

class CycleHistoryTest : public CycleReportTest {
protected:
    // Whether anything dark is painted where the average line goes, below the list.
    static bool InkBelowTheList(CCycleHistoryDlg& dialog) {
        dialog.show();
        QApplication::processEvents();
        const QImage shot = dialog.grab(QRect(90, 250, 150, 18)).toImage();
        dialog.hide();
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (qGray(shot.pixel(x, y)) < 100) {
                    return true;
                }
            }
        }
        return false;
    }
    // The day `back` days before today (the clock's day).
    static LocalTime DaysAgo(int back) {
        const LocalTime now = Clock::Now().Local();
        return (CVelmoraMFCDoc::DayAtNoon(now.year, now.month, now.day) -
                int64_t{back} * kSecondsPerDay)
            .Local();
    }
    static void PeriodAgo(int back, int days) {
        const LocalTime first = DaysAgo(back);
        Period(first.year, first.month, first.day, days);
    }
    static QString Text(const LocalTime& t) {
        char text[16];
        std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.day, t.month, t.year);
        return QString::fromLatin1(text);
    }
};

TEST_F(CycleHistoryTest, ListsEveryCycleOldestFirstWithItsOvulationLengthAndTheAverage) {
    Today(2026, 12, 6);
    Period(2026, 10, 26, 4);  // written first, listed last
    Period(2026, 9, 1, 5);
    Period(2026, 9, 28, 5);
    CCycleHistoryDlg dialog(&frame);
    EXPECT_EQ(dialog.objectName(), "197");
    EXPECT_EQ(Rows(dialog),
              "01.09.2026 11.09.2026 27; 28.09.2026 09.10.2026 28; 26.10.2026 N/A N/A");
    // 27 and 28 days: the average is cut to whole days.
    EXPECT_EQ(dialog.AverageText(), "Average cycle lenght:27");
    EXPECT_TRUE(InkBelowTheList(dialog));

    // Each row carries its day and its key: whole days since 1 January 2000.
    const CTime origin(2000, 1, 1, 0, 0, 0);
    const int days[][3] = {{2026, 9, 1}, {2026, 9, 28}, {2026, 10, 26}};
    for (int i = 0; i < 3; ++i) {
        const CReportTable::Row row = dialog.Table()->RowAt(i);
        const LocalTime lt = row.date.Local();
        EXPECT_EQ(std::make_tuple(lt.year, lt.month, lt.day),
                  std::make_tuple(days[i][0], days[i][1], days[i][2]));
        const CTime day = CVelmoraMFCDoc::DayAtNoon(days[i][0], days[i][1], days[i][2]);
        EXPECT_EQ(row.key, (day - origin) / kSecondsPerDay);
    }
    const auto header = dialog.Table()->headerItem();
    EXPECT_EQ(QStringList({header->text(0), header->text(1), header->text(2)}),
              QStringList({"Start Date", "Start Ovulation", "Lenght"}));
}

TEST_F(CycleHistoryTest, OnePeriodHasNoLengthAndAGapSplitsABleeding) {
    Today(2026, 12, 6);
    Period(2026, 11, 1, 2);
    Period(2026, 11, 4, 2);  // 3 November is dry
    // Spotting on the gap day does not join the runs; a flow does.
    const struct {
        int gap;  // the flow of 3 November
        const char* rows;
        const char* average;
    } cases[] = {{0, "01.11.2026 18.10.2026 3; 04.11.2026 N/A N/A", "Average cycle lenght:3"},
                 {4, "01.11.2026 18.10.2026 3; 04.11.2026 N/A N/A", "Average cycle lenght:3"},
                 {1, "01.11.2026 N/A N/A", "Average cycle lenght:N/A"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gap);
        if (c.gap != 0) {
            SaveFluid(2026, 11, 3, c.gap);
        }
        CCycleHistoryDlg dialog(&frame);
        EXPECT_EQ(Rows(dialog), c.rows);
        EXPECT_EQ(dialog.AverageText(), c.average);
    }
}

TEST_F(CycleHistoryTest, DatesFollowTheDateFormatAndSeparator) {
    Today(2005, 6, 1);
    Period(2004, 3, 5, 3);
    Period(2004, 4, 2, 3);  // 17 days before it: 16 March
    const struct {
        int format, separator;
        const char* rows;
    } cases[] = {{0, 0, "05.03.2004 16.03.2004 28; 02.04.2004 N/A N/A"},
                 {1, 2, "03-05-2004 03-16-2004 28; 04-02-2004 N/A N/A"},
                 {0, 1, "05/03/2004 16/03/2004 28; 02/04/2004 N/A N/A"}};
    for (const auto& c : cases) {
        AppSettings.DateFormat = c.format;
        AppSettings.DateSeparator = c.separator;
        CCycleHistoryDlg dialog(&frame);
        EXPECT_EQ(Rows(dialog), c.rows);
    }
}

TEST_F(CycleHistoryTest, OnlyTheLast713DaysCount) {
    Today(2026, 3, 29);  // the window's days cross two changes to summer time
    PeriodAgo(720, 4);   // wholly before the window
    PeriodAgo(713, 3);   // its first day is just outside: counted from the next one
    PeriodAgo(684, 4);
    PeriodAgo(0, 1);  // today
    CCycleHistoryDlg dialog(&frame);
    EXPECT_EQ(Rows(dialog), Text(DaysAgo(712)) + " " + Text(DaysAgo(684 + 17)) + " 28; " +
                                Text(DaysAgo(684)) + " " + Text(DaysAgo(17)) + " 684; " +
                                Text(DaysAgo(0)) + " N/A N/A");
    EXPECT_EQ(dialog.AverageText(), "Average cycle lenght:356");
}

TEST_F(CycleHistoryTest, WithoutADiaryTheListIsEmptyAndHasNoAverage) {
    Today(2026, 12, 6);
    {
        CCycleHistoryDlg dialog(&frame);
        EXPECT_EQ(dialog.Table()->RowCount(), 0);
        EXPECT_EQ(dialog.AverageText(), "");
        EXPECT_FALSE(InkBelowTheList(dialog));
        EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));  // looking makes no diary
    }
    // A diary without bleeding: an empty list and no average to give.
    SaveFluid(2026, 11, 20, 4);
    SaveFluid(2026, 11, 21, 5);
    CCycleHistoryDlg dialog(&frame);
    EXPECT_EQ(dialog.Table()->RowCount(), 0);
    EXPECT_EQ(dialog.AverageText(), "Average cycle lenght:N/A");
    EXPECT_TRUE(InkBelowTheList(dialog));
}

TEST_F(CycleHistoryTest, ViewOpensTheCycleBarOnTheChosenCycleWhateverTheDateSettings) {
    Today(2026, 12, 6);
    Period(2026, 9, 1, 5);
    Period(2026, 9, 28, 5);
    Period(2026, 10, 26, 4);
    AppSettings.DateFormat = 1;
    AppSettings.DateSeparator = 7;  // no separator: the texts say "09282026"
    CCycleHistoryDlg dialog(&frame);
    EXPECT_EQ(dialog.Table()->TextsAt(1)[0], "09282026");

    // Without a chosen row nothing opens.
    bool opened = false;
    QueueModalHook([&](QDialog& d) {
        opened = true;
        d.reject();
    });
    dialog.CommandBar()->Trigger(kCmdCycleHistoryView);
    EXPECT_FALSE(opened);
    ClearModalHooks();

    frame.SetTitle("Cycles History");
    dialog.Table()->SelectRow(1);
    std::string start;
    QString during;
    QueueModalHook([&](QDialog& d) {
        during = frame.Title();
        start = dynamic_cast<CCycleBar&>(d).Labels().front().text.toStdString();
        d.reject();
    });
    dialog.CommandBar()->Trigger(kCmdCycleHistoryView);
    EXPECT_EQ(start, "Start Menstruation (Sep, 28 2026)");
    EXPECT_EQ(during, "Cycle Bar");
    EXPECT_EQ(frame.Title(), "Cycle History");
}

TEST_F(CycleHistoryTest, HelpOpensPageSixOfItsHelp) {
    Today(2026, 12, 6);
    CCycleHistoryDlg dialog(&frame);
    test::HelpRecorder help;
    frame.SetTitle("Cycles History");
    ASSERT_TRUE(test::Press(&dialog, kCmdCycleHistoryHelp));
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0], (test::HelpRecorder::Call{3, 6, "Help"}));
    EXPECT_EQ(frame.Title(), "Cycles History");
}

class CycleReportMenuTest : public test::AppTest {};

// From the program's menu each report opens under its title on today's month and year (the
// clock says 6 December 2026) and gives the calendar its title back: the Cycle Bar on the
// bleeding that runs over the 1st, the Year View on this year, and the history's View opens
// the bar on the chosen cycle under a title of its own.
TEST_F(CycleReportMenuTest, EachReportOpensUnderItsTitleAndGivesTheCalendarItsTitleBack) {
    test::WritePeriod(2026, 10, 3, 3);
    test::WritePeriod(2026, 10, 31, 3);
    test::WritePeriod(2026, 11, 28, 3, 1);
    test::WritePeriod(2026, 12, 1, 2, 3);
    Start();
    QStringList titles;
    QString start;
    QString rows;
    int year = 0;
    QueueModalHook([&](QDialog& d) {
        titles << Frame().Title() << d.windowTitle();
        start = dynamic_cast<CCycleBar&>(d).Labels().front().text;
        d.reject();
    });
    app->OnCommand(kCmdCycleBar);
    titles << Frame().Title();
    QueueModalHook([&](QDialog& d) {
        titles << Frame().Title() << d.windowTitle();
        year = dynamic_cast<CYearViewDlg&>(d).Year();
        d.reject();
    });
    app->OnCommand(kCmdYearView);
    titles << Frame().Title();
    QueueModalHook([&](QDialog& d) {
        auto& history = dynamic_cast<CCycleHistoryDlg&>(d);
        titles << Frame().Title() << d.windowTitle();
        rows = Rows(history);
        history.Table()->SelectRow(0);
        QueueModalHook([&](QDialog& bar) {
            titles << Frame().Title() << bar.windowTitle();
            bar.reject();
        });
        history.CommandBar()->Trigger(kCmdCycleHistoryView);
        titles << Frame().Title();
        d.reject();
    });
    app->OnCommand(kCmdCycleHistory);
    titles << Frame().Title();
    EXPECT_EQ(titles, (QStringList{"Cycle Bar", "Cycle Bar", "Calendar View", "Year View",
                                   "Year View", "Calendar View", "Cycles History", "Cycles History",
                                   "Cycle Bar", "Cycle Bar", "Cycle History", "Calendar View"}));
    EXPECT_EQ(start, "Start Menstruation (Nov, 28 2026)");
    EXPECT_EQ(year, 2026);
    EXPECT_EQ(rows, "03.10.2026 14.10.2026 28; 31.10.2026 11.11.2026 28; 28.11.2026 N/A N/A");
}

}  // namespace
}  // namespace velmora
