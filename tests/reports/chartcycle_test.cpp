// The Cycle Chart driven headless on written bleedings: which bars stand where, how tall and
// in which colour, and what the year steps and the empty year do.

#include <QComboBox>
#include <string>
#include <tuple>

#include "gfx/screenbuffer.h"
#include "platform/calendar.h"
#include "reports/cyclechartdlg.h"
#include "tests/reports/reporttest.h"
#include "tests/support/refimage.h"
#include "ui/kit/commandbar.h"

namespace velmora {
namespace {

class CycleChartTest : public test::ReportTest {
protected:
    // A bleeding of `days` days from year-month-day, its flow rising from spotting.
    static void Period(int year, int month, int day, int days = 4) {
        const long long first = DayNumber(year, month, day);
        for (int k = 0; k < days; ++k) {
            const CivilDate d = CivilFromDays(first + k);
            Fluid(static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day),
                  1 + k % 3);
        }
    }
    // "month:length" of every bar, in drawing order.
    static std::string BarsOf(const CCycleChartDlg& chart) {
        std::string out;
        for (const CCycleChartDlg::Bar& b : chart.Bars()) {
            out +=
                (out.empty() ? "" : " ") + std::to_string(b.month) + ":" + std::to_string(b.length);
        }
        return out;
    }
};

TEST_F(CycleChartTest, BarsStandInTheMonthOfTheNextBleedingAsTallAsTheCycle) {
    AppSettings.CycleLength = 30;
    Period(2026, 1, 20);
    Period(2026, 2, 18);  // 29 days: February
    Period(2026, 3, 25);  // 35 days: March, the top of the scale
    Period(2026, 5, 4);   // 40 days: drawn as 35
    Period(2026, 5, 26);  // 22 days: no bar
    Period(2026, 6, 25);  // 30 days: the user's own length, red
    Period(2026, 7, 18);  // 23 days: the shortest bar
    CCycleChartDlg chart(&frame, 2026);
    EXPECT_EQ(BarsOf(chart), "2:29 3:35 5:40 6:30 7:23");
    for (const CCycleChartDlg::Bar& b : chart.Bars()) {
        EXPECT_EQ(b.red, b.length == 30) << b.month;
    }
    // Blue bars, the longest cut at the top, the shortest one pixel tall on the bottom line,
    // and April without a bar.
    test::ExpectMatchesReference(chart.Screen().WindowSurface(), "reports/data/cycles-2026.png");
}

TEST_F(CycleChartTest, ABleedingBegunInDecemberOpensTheFirstCycleOfTheYear) {
    Period(2025, 12, 6);
    Period(2026, 1, 3);  // 28 days after 6 December
    Period(2026, 2, 2);  // 30
    CCycleChartDlg chart(&frame, 2026);
    EXPECT_EQ(BarsOf(chart), "1:28 2:30");

    // A bleeding that runs from December into January starts in December only.
    Period(2024, 12, 30, 5);
    Period(2025, 1, 29);
    CCycleChartDlg before(&frame, 2025);
    // Nothing was recorded from February to November: the long gap stands at the top.
    EXPECT_EQ(BarsOf(before), "1:30 12:311");
    // The year before has its own cycles, not those of December's successor year.
    CCycleChartDlg older(&frame, 2024);
    EXPECT_EQ(BarsOf(older), "");
}

TEST_F(CycleChartTest, YearsStepWithinTheListsAndAnEmptyYearIsToldAfterEachChoice) {
    test::HelpRecorder help;
    Period(2025, 3, 1);
    Period(2025, 3, 30);
    Fluid(2026, 4, 4, 5);  // a day of 2026, but no bleeding
    CCycleChartDlg chart(&frame, 0, &frame);
    RunScreen<CCycleChartDlg>(chart, "Cycles Chart", [&](CCycleChartDlg& c) {
        EXPECT_EQ(c.ShownYear(), 2026);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, "There is no information for this year!");
        EXPECT_TRUE(c.Bars().empty());
        Command(c, kCmdChartPrevious);
        QCoreApplication::processEvents();
        EXPECT_EQ(c.ShownYear(), 2025);
        EXPECT_EQ(BarsOf(c), "3:29");
        EXPECT_EQ(boxes.Count(), 1u);
        c.YearList()->setCurrentText("2026");
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes.Count(), 2u);
        Command(c, kCmdChartHelp);
    });
    EXPECT_EQ(help.Calls(), (test::HelpCalls{{2, 5, "Help"}}));

    CCycleChartDlg first(&frame, 1995);
    first.OnCommand(kCmdChartPrevious);
    EXPECT_EQ(first.ShownYear(), 1995);
    CCycleChartDlg last(&frame, 2027);
    last.OnCommand(kCmdChartNext);
    EXPECT_EQ(last.ShownYear(), 2027);
}

}  // namespace
}  // namespace velmora
