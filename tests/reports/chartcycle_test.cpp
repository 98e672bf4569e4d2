// The Cycle Chart driven headless on written bleedings: which bars stand where, how tall and
// in which colour, and what the year steps and the empty year do.

#include <QComboBox>
#include <string>

#include "gfx/screenbuffer.h"
#include "platform/calendar.h"
#include "reports/cyclechartdlg.h"
#include "tests/reports/charttest.h"
#include "ui/kit/commandbar.h"

namespace velmora {
namespace {

using test::kBlack;
using test::kBlue;
using test::kRed;

class CycleChartTest : public test::ChartTest {
protected:
    // A bleeding of `days` days from year-month-day, stepped by the calendar.
    static void Period(int year, int month, int day, int days = 4) {
        const long long first =
            DayNumber(year, month, day);
        for (int k = 0; k < days; ++k) {
            const CivilDate d = CivilFromDays(first + k);
            Fluid(static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day),
                  1 + k % 3);
        }
    }
    static QRgb At(CCycleChartDlg& chart, int x, int y) {
        return chart.Screen().WindowSurface().pixel(x, y);
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
    // Whether the window shows a bar of `fill` with a black outline from left to right-1 and
    // top to 253, and nothing of the bar's colour just above it.
    static void ExpectBarDrawn(CCycleChartDlg& chart, int left, int right, int top, QRgb fill) {
        const int mid = (left + right) / 2;
        EXPECT_EQ(At(chart, left, (top + 254) / 2), kBlack) << left;
        EXPECT_EQ(At(chart, right - 1, (top + 254) / 2), kBlack) << left;
        EXPECT_EQ(At(chart, mid, top), kBlack) << left;
        EXPECT_EQ(At(chart, mid, 253), kBlack) << left;
        for (int y = top + 1; y <= 252; ++y) {
            ASSERT_EQ(At(chart, mid, y), fill) << left << "," << y;
        }
        EXPECT_NE(At(chart, mid, top - 1), fill) << left;
        EXPECT_NE(At(chart, mid, top - 1), kBlack) << left;
        EXPECT_NE(At(chart, right, (top + 254) / 2), fill) << left;
    }
};

TEST_F(CycleChartTest, TwoJanuaryStartsGiveOneBarOfTwentyEightInJanuary) {
    Period(2026, 1, 3);
    Period(2026, 1, 31);
    CCycleChartDlg chart(&frame, 2026);
    ASSERT_EQ(chart.Bars().size(), 1u);
    const CCycleChartDlg::Bar& bar = chart.Bars()[0];
    EXPECT_EQ(bar.month, 1);
    EXPECT_EQ(bar.length, 28);
    EXPECT_EQ(bar.rect.left, 33);
    EXPECT_EQ(bar.rect.right, 41);
    EXPECT_EQ(bar.rect.top, 160);
    EXPECT_EQ(bar.rect.bottom, 254);
    EXPECT_TRUE(bar.red);  // the default CycleLength is 28
    ExpectBarDrawn(chart, 33, 41, 160, kRed);
    // The February column stays empty although the bleeding runs into it.
    EXPECT_NE(At(chart, 54, 200), kRed);
    EXPECT_NE(At(chart, 54, 200), kBlue);
}

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
    ExpectBarDrawn(chart, 50, 58, 141, kBlue);
    ExpectBarDrawn(chart, 67, 75, 27, kBlue);
    ExpectBarDrawn(chart, 101, 109, 27, kBlue);
    ExpectBarDrawn(chart, 118, 126, 692 - 19 * 30, kRed);
    for (const CCycleChartDlg::Bar& b : chart.Bars()) {
        EXPECT_EQ(b.red, b.length == 30) << b.month;
    }
    // The shortest bar lies on the bottom line, one pixel tall.
    EXPECT_EQ(At(chart, 139, 253), kBlack);
    EXPECT_NE(At(chart, 139, 252), kBlue);
    // April has no bar.
    EXPECT_NE(At(chart, 88, 200), kBlue);
}

TEST_F(CycleChartTest, ABleedingBegunInDecemberOpensTheFirstCycleOfTheYear) {
    Period(2025, 12, 6);
    Period(2026, 1, 3);  // 28 days after 6 December
    Period(2026, 2, 2);  // 30
    CCycleChartDlg chart(&frame, 2026);
    EXPECT_EQ(BarsOf(chart), "1:28 2:30");
    ExpectBarDrawn(chart, 33, 41, 160, kRed);

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

TEST_F(CycleChartTest, LeapFebruaryCountsItsTwentyNinthDay) {
    Period(2024, 2, 1);
    Period(2024, 2, 29, 2);  // 28 days after 1 February, on the leap day
    Period(2024, 3, 30);     // 30 days after 29 February
    CCycleChartDlg chart(&frame, 2024);
    const long long first = DaysFromCivil(2024, 2, 1);
    const long long leap = DaysFromCivil(2024, 2, 29);
    const long long march = DaysFromCivil(2024, 3, 30);
    EXPECT_EQ(BarsOf(chart),
              "2:" + std::to_string(leap - first) + " 3:" + std::to_string(march - leap));
    EXPECT_TRUE(chart.Marked(2, 29));
}

TEST_F(CycleChartTest, RedIsExactlyTheUsersCycleLength) {
    Period(2026, 1, 1);
    Period(2026, 1, 29);  // 28
    Period(2026, 2, 27);  // 29
    Period(2026, 3, 29);  // 30
    AppSettings.CycleLength = 29;
    CCycleChartDlg chart(&frame, 2026);
    EXPECT_EQ(BarsOf(chart), "1:28 2:29 3:30");
    ExpectBarDrawn(chart, 33, 41, 692 - 19 * 28, kBlue);
    ExpectBarDrawn(chart, 50, 58, 692 - 19 * 29, kRed);
    ExpectBarDrawn(chart, 67, 75, 692 - 19 * 30, kBlue);
}

// Without a store the chart says nothing; a store without any record is an empty year.
TEST_F(CycleChartTest, AStoreWithoutRecordsIsAnEmptyYear) {
    for (bool store : {false, true}) {
        if (store) {
            CCeDatabase db;
            ASSERT_TRUE(db.Create(kDayStoreName));
        }
        CCycleChartDlg chart(&frame, 2026, &frame);
        RunScreen<CCycleChartDlg>(chart, "Cycles Chart", [&](CCycleChartDlg& c) {
            QCoreApplication::processEvents();
            EXPECT_TRUE(c.Bars().empty());
        });
        EXPECT_EQ(boxes.Texts(), store ? std::vector<std::string>{"There is no information for "
                                                                  "this year!"}
                                       : std::vector<std::string>{});
    }
}

TEST_F(CycleChartTest, YearsStepWithinTheListsAndAnEmptyYearIsToldAfterEachChoice) {
    RecordHelp();
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
    ASSERT_EQ(HelpCalls().size(), 1u);
    EXPECT_EQ(HelpCalls()[0].code, 2);
    EXPECT_EQ(HelpCalls()[0].page, 5);
    EXPECT_EQ(HelpCalls()[0].title, "Help");

    CCycleChartDlg first(&frame, 1995);
    first.OnCommand(kCmdChartPrevious);
    EXPECT_EQ(first.ShownYear(), 1995);
    CCycleChartDlg last(&frame, 2027);
    last.OnCommand(kCmdChartNext);
    EXPECT_EQ(last.ShownYear(), 2027);
    EXPECT_EQ(last.ScaleLabels(), QStringList({"35", "33", "31", "29", "27", "25", "23"}));
}

}  // namespace
}  // namespace velmora
