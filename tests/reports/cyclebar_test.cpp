#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"
#include "platform/datapaths.h"
#include "reports/cyclebar.h"
#include "tests/app/apptest.h"
#include "tests/reports/cyclereporttest.h"
#include "tests/support/helprecorder.h"
#include "ui/kit/commandbar.h"

namespace velmora {
namespace {

using test::CycleReportTest;

class CycleBarTest : public CycleReportTest {
protected:
    static std::map<int, std::string> Labels(const CCycleBar& bar) {
        std::map<int, std::string> out;
        for (const CCycleBar::Label& l : bar.Labels()) {
            out[l.position] = l.text.toStdString();
        }
        return out;
    }
    static std::string StartLabel(const CCycleBar& bar) {
        const auto labels = Labels(bar);
        const auto it = labels.find(1);
        return it == labels.end() ? std::string() : it->second;
    }

    // What the window shows in the column at cycle days 1..count: M menstruation, F
    // fertile, O other day, '.' no cell.
    static std::string Column(CCycleBar& bar, int count) {
        const test::SurfaceView window(bar.Screen().WindowSurface());
        static const auto menses = test::Decoded(kPicMarker1, 14, 8);
        static const auto fertile = test::Decoded(kPicMarker2, 14, 8);
        static const auto other = test::Decoded(kPicMarker3, 14, 8);
        std::string out;
        for (int i = 1; i <= count; ++i) {
            const int y = 14 + 8 * (i - 1);
            if (test::Shows(window, *menses, 15, y, false)) {
                out += 'M';
            } else if (test::Shows(window, *fertile, 15, y, false)) {
                out += 'F';
            } else if (test::Shows(window, *other, 15, y, false)) {
                out += 'O';
            } else {
                out += '.';
            }
        }
        return out;
    }
    // The column of a cycle of `length` days with `bleeding` days of menstruation, the six
    // fertile days from day `fertileFrom` on (0: none), `count` cells looked at.
    static std::string Expected(int bleeding, int length, int fertileFrom, int count) {
        std::string out;
        for (int i = 1; i <= count; ++i) {
            if (i > length) {
                out += '.';
            } else if (fertileFrom > 0 && i >= fertileFrom && i < fertileFrom + 6) {
                out += 'F';
            } else {
                out += i <= bleeding ? 'M' : 'O';
            }
        }
        return out;
    }

