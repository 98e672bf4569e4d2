#include <QApplication>
#include <QImage>
#include <string>
#include <tuple>
#include <vector>

#include "platform/datapaths.h"
#include "reports/cyclebar.h"
#include "reports/cyclehistorydlg.h"
#include "tests/app/apptest.h"
#include "tests/reports/cyclereporttest.h"
#include "tests/support/helprecorder.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/reporttable.h"

namespace velmora {
namespace {

using test::CycleReportTest;

class CycleHistoryTest : public CycleReportTest {
protected:
    static std::vector<std::vector<std::string>> Rows(const CCycleHistoryDlg& dialog) {
        std::vector<std::vector<std::string>> rows;
        const CReportTable& list = *dialog.Table();
        for (int i = 0; i < list.RowCount(); ++i) {
            std::vector<std::string> row;
            for (const QString& text : list.TextsAt(i)) {
                row.push_back(text.toStdString());
            }
            rows.push_back(row);
        }
        return rows;
    }
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
    static std::string Text(const LocalTime& t) {
        char text[16];
        std::snprintf(text, sizeof text, "%02d.%02d.%04d", t.day, t.month, t.year);
        return text;
    }
};

using Table = std::vector<std::vector<std::string>>;

TEST_F(CycleHistoryTest, ListsEveryCycleOldestFirstWithItsOvulationLengthAndTheAverage) {
    Today(2026, 12, 6);
    Period(2026, 10, 26, 4);  // written first, listed last
    Period(2026, 9, 1, 5);
    Period(2026, 9, 28, 5);
    CCycleHistoryDlg dialog(&frame);
    EXPECT_EQ(dialog.objectName(), "197");
    const Table expected = {
        {"01.09.2026", "11.09.2026", "27"},
        {"28.09.2026", "09.10.2026", "28"},
        {"26.10.2026", "N/A", "N/A"},
    };
    EXPECT_EQ(Rows(dialog), expected);
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
    EXPECT_EQ(header->text(0), "Start Date");
    EXPECT_EQ(header->text(1), "Start Ovulation");
    EXPECT_EQ(header->text(2), "Lenght");
}

TEST_F(CycleHistoryTest, OnePeriodHasNoLengthAndAGapSplitsABleeding) {
    Today(2026, 12, 6);
    Period(2026, 11, 1, 2);
    Period(2026, 11, 4, 2);  // 3 November is dry
    {
        CCycleHistoryDlg dialog(&frame);
        const Table expected = {
            {"01.11.2026", "18.10.2026", "3"},
            {"04.11.2026", "N/A", "N/A"},
        };
        EXPECT_EQ(Rows(dialog), expected);
        EXPECT_EQ(dialog.AverageText(), "Average cycle lenght:3");
    }
    // Spotting on the gap day does not join the runs; a flow does.
    SaveFluid(2026, 11, 3, 4);
    {
        CCycleHistoryDlg dialog(&frame);
        EXPECT_EQ(Rows(dialog).size(), 2u);
    }
    SaveFluid(2026, 11, 3, 1);
    CCycleHistoryDlg dialog(&frame);
    EXPECT_EQ(Rows(dialog), (Table{{"01.11.2026", "N/A", "N/A"}}));
    EXPECT_EQ(dialog.AverageText(), "Average cycle lenght:N/A");
}

TEST_F(CycleHistoryTest, DatesFollowTheDateFormatAndSeparator) {
    Today(2005, 6, 1);
    Period(2004, 3, 5, 3);
    Period(2004, 4, 2, 3);  // 17 days before it: 16 March
    {
        CCycleHistoryDlg dialog(&frame);
        EXPECT_EQ(Rows(dialog)[0], (std::vector<std::string>{"05.03.2004", "16.03.2004", "28"}));
    }
    AppSettings.DateFormat = 1;
    AppSettings.DateSeparator = 2;
    {
        CCycleHistoryDlg dialog(&frame);
        EXPECT_EQ(Rows(dialog)[0], (std::vector<std::string>{"03-05-2004", "03-16-2004", "28"}));
        EXPECT_EQ(Rows(dialog)[1][0], "04-02-2004");
    }
    AppSettings.DateFormat = 0;
    AppSettings.DateSeparator = 1;
    CCycleHistoryDlg dialog(&frame);
    EXPECT_EQ(Rows(dialog)[0][0], "05/03/2004");
}

TEST_F(CycleHistoryTest, OnlyTheLast713DaysCount) {
    Today(2026, 3, 29);  // the window's days cross two changes to summer time
    PeriodAgo(720, 4);   // wholly before the window
    PeriodAgo(713, 3);   // its first day is just outside: counted from the next one
    PeriodAgo(684, 4);
    PeriodAgo(0, 1);  // today
    CCycleHistoryDlg dialog(&frame);
    const Table expected = {
        {Text(DaysAgo(712)), Text(DaysAgo(684 + 17)), "28"},
        {Text(DaysAgo(684)), Text(DaysAgo(17)), "684"},
        {Text(DaysAgo(0)), "N/A", "N/A"},
    };
    EXPECT_EQ(Rows(dialog), expected);
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

class CycleHistoryMenuTest : public test::AppTest {};

TEST_F(CycleHistoryMenuTest, TheMenuOpensItAndItsViewTitlesTheWindow) {
    test::WritePeriod(2026, 10, 3, 3);
    test::WritePeriod(2026, 10, 31, 3);
    Start();
    QStringList titles;
    std::vector<std::vector<std::string>> rows;
    QueueModalHook([&](QDialog& d) {
        auto& history = dynamic_cast<CCycleHistoryDlg&>(d);
        titles << Frame().Title() << d.windowTitle();
        for (int i = 0; i < history.Table()->RowCount(); ++i) {
            std::vector<std::string> row;
            for (const QString& t : history.Table()->TextsAt(i)) {
                row.push_back(t.toStdString());
            }
            rows.push_back(row);
        }
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
    EXPECT_EQ(titles, (QStringList{"Cycles History", "Cycles History", "Cycle Bar", "Cycle Bar",
                                   "Cycle History"}));
    const Table expected = {{"03.10.2026", "14.10.2026", "28"}, {"31.10.2026", "N/A", "N/A"}};
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(Frame().Title(), "Calendar View");
}

}  // namespace
}  // namespace velmora
