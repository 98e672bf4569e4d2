#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"
#include "platform/datapaths.h"
#include "reports/cyclebar.h"
#include "tests/app/apptest.h"
#include "tests/reports/reporttest.h"
#include "ui/kit/commandbar.h"

namespace velmora {
namespace {

using Labels = std::map<int, std::string>;

class CycleBarTest : public test::ReportTest {
protected:
    static Labels LabelsOf(const CCycleBar& bar) {
        Labels out;
        for (const CCycleBar::Label& l : bar.Labels()) {
            out[l.position] = l.text.toStdString();
        }
        return out;
    }
    static std::string StartLabel(const CCycleBar& bar) {
        const auto labels = LabelsOf(bar);
        return labels.count(1) ? labels.at(1) : std::string();
    }
    static std::string Start(int y, int m, int d) { return Dated("Start Menstruation", y, m, d); }

    // What the window shows in the column at cycle days 1..count: M menstruation, F fertile,
    // O other day, '.' no cell.
    static std::string Column(CCycleBar& bar, int count) {
        const test::SurfaceView window(bar.Screen().WindowSurface());
        static const auto menses = test::Decoded(kPicMarker1, 14, 8);
        static const auto fertile = test::Decoded(kPicMarker2, 14, 8);
        static const auto other = test::Decoded(kPicMarker3, 14, 8);
        std::string out;
        for (int i = 1; i <= count; ++i) {
            const int y = 14 + 8 * (i - 1);
            out += test::Shows(window, *menses, 15, y, false)    ? 'M'
                   : test::Shows(window, *fertile, 15, y, false) ? 'F'
                   : test::Shows(window, *other, 15, y, false)   ? 'O'
                                                                 : '.';
        }
        return out;
    }
    void Next(CCycleBar& bar) { bar.CommandBar()->Trigger(kCmdCycleBarNext); }
    void Previous(CCycleBar& bar) { bar.CommandBar()->Trigger(kCmdCycleBarPrevious); }
};

// Each label names its day and stands by the cell of that day: the fertile days begin 17
// days before the next bleeding, which is predicted 28 days on when none is recorded.
TEST_F(CycleBarTest, LabelsAndCellsStandByTheDaysTheyName) {
    const char* const kinds[] = {"Start Menstruation", "End Menstruation", "Start Ovulation",
                                 "End Ovulation", "End Cycle"};
    const int positions[] = {1, 5, 12, 17, 28};
    // clang-format off
    const struct {
        int today[3];
        int bleedings[2][3];  // five days each
        int from[3];          // the day the bar opens on; 0: from the menu, this month
        int year;
        int labels[5][3];
    } cases[] = {
        // A bleeding ending on the last day of a month.
        {{2027, 1, 15}, {{2026, 11, 26}, {2026, 12, 24}}, {2026, 11, 1}, 2026,
         {{2026, 11, 26}, {2026, 11, 30}, {2026, 12, 7}, {2026, 12, 12}, {2026, 12, 24}}},
        // Begun in late December and opened from the menu; the next one predicted.
        {{2027, 1, 20}, {{2026, 12, 29}}, {0}, 2027,
         {{2026, 12, 29}, {2027, 1, 2}, {2027, 1, 9}, {2027, 1, 14}, {2027, 1, 26}}},
        // Over the 29th of February.
        {{2024, 5, 1}, {{2024, 2, 27}, {2024, 3, 26}}, {2024, 2, 1}, 2024,
         {{2024, 2, 27}, {2024, 3, 2}, {2024, 3, 9}, {2024, 3, 14}, {2024, 3, 26}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        FreshDiary();
        Today(c.today[0], c.today[1], c.today[2]);
        for (const auto& b : c.bleedings) {
            if (b[0] != 0) {
                test::WritePeriod(b[0], b[1], b[2], 5);
            }
        }
        CCycleBar bar(&frame);
        if (c.from[0] != 0) {
            bar.SetStart(c.from[0], c.from[1], c.from[2]);
        }
        Labels want;
        for (int k = 0; k < 5; ++k) {
            want[positions[k]] = Dated(kinds[k], c.labels[k][0], c.labels[k][1], c.labels[k][2]);
        }
        EXPECT_EQ(LabelsOf(bar), want);
        // Five days of bleeding, fertile days 12 to 17, 28 days in all.
        EXPECT_EQ(Column(bar, 30), "MMMMMOOOOOOFFFFFFOOOOOOOOOOO..");
        EXPECT_EQ(bar.Year(), c.year);
    }
}

TEST_F(CycleBarTest, NextAndPreviousVisitEveryCycleInOrderAcrossTheYears) {
    Today(2026, 6, 15);
    // Cycles of 42, 14, 28, 28 and 28 days; the engine predicts three more from 7 February.
    const int visits[][3] = {{2025, 9, 20},  {2025, 11, 1}, {2025, 11, 15},
                             {2025, 12, 13}, {2026, 1, 10}, {2026, 2, 7},
                             {2026, 3, 7},   {2026, 4, 4},  {2026, 5, 2}};
    for (size_t k = 0; k < 6; ++k) {
        test::WritePeriod(visits[k][0], visits[k][1], visits[k][2], 4);
    }
    CCycleBar bar(&frame);
    bar.SetStart(2025, 9, 1);
    for (size_t k = 0; k < std::size(visits); ++k) {
        SCOPED_TRACE(k);
        if (k > 0) {
            Next(bar);
        }
        EXPECT_EQ(StartLabel(bar), Start(visits[k][0], visits[k][1], visits[k][2]));
        EXPECT_EQ(bar.Year(), visits[k][0]);
    }
    Next(bar);  // nowhere to go after the last predicted cycle
    EXPECT_EQ(StartLabel(bar), Start(2026, 5, 2));
    for (size_t k = std::size(visits) - 1; k-- > 0;) {
        SCOPED_TRACE(k);
        Previous(bar);
        EXPECT_EQ(StartLabel(bar), Start(visits[k][0], visits[k][1], visits[k][2]));
        EXPECT_EQ(bar.Year(), visits[k][0]);
    }
    Previous(bar);
    EXPECT_EQ(StartLabel(bar), Start(2025, 9, 20));
    // The 42-day and the 14-day cycles end where the next begins.
    EXPECT_EQ(LabelsOf(bar).at(42), Dated("End Cycle", 2025, 11, 1));
    Next(bar);
    EXPECT_EQ(LabelsOf(bar).at(14), Dated("End Cycle", 2025, 11, 15));
}

TEST_F(CycleBarTest, ACycleShorterThanHalfTheCycleLengthIsAbnormal) {
    Today(2026, 6, 15);
    test::WritePeriod(2026, 3, 2, 3);
    test::WritePeriod(2026, 3, 15, 3);  // 13 days after the first
    test::WritePeriod(2026, 3, 29, 3);  // 14 days after the second
    CCycleBar bar(&frame);
    bar.SetStart(2026, 3, 1);
    EXPECT_EQ(LabelsOf(bar), (Labels{{1, Start(2026, 3, 2)},
                                     {3, Dated("End Menstruation", 2026, 3, 4)},
                                     {13, "This is an abnormal cycle!"}}));
    EXPECT_EQ(Column(bar, 14), std::string(14, '.'));  // only the labels are shown
    Next(bar);
    EXPECT_EQ(LabelsOf(bar).at(14), Dated("End Cycle", 2026, 3, 29));
    EXPECT_EQ(Column(bar, 3), "FFF");  // the fertile days 12 to 17 March, from day 1 on
    AppSettings.CycleLength = 30;      // half of it is 15 now
    bar.Redraw();
    EXPECT_EQ(LabelsOf(bar).at(14), "This is an abnormal cycle!");
}

TEST_F(CycleBarTest, WithoutABleedingAheadThereIsNotEnoughInformation) {
    Today(2026, 6, 15);
    const Labels none = {{1, "There is not enough information!"}};
    {
        CCycleBar empty(&frame);  // no diary at all
        EXPECT_EQ(LabelsOf(empty), none);
        EXPECT_EQ(Column(empty, 31), std::string(31, '.'));
        EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));  // looking makes no diary
    }
    // An old bleeding, too far back for any prediction, with no other within forty days.
    test::WritePeriod(2025, 2, 25, 4);
    CCycleBar bar(&frame);
    bar.SetStart(2025, 1, 1);  // 55 days before it
    EXPECT_EQ(LabelsOf(bar), none);
    Previous(bar);  // nothing before
    EXPECT_EQ(LabelsOf(bar), none);
    Next(bar);
    EXPECT_EQ(LabelsOf(bar),
              (Labels{{1, Start(2025, 2, 25)}, {4, Dated("End Menstruation", 2025, 2, 28)}}));
    // Forty other days follow; the column shows thirty cells in all.
    EXPECT_EQ(Column(bar, 31), std::string(4, 'M') + std::string(26, 'O') + ".");
}

}  // namespace
}  // namespace velmora
