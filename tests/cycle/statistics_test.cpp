#include "cycle/statistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "store/settings.h"
#include "tests/cycle/diary.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

using test::Civil;
using test::CivilDay;

// Lengths as the table writes them: count, mean, median, SD, shortest, longest.
std::string Show(const LengthStats& s) {
    return std::to_string(s.count) + " " + std::to_string(std::lround(s.mean * 1000)) + " " +
           std::to_string(std::lround(s.median * 1000)) + " " +
           std::to_string(std::lround(s.stdDev * 1000)) + " " + std::to_string(s.shortest) + " " +
           std::to_string(s.longest);
}
LengthStats L(int n, double mean, double median, double sd, int lo, int hi) {
    return {n, mean, median, sd, lo, hi};
}

struct Case {
    const char* name;
    std::vector<std::pair<CivilDay, int>> runs;  // bleedings: first day, days
    LengthStats cycleAll, cycleHalf, periodAll, periodHalf;
    std::vector<std::pair<CivilDay, LeftOut>> cyclesLeftOut, periodsLeftOut;  // by start
    std::vector<CivilDay> expected;                                           // predicted starts
    int margin;                                                               // -1: no range
    std::vector<std::pair<int, int>> histogram;
};

// Worked by hand with CycleLength 28 (cycles 14-42 count) and MenstrualDays 5 (2.5-7.5); today
// is 30 June 2024, the engine's window 2 January to 30 June.
// clang-format off
const Case kCases[] = {
    // One day without flow: the engine ran and saw no bleeding.
    {"Empty", {}, {}, {}, {}, {}, {}, {}, {}, -1, {}},
    // Cycles 29 27 28 (over 29 February), periods 4 5 4 5; the first bleeding is on the window's
    // first day, so it and its cycle count in the whole diary only. The engine: (27 + 28) / 2
    // from 26 March; two cycles give no range.
    {"LeapDay", {{Civil(2024, 1, 2), 4}, {Civil(2024, 1, 31), 5}, {Civil(2024, 2, 27), 4},
                 {Civil(2024, 3, 26), 5}},
     L(3, 28, 28, 1, 27, 29), L(2, 27.5, 27.5, 0.707, 27, 28),
     L(4, 4.5, 4.5, 0.577, 4, 5), L(3, 4.667, 5, 0.577, 4, 5), {}, {},
     {Civil(2024, 4, 22), Civil(2024, 5, 19), Civil(2024, 6, 15)}, -1, {{27, 1}, {28, 1}, {29, 1}}},
    // Cycles 28, 29, 28: SD sqrt(1/3) = 0.577 < 1.5, so +-1 around 26 April + 85 / 3 = 28.
    {"RangeOfOneDay", {{Civil(2024, 2, 1), 5}, {Civil(2024, 2, 29), 5}, {Civil(2024, 3, 29), 5},
                       {Civil(2024, 4, 26), 5}},
     L(3, 28.333, 28, 0.577, 28, 29), L(3, 28.333, 28, 0.577, 28, 29),
     L(4, 5, 5, 0, 5, 5), L(4, 5, 5, 0, 5, 5), {}, {},
     {Civil(2024, 5, 24), Civil(2024, 6, 21), Civil(2024, 7, 19)}, 1, {{28, 2}, {29, 1}}},
    // Cycles 27, 24, 24, 24: mean 24.75, SD sqrt(6.75 / 3) = 1.5 exactly, not under 1.5: +-2
    // around 10 May + 99 / 4 = 24.
    {"RangeOfTwoDaysAtSdOneAndAHalf", {{Civil(2024, 2, 1), 5}, {Civil(2024, 2, 28), 5},
                                       {Civil(2024, 3, 23), 5}, {Civil(2024, 4, 16), 5},
                                       {Civil(2024, 5, 10), 5}},
     L(4, 24.75, 24, 1.5, 24, 27), L(4, 24.75, 24, 1.5, 24, 27),
     L(5, 5, 5, 0, 5, 5), L(5, 5, 5, 0, 5, 5), {}, {},
     {Civil(2024, 6, 3), Civil(2024, 6, 27), Civil(2024, 7, 21)}, 2, {{24, 3}, {27, 1}}},
    // Cycles 30 26 25 29 13 (too short) 29 27 32 60 (too long), periods 5 6 9 (too long) 4 5
    // 1 (too short) 5 4 5, the last bleeding still going. Half year (from 2 January): cycles
    // 29 27 32, SD 2.517 -> +-2 around 28 June + 88 / 3 = 29.
    {"Mixed", {{Civil(2023, 10, 1), 5}, {Civil(2023, 10, 31), 6}, {Civil(2023, 11, 26), 9},
               {Civil(2023, 12, 21), 4}, {Civil(2024, 1, 19), 5}, {Civil(2024, 2, 1), 1},
               {Civil(2024, 3, 1), 5}, {Civil(2024, 3, 28), 4}, {Civil(2024, 4, 29), 5},
               {Civil(2024, 6, 28), 3}},
     L(7, 28.286, 29, 2.430, 25, 32), L(3, 29.333, 29, 2.517, 27, 32),
     L(7, 4.857, 5, 0.690, 4, 6), L(4, 4.75, 5, 0.5, 4, 5),
     {{Civil(2024, 1, 19), LeftOut::TooShort}, {Civil(2024, 4, 29), LeftOut::TooLong}},
     {{Civil(2023, 11, 26), LeftOut::TooLong}, {Civil(2024, 2, 1), LeftOut::TooShort}},
     {Civil(2024, 7, 27), Civil(2024, 8, 25), Civil(2024, 9, 23)}, 2,
     {{25, 1}, {26, 1}, {27, 1}, {29, 2}, {30, 1}, {32, 1}}},
};
// clang-format on

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