    void Next(CCycleBar& bar) { bar.CommandBar()->Trigger(kCmdCycleBarNext); }
    void Previous(CCycleBar& bar) { bar.CommandBar()->Trigger(kCmdCycleBarPrevious); }
};

TEST_F(CycleBarTest, ABleedingEndingOnTheLastDayOfAMonthShowsThatDayAndTheWholeCycle) {
    Today(2027, 1, 15);
    Period(2026, 11, 26, 5);
    Period(2026, 12, 24, 5);
    CCycleBar bar(&frame);
    bar.SetStart(2026, 11, 1);
    // 26 November + 28 days = 24 December; the fertile days begin 17 days before it.
    const std::map<int, std::string> expected = {
        {1, Dated("Start Menstruation", 2026, 11, 26)},
        {5, Dated("End Menstruation", 2026, 11, 30)},
        {12, Dated("Start Ovulation", 2026, 12, 7)},
        {17, Dated("End Ovulation", 2026, 12, 12)},
        {28, Dated("End Cycle", 2026, 12, 24)},
    };
    EXPECT_EQ(Labels(bar), expected);
    // Cells stand by their days: the fertile ones by 7 to 12 December.
    EXPECT_EQ(Column(bar, 30), Expected(5, 28, 12, 30));
    EXPECT_EQ(bar.Year(), 2026);
}

TEST_F(CycleBarTest, ACycleBegunInLateDecemberShowsWithThatYear) {
    Today(2027, 1, 20);
    Period(2026, 12, 29, 5);
    // From the menu: the first day of this month, inside the bleeding.
    CCycleBar bar(&frame);
    EXPECT_EQ(bar.Year(), 2027);
    const auto labels = Labels(bar);
    EXPECT_EQ(labels.at(1), Dated("Start Menstruation", 2026, 12, 29));
    EXPECT_EQ(labels.at(5), Dated("End Menstruation", 2027, 1, 2));
    // One period only: the next is predicted after the CycleLength setting, 28 days.
    EXPECT_EQ(labels.at(28), Dated("End Cycle", 2027, 1, 26));
    EXPECT_EQ(labels.at(12), Dated("Start Ovulation", 2027, 1, 9));
    EXPECT_EQ(Column(bar, 30), Expected(5, 28, 12, 30));
}

TEST_F(CycleBarTest, NextAndPreviousVisitEveryCycleInOrderAcrossTheYears) {
    Today(2026, 6, 15);
    // Cycles of 42, 14, 28, 28 and 28 days; the engine predicts three more from 7 February.
    const int starts[][3] = {{2025, 9, 20},  {2025, 11, 1}, {2025, 11, 15},
                             {2025, 12, 13}, {2026, 1, 10}, {2026, 2, 7}};
    for (const auto& s : starts) {
        Period(s[0], s[1], s[2], 4);
    }
    const int visits[][3] = {{2025, 9, 20},  {2025, 11, 1}, {2025, 11, 15},
                             {2025, 12, 13}, {2026, 1, 10}, {2026, 2, 7},
                             {2026, 3, 7},   {2026, 4, 4},  {2026, 5, 2}};
    CCycleBar bar(&frame);
    bar.SetStart(2025, 9, 1);
    for (size_t k = 0; k < std::size(visits); ++k) {
        if (k > 0) {
            Next(bar);
        }
        const auto& v = visits[k];
        EXPECT_EQ(StartLabel(bar), Dated("Start Menstruation", v[0], v[1], v[2])) << k;
        EXPECT_EQ(bar.Year(), v[0]) << k;
    }
    // The 42-day and the 14-day cycles end where the next begins.
    bar.SetStart(2025, 9, 20);
    EXPECT_EQ(Labels(bar).at(42), Dated("End Cycle", 2025, 11, 1));
    Next(bar);
    EXPECT_EQ(Labels(bar).at(14), Dated("End Cycle", 2025, 11, 15));

    // From the last predicted cycle Next has nowhere to go; Previous walks all the way back.
    bar.SetStart(2026, 5, 2);
    Next(bar);
    EXPECT_EQ(StartLabel(bar), Dated("Start Menstruation", 2026, 5, 2));
    for (size_t k = std::size(visits) - 1; k-- > 0;) {
        Previous(bar);
        const auto& v = visits[k];
        EXPECT_EQ(StartLabel(bar), Dated("Start Menstruation", v[0], v[1], v[2])) << k;
        EXPECT_EQ(bar.Year(), v[0]) << k;
    }
    Previous(bar);
    EXPECT_EQ(StartLabel(bar), Dated("Start Menstruation", 2025, 9, 20));
}

TEST_F(CycleBarTest, InTheCurrentYearNextShowsEarlyNextYearAndThe29thOfFebruary) {
    Today(2027, 12, 10);
    Period(2027, 11, 7, 5);
    Period(2027, 12, 5, 5);
    // Predicted: 2 January, 30 January and 27 February 2028, five days each.
    CCycleBar bar(&frame);
    bar.SetStart(2027, 12, 5);
    Next(bar);
    EXPECT_EQ(StartLabel(bar), Dated("Start Menstruation", 2028, 1, 2));
    EXPECT_EQ(bar.Year(), 2027);  // the current year keeps its grid
    Next(bar);
    Next(bar);
    EXPECT_EQ(bar.Year(), 2027);
    const auto labels = Labels(bar);
    EXPECT_EQ(labels.at(1), Dated("Start Menstruation", 2028, 2, 27));
    // 27, 28 and 29 February, 1 and 2 March.
    EXPECT_EQ(labels.at(5), Dated("End Menstruation", 2028, 3, 2));
    // Nothing follows before the grid ends in March: only the bleeding is shown.
    EXPECT_EQ(labels.size(), 2u);
    EXPECT_EQ(Column(bar, 8), "MMMMM...");
    Next(bar);
    EXPECT_EQ(StartLabel(bar), Dated("Start Menstruation", 2028, 2, 27));
    EXPECT_EQ(bar.Year(), 2027);
}

TEST_F(CycleBarTest, RecordedBleedingOverThe29thOfFebruaryCountsItsDays) {
    Today(2024, 5, 1);
    Period(2024, 2, 27, 5);
    Period(2024, 3, 26, 5);
    CCycleBar bar(&frame);
    bar.SetStart(2024, 2, 1);
    const std::map<int, std::string> expected = {
        {1, Dated("Start Menstruation", 2024, 2, 27)}, {5, Dated("End Menstruation", 2024, 3, 2)},
        {12, Dated("Start Ovulation", 2024, 3, 9)},    {17, Dated("End Ovulation", 2024, 3, 14)},
        {28, Dated("End Cycle", 2024, 3, 26)},
    };
    EXPECT_EQ(Labels(bar), expected);

    Today(2028, 5, 1);
    Period(2028, 2, 29, 3);
    CCycleBar leap(&frame);
    leap.SetStart(2028, 2, 1);
    EXPECT_EQ(StartLabel(leap), Dated("Start Menstruation", 2028, 2, 29));
    EXPECT_EQ(Labels(leap).at(3), Dated("End Menstruation", 2028, 3, 2));
}

TEST_F(CycleBarTest, ACycleShorterThanHalfTheCycleLengthIsAbnormal) {
    Today(2026, 6, 15);
    Period(2026, 3, 2, 3);
    Period(2026, 3, 15, 3);  // 13 days after the first
    Period(2026, 3, 29, 3);  // 14 days after the second
    CCycleBar bar(&frame);
    bar.SetStart(2026, 3, 1);
    std::map<int, std::string> expected = {
        {1, Dated("Start Menstruation", 2026, 3, 2)},
        {3, Dated("End Menstruation", 2026, 3, 4)},
        {13, "This is an abnormal cycle!"},
    };
    EXPECT_EQ(Labels(bar), expected);
    EXPECT_EQ(Column(bar, 14), std::string(14, '.'));  // only the labels are shown

    Next(bar);
    auto labels = Labels(bar);
    EXPECT_EQ(labels.at(14), Dated("End Cycle", 2026, 3, 29));
    EXPECT_EQ(Column(bar, 3), "FFF");  // the fertile days 12 to 17 March, from day 1 on

    AppSettings.CycleLength = 30;  // half of it is 15 now
    bar.Redraw();
    labels = Labels(bar);
    EXPECT_EQ(labels.at(14), "This is an abnormal cycle!");
}

TEST_F(CycleBarTest, BleedingsOfOneOrTwoDaysHaveNoEndLabel) {
    AppSettings.MenstrualDays = 3;
    Today(2026, 7, 15);
    Period(2026, 4, 1, 1);
    Period(2026, 4, 29, 2);
    Period(2026, 5, 27, 3);
    CCycleBar bar(&frame);
    bar.SetStart(2026, 4, 1);
    auto labels = Labels(bar);
    EXPECT_EQ(labels.at(1), Dated("Start Menstruation", 2026, 4, 1));
    EXPECT_EQ(labels.at(28), Dated("End Cycle", 2026, 4, 29));
    for (const auto& [position, text] : labels) {
        EXPECT_EQ(text.find("End Menstruation"), std::string::npos) << text;
    }
    EXPECT_EQ(Column(bar, 2), "MO");

    Next(bar);
    labels = Labels(bar);
    EXPECT_EQ(labels.at(1), Dated("Start Menstruation", 2026, 4, 29));
    EXPECT_EQ(labels.count(2), 0u);
    EXPECT_EQ(Column(bar, 3), "MMO");

    Next(bar);
    EXPECT_EQ(Labels(bar).at(3), Dated("End Menstruation", 2026, 5, 29));
}

TEST_F(CycleBarTest, WithoutABleedingAheadThereIsNotEnoughInformation) {
    Today(2026, 6, 15);
    {
        CCycleBar empty(&frame);  // no diary at all
        EXPECT_EQ(Labels(empty),
                  (std::map<int, std::string>{{1, "There is not enough information!"}}));
        EXPECT_EQ(Column(empty, 31), std::string(31, '.'));
        EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));  // looking makes no diary
    }
    // An old bleeding, too far back for any prediction, with no other within forty days.
    Period(2025, 2, 25, 4);
    CCycleBar bar(&frame);
    bar.SetStart(2025, 1, 1);  // 55 days before it
    EXPECT_EQ(Labels(bar), (std::map<int, std::string>{{1, "There is not enough information!"}}));
    Previous(bar);  // nothing before
    EXPECT_EQ(StartLabel(bar), "There is not enough information!");
    Next(bar);
    const std::map<int, std::string> alone = {
        {1, Dated("Start Menstruation", 2025, 2, 25)},
        {4, Dated("End Menstruation", 2025, 2, 28)},
    };
    EXPECT_EQ(Labels(bar), alone);
    // Forty other days follow; the column shows thirty cells in all.
    EXPECT_EQ(Column(bar, 31), std::string(4, 'M') + std::string(26, 'O') + ".");
}

