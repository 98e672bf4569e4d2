#include <string>

#include "reports/cyclebar.h"
#include "reports/cyclehistorydlg.h"
#include "tests/reports/reporttest.h"
#include "ui/kit/commandbar.h"

namespace velmora {
namespace {

QString Rows(const CCycleHistoryDlg& dialog) {
    return test::RowsOf(*dialog.Table());
}

class CycleHistoryTest : public test::ReportTest {
protected:
    // The day `back` days before today, as the list writes it.
    static QString DaysAgo(int back, LocalTime* day = nullptr) {
        const LocalTime now = Clock::Now().Local();
        const LocalTime t = (CVelmoraMFCDoc::DayAtNoon(now.year, now.month, now.day) -
                             int64_t{back} * kSecondsPerDay)
                                .Local();
        if (day != nullptr) {
            *day = t;
        }
        return QString::asprintf("%02d.%02d.%04d", t.day, t.month, t.year);
    }
    static void PeriodAgo(int back, int days) {
        LocalTime first;
        DaysAgo(back, &first);
        test::WritePeriod(first.year, first.month, first.day, days);
    }
};

TEST_F(CycleHistoryTest, ListsEveryCycleOldestFirstWithItsOvulationLengthAndTheAverage) {
    Today(2026, 12, 6);
    test::WritePeriod(2026, 10, 26, 4);  // written first, listed last
    test::WritePeriod(2026, 9, 1, 5);
    test::WritePeriod(2026, 9, 28, 5);
    CCycleHistoryDlg dialog(&frame);
    EXPECT_EQ(Rows(dialog),
              "01.09.2026 11.09.2026 27; 28.09.2026 09.10.2026 28; 26.10.2026 N/A N/A");
    // 27 and 28 days: the average is cut to whole days.
    EXPECT_EQ(dialog.AverageText(), "Average cycle lenght:27");
}

TEST_F(CycleHistoryTest, OnePeriodHasNoLengthAndAGapSplitsABleeding) {
    Today(2026, 12, 6);
    test::WritePeriod(2026, 11, 1, 2);
    test::WritePeriod(2026, 11, 4, 2);  // 3 November is dry
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
            Fluid(2026, 11, 3, c.gap);
        }
        CCycleHistoryDlg dialog(&frame);
        EXPECT_EQ(Rows(dialog), c.rows);
        EXPECT_EQ(dialog.AverageText(), c.average);
    }
}

TEST_F(CycleHistoryTest, OnlyTheLast713DaysCount) {
    Today(2026, 3, 29);  // the window's days cross two changes to summer time
    PeriodAgo(720, 4);   // wholly before the window
    PeriodAgo(713, 3);   // its first day is just outside: counted from the next one
    PeriodAgo(684, 4);
    PeriodAgo(0, 1);  // today
    CCycleHistoryDlg dialog(&frame);
    EXPECT_EQ(Rows(dialog), DaysAgo(712) + " " + DaysAgo(684 + 17) + " 28; " + DaysAgo(684) + " " +
                                DaysAgo(17) + " 684; " + DaysAgo(0) + " N/A N/A");
    EXPECT_EQ(dialog.AverageText(), "Average cycle lenght:356");
}

TEST_F(CycleHistoryTest, ViewOpensTheCycleBarOnTheChosenCycleWhateverTheDateSettings) {
    Today(2026, 12, 6);
    test::WritePeriod(2026, 9, 1, 5);
    test::WritePeriod(2026, 9, 28, 5);
    test::WritePeriod(2026, 10, 26, 4);
    AppSettings.DateFormat = 1;
    AppSettings.DateSeparator = 7;  // no separator: the texts say "09282026"
    CCycleHistoryDlg dialog(&frame);
    EXPECT_EQ(dialog.Table()->TextsAt(1)[0], "09282026");
    bool opened = false;
    QueueModalHook([&](QDialog& d) {
        opened = true;
        d.reject();
    });
    dialog.CommandBar()->Trigger(kCmdCycleHistoryView);  // nothing chosen: nothing opens
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

    test::HelpRecorder help;
    ASSERT_TRUE(test::Press(&dialog, kCmdCycleHistoryHelp));
    EXPECT_EQ(help.Calls(), (test::HelpCalls{{3, 6, "Help"}}));
}

}  // namespace
}  // namespace velmora