class StatisticsFixture : public test::StoreTest {
protected:
    StatisticsFixture() { AppSettings = VelmoraSettings(); }
    ~StatisticsFixture() override { AppSettings = VelmoraSettings(); }
};
class StatisticsTest : public StatisticsFixture, public ::testing::WithParamInterface<Case> {};

TEST_P(StatisticsTest, AgreesWithTheHandWorkedFigures) {
    test::ScopedTimeZone tz("Europe/Berlin");
    const Case& c = GetParam();
    test::Diary diary;
    diary[Civil(2024, 5, 5)] = {};  // a day without flow, so the store exists
    for (const auto& [first, days] : c.runs) {
        for (int i = 0; i < days; ++i) {
            diary[first + i].fluid = 1 + i % 3;
        }
    }
    test::WriteDiary(diary);
    ScopedClockPin pin(CTime(2024, 6, 30, 9, 45, 0));
    CycleInfo info;
    info.Analyze();
    const CycleStatistics st = ComputeStatistics(info);

    EXPECT_EQ(Show(st.cycleAll), Show(c.cycleAll));
    EXPECT_EQ(Show(st.cycleHalfYear), Show(c.cycleHalf));
    EXPECT_EQ(Show(st.periodAll), Show(c.periodAll));
    EXPECT_EQ(Show(st.periodHalfYear), Show(c.periodHalf));
    EXPECT_EQ(st.periods.size(), c.runs.size());
    EXPECT_EQ(st.cycles.size(), c.runs.empty() ? 0 : c.runs.size() - 1);
    std::vector<std::pair<CivilDay, LeftOut>> cyclesOut, periodsOut;
    for (const Cycle& cycle : st.cycles) {
        if (cycle.cycleLeftOut != LeftOut::No) {
            cyclesOut.emplace_back(cycle.start, cycle.cycleLeftOut);
        }
        if (cycle.periodLeftOut != LeftOut::No) {
            periodsOut.emplace_back(cycle.start, cycle.periodLeftOut);
        }
    }
    EXPECT_EQ(cyclesOut, c.cyclesLeftOut);
    EXPECT_EQ(periodsOut, c.periodsLeftOut);
    std::vector<PredictedStart> want;
    for (const CivilDay day : c.expected) {
        const int m = std::max(c.margin, 0);
        want.push_back({day, day - m, day + m});
    }
    EXPECT_EQ(st.predicted, want);
    EXPECT_EQ(st.hasRange, c.margin > 0);
    EXPECT_EQ(st.histogram, c.histogram);
    EXPECT_EQ(st.halfYearFirst, Civil(2024, 1, 2));
    EXPECT_EQ(st.halfYearLast, Civil(2024, 6, 30));
}

INSTANTIATE_TEST_SUITE_P(Diaries, StatisticsTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The half year's counted cycles and periods are the ones the cycle engine averages: on
// generated diaries, every day of a year and more as today, the engine's whole-day averages
// are the floors of our means (or the settings' lengths when nothing counts).
TEST_F(StatisticsFixture, HalfYearMeansAreTheEnginesAverages) {
    test::ScopedTimeZone tz("America/New_York");
    std::mt19937 rng(7);
    const CivilDay first = Civil(2023, 1, 1);
    test::WriteDiary(test::GenerateDiary(rng, first, 500));
    int compared = 0;
    for (CivilDay today = first + 150; today < first + 520; today += 5) {
        AppSettings.CycleLength = 23 + static_cast<int>(today % 13);
        AppSettings.MenstrualDays = 3 + static_cast<int>(today % 10);
        ScopedClockPin pin(test::At(today, 20));
        CycleInfo info;
        info.Analyze();
        const CycleStatistics st = ComputeStatistics(info);
        const auto floorOr = [](const LengthStats& s, int usual) {
            return s.count > 0 ? static_cast<int64_t>(std::floor(s.mean)) : usual;
        };
        SCOPED_TRACE(today - first);
        EXPECT_EQ((info.m_start[2] - info.m_start[1]) / kSecondsPerDay,
                  floorOr(st.cycleHalfYear, AppSettings.CycleLength));
        EXPECT_EQ(info.m_avgMenses, floorOr(st.periodHalfYear, AppSettings.MenstrualDays));
        compared += st.cycleHalfYear.count > 1;
    }
    EXPECT_GT(compared, 40);
}

}  // namespace
}  // namespace velmora