TEST_F(CycleBarTest, TheSkinPaintsTheBackgroundAndHelpOpensPageFour) {
    Today(2026, 6, 15);
    const auto floral = test::Decoded(224, kScreenWidth, kScreenHeight);
    const auto animals = test::Decoded(267, kScreenWidth, kScreenHeight);
    {
        CCycleBar bar(&frame);
        const test::SurfaceView window(bar.Screen().WindowSurface());
        EXPECT_TRUE(test::ShowsRows(window, *floral, 0, 0, 0, 9));  // above every label
        EXPECT_FALSE(test::ShowsRows(window, *animals, 0, 0, 0, 9));
    }
    AppSettings.Skin = 0;
    CCycleBar bar(&frame);
    const test::SurfaceView window(bar.Screen().WindowSurface());
    EXPECT_TRUE(test::ShowsRows(window, *animals, 0, 0, 0, 9));

    test::HelpRecorder help;
    frame.SetTitle("Cycle Bar");
    bar.CommandBar()->Trigger(kCmdCycleBarHelp);
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0], (test::HelpRecorder::Call{1, 4, "Help"}));
    EXPECT_EQ(frame.Title(), "Cycle Bar");
}

TEST_F(CycleBarTest, ItsToolButtonsStepAndClosingFromAnotherScreenRestoresItsTitle) {
    Today(2026, 6, 15);
    Period(2026, 4, 4, 4);
    Period(2026, 5, 2, 4);
    QueueModalHook([](QDialog& dialog) {
        auto& bar = dynamic_cast<CCycleBar&>(dialog);
        EXPECT_EQ(dialog.objectName(), "141");
        EXPECT_EQ(dialog.windowTitle(), "Cycle Bar");
        EXPECT_EQ(StartLabel(bar), Dated("Start Menstruation", 2026, 5, 2));
        ASSERT_TRUE(test::Press(&dialog, kCmdCycleBarPrevious));
        EXPECT_EQ(StartLabel(bar), Dated("Start Menstruation", 2026, 4, 4));
        ASSERT_TRUE(test::Press(&dialog, kCmdCycleBarNext));
        EXPECT_EQ(StartLabel(bar), Dated("Start Menstruation", 2026, 5, 2));
        dialog.reject();
    });
    RunCycleBar(&frame, nullptr, 2026, 5, 2, "Cycle History");
    EXPECT_EQ(frame.titles, (QStringList{"Cycle Bar", "Cycle History"}));
    EXPECT_EQ(PendingModalHooks(), 0);
}

}  // namespace
}  // namespace velmora
