#include "cycle/cycleinfo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/cycle/diary.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

using test::Civil;
using test::CivilDay;
using test::CivilOf;
using test::Diary;

constexpr int kDays = 181;
constexpr int64_t kDay = 86400;

// What the engine should find, worked out from the days alone: the bleedings as intervals
// of window days, the cycles from one bleeding's first day to the next one's.
struct Expected {
    std::array<bool, kDays> bleeding{};
    int lastStart = -1;  // window day of the latest first day of a bleeding, -1 none
    int cycleLength = 0;
    int mensesLength = 0;
};

// Half to one and a half times the usual length, both limits included.
bool Normal(int length, int usual) {
    return 2 * length >= usual && 2 * length <= 3 * usual;
}

Expected Reference(const Diary& diary, CivilDay today, int cycleLength, int menstrualDays) {
    Expected e;
    const CivilDay first = today - (kDays - 1);
    for (auto it = diary.lower_bound(first); it != diary.end() && it->first <= today; ++it) {
        e.bleeding[static_cast<size_t>(it->first - first)] = IsMenstruation(it->second.fluid);
    }
    std::vector<std::pair<int, int>> runs;  // [begin, end)
    for (int i = 0; i < kDays; ++i) {
        if (!e.bleeding[i]) {
            continue;
        }
        if (i == 0 || !e.bleeding[i - 1]) {
            runs.push_back({i, i});
        }
        runs.back().second = i + 1;
    }
    // A window that opens during a bleeding sees neither that bleeding nor the cycle that
    // begins with it whole; a bleeding still going today has no length yet.
    const size_t firstWhole = !runs.empty() && runs[0].first == 0 ? 1 : 0;
    int total = 0, count = 0;
    for (size_t k = firstWhole; k < runs.size(); ++k) {
        const int length = runs[k].second - runs[k].first;
        if (runs[k].second < kDays && Normal(length, menstrualDays)) {
            total += length;
            ++count;
        }
    }
    e.mensesLength = count > 0 ? total / count : menstrualDays;
    total = count = 0;
    for (size_t k = firstWhole; k + 1 < runs.size(); ++k) {
        const int length = runs[k + 1].first - runs[k].first;
        if (Normal(length, cycleLength)) {
            total += length;
            ++count;
        }
    }
    e.cycleLength = count > 0 ? total / count : cycleLength;
    e.lastStart = runs.empty() ? -1 : runs.back().first;
    return e;
}

// Differences between what Analyze left in `info` and what is expected; empty when none.
std::string Differences(const CycleInfo& info, const Expected& e, CivilDay today) {
    std::ostringstream out;
    const LocalTime end = info.m_windowEnd.Local();
    if (CivilOf(info.m_windowEnd) != today || end.hour != 14 || end.minute != 0 ||
        end.second != 0) {
        out << "window does not end today at 14:00; ";
    }
    if (info.m_windowEnd - info.m_windowStart != 180 * kDay + 6 * 3600 ||
        CivilOf(info.m_windowStart) != today - 180) {
        out << "window does not start 180 days and 6 hours earlier; ";
    }
    std::string got, want;
    for (int i = 0; i < kDays; ++i) {
        got += info.m_bleeding[i] ? '1' : '0';
        want += e.bleeding[i] ? '1' : '0';
    }
    if (got != want) {
        out << "flags\n  got  " << got << "\n  want " << want << "\n";
    }
    if (info.m_bleeding[kDays] != 0) {
        out << "flag 181 set; ";
    }
    if (e.lastStart < 0) {
        if (info.m_start[0] != CTime(1990, 1, 1, 0, 0, 0)) {
            out << "start is not 1990-01-01 with no bleeding; ";
        }
    } else if (info.m_start[0] - info.m_windowStart != e.lastStart * kDay ||
               CivilOf(info.m_start[0]) != today - 180 + e.lastStart) {
        out << "start at window day " << (info.m_start[0] - info.m_windowStart) / kDay << ", want "
            << e.lastStart << "; ";
    }
    for (int k = 1; k < 4; ++k) {
        if (info.m_start[k] - info.m_start[k - 1] != e.cycleLength * kDay) {
            out << "prediction " << k << " is " << (info.m_start[k] - info.m_start[k - 1]) / kDay
                << " days on, want " << e.cycleLength << "; ";
        }
    }
    for (int k = 0; k < 4; ++k) {
        if (info.m_start[k] - info.m_ovulation[k] != 17 * kDay) {
            out << "fertile window " << k << " not 17 days before its start; ";
        }
    }
    if (info.m_avgMenses != e.mensesLength) {
        out << "average bleeding " << info.m_avgMenses << ", want " << e.mensesLength << "; ";
    }
    return out.str();
}

void AddBleeding(Diary& diary, CivilDay first, int days, int fluid = 2) {
    for (int i = 0; i < days; ++i) {
        diary[first + i].fluid = fluid;
    }
}

CTime AtHour(CivilDay day, int hour, int minute = 0) {
    const CivilDate d = CivilFromDays(day);
    return CTime(static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day), hour,
                 minute, 0);
}

class CycleTest : public test::StoreTest {
protected:
    CycleTest() { AppSettings = VelmoraSettings(); }
    ~CycleTest() override { AppSettings = VelmoraSettings(); }

    // Pins today, analyses a fresh record and compares it with the reference.
    CycleInfo AnalyzeAndCompare(const Diary& diary, CivilDay today, int hour = 10) {
        ScopedClockPin pin(AtHour(today, hour, 17));
        CycleInfo info;
        info.m_bleeding.fill(1);  // left from an earlier analysis
        info.Analyze();
        const Expected e =
            Reference(diary, today, AppSettings.CycleLength, AppSettings.MenstrualDays);
        EXPECT_EQ(Differences(info, e, today), "");
        return info;
    }
};

// --- Many generated diaries against the reference ---

struct GeneratedCase {
    const char* zone;
    unsigned seed;
};

class GeneratedDiaries : public CycleTest, public ::testing::WithParamInterface<GeneratedCase> {};

TEST_P(GeneratedDiaries, AnalyzeAgreesWithTheDaysThemselves) {
    test::ScopedTimeZone tz(GetParam().zone);
    std::mt19937 rng(GetParam().seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    constexpr int kSpan = 620;
    const CivilDay first = Civil(2023, 1, 1) + pick(0, 300);
    const Diary diary = test::GenerateDiary(rng, first, kSpan);
    test::WriteDiary(diary);

    constexpr int kCycleLengths[] = {kMinCycleLength, 28, kMaxCycleLength};
    constexpr int kMenstrualDays[] = {kMinMenstrualDays, 4, 5, kMaxMenstrualDays};
    int failures = 0;
    int windows = 0;
    CycleInfo info;  // one record, analysed again and again as the days go by
    // From before the first record until long after the last one; each window slides over
    // bleedings that touch its first day and today, and has records after today.
    for (CivilDay today = first - 5; today < first + kSpan + 185 && failures < 3;
         today += pick(1, 4)) {
        AppSettings.CycleLength =
            pick(0, 3) > 0 ? kCycleLengths[pick(0, 2)] : pick(kMinCycleLength, kMaxCycleLength);
        AppSettings.MenstrualDays = pick(0, 3) > 0 ? kMenstrualDays[pick(0, 3)]
                                                   : pick(kMinMenstrualDays, kMaxMenstrualDays);
        ScopedClockPin pin(AtHour(today, pick(0, 23), pick(0, 59)));
        info.Analyze();
        const Expected e =
            Reference(diary, today, AppSettings.CycleLength, AppSettings.MenstrualDays);
        const std::string diff = Differences(info, e, today);
        if (!diff.empty()) {
            const CivilDate d = CivilFromDays(today);
            ADD_FAILURE() << "today " << d.year << "-" << d.month << "-" << d.day
                          << ", CycleLength " << AppSettings.CycleLength << ", MenstrualDays "
                          << AppSettings.MenstrualDays << ": " << diff;
            ++failures;
        }
        ++windows;
    }
    EXPECT_GT(windows, 250);
    EXPECT_EQ(boxes.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Zones, GeneratedDiaries,
                         ::testing::Values(GeneratedCase{"Europe/Berlin", 1},
                                           GeneratedCase{"UTC", 2},
                                           GeneratedCase{"America/New_York", 3},
                                           GeneratedCase{"Australia/Lord_Howe", 4},
                                           GeneratedCase{"Europe/Berlin", 5}),
                         [](const auto& info) { return "Seed" + std::to_string(info.param.seed); });

// --- Worked examples: these pin the reference down as well as the engine ---

TEST_F(CycleTest, OneCountedCycleOf28DaysPredictsStartsEvery28Days) {
    test::ScopedTimeZone tz("Europe/Moscow");
    const CivilDay today = Civil(2025, 6, 30);
    Diary diary;
    AddBleeding(diary, today - 30, 5);
    AddBleeding(diary, today - 2, 3);  // 28 days later, still going today
    test::WriteDiary(diary);
    const CycleInfo info = AnalyzeAndCompare(diary, today);
    EXPECT_EQ(CivilOf(info.m_start[0]), today - 2);
    EXPECT_EQ(info.m_start[0].GetHour(), 8);
    EXPECT_EQ(CivilOf(info.m_start[1]), today + 26);
    EXPECT_EQ(CivilOf(info.m_start[3]), today + 82);
    EXPECT_EQ(CivilOf(info.m_ovulation[1]), today + 9);
    EXPECT_EQ(info.m_avgMenses, 5);  // the bleeding still going is not in the average
}

TEST_F(CycleTest, LengthsOnTheBoundsCountAndBeyondThemDoNot) {
    test::ScopedTimeZone tz("Europe/Moscow");
    const CivilDay today = Civil(2025, 8, 15);
    const CivilDay s = today - 170;
    Diary diary;
    // Cycles of 43 (too long), 42, 13 (too short) and 20 days; bleedings of 3, 7, 8 (too
    // long), 2 (too short) and 7 days, the last one over before today.
    AddBleeding(diary, s, 3, 1);
    AddBleeding(diary, s + 43, 7, 3);
    AddBleeding(diary, s + 85, 8);
    AddBleeding(diary, s + 98, 2);
    AddBleeding(diary, s + 118, 7);
    test::WriteDiary(diary);
    const CycleInfo info = AnalyzeAndCompare(diary, today);
    EXPECT_EQ(CivilOf(info.m_start[0]), s + 118);
    EXPECT_EQ(CivilOf(info.m_start[1]), s + 118 + 31);  // (42 + 20) / 2
    EXPECT_EQ(info.m_avgMenses, 5);                     // (3 + 7 + 7) / 3
}

TEST_F(CycleTest, AWindowOpeningDuringABleedingCountsNeitherItNorItsCycle) {
    test::ScopedTimeZone tz("Europe/Moscow");
    const CivilDay today = Civil(2025, 3, 1);
    const CivilDay first = today - 180;
    Diary diary;
    AddBleeding(diary, first - 2, 5);  // three days of it inside the window
    AddBleeding(diary, first + 25, 6);
    AddBleeding(diary, first + 55, 6);
    test::WriteDiary(diary);
    const CycleInfo info = AnalyzeAndCompare(diary, today);
    EXPECT_EQ(info.m_start[1] - info.m_start[0], 30 * kDay);  // not (25 + 30) / 2
    EXPECT_EQ(info.m_avgMenses, 6);                           // not (3 + 6 + 6) / 3
}

TEST_F(CycleTest, WithoutABleedingInTheWindowTheSettingsPredictFrom1990) {
    test::ScopedTimeZone tz("UTC");
    AppSettings.CycleLength = 31;
    AppSettings.MenstrualDays = 4;
    const CivilDay today = Civil(2025, 3, 1);
    Diary diary;
    AddBleeding(diary, today - 186, 5);  // over before the window opens
    AddBleeding(diary, today + 1, 5);    // entered ahead of time
    for (int fluid = 4; fluid <= 6; ++fluid) {
        AddBleeding(diary, today - 100 + 10 * fluid, 5, fluid);
    }
    diary[today - 3].fluid = 0;
    test::WriteDiary(diary);
    const CycleInfo info = AnalyzeAndCompare(diary, today);
    EXPECT_EQ(info.m_start[0], CTime(1990, 1, 1, 0, 0, 0));
    EXPECT_EQ(info.m_start[2], CTime(1990, 3, 4, 0, 0, 0));
    EXPECT_EQ(info.m_avgMenses, 4);
}

TEST_F(CycleTest, TheWindowHoldsItsFirstAndLastMomentAndNothingBeyond) {
    test::ScopedTimeZone tz("Europe/Moscow");
    const CivilDay today = Civil(2025, 5, 20);
    const CivilDay first = today - 180;
    // Saves a bleeding day stored at `when` (replacing the record of that date).
    auto save = [](CTime when) {
        CVelmoraMFCDoc doc;
        doc.OpenDay(when);
        doc.m_date = when;
        doc.m_fluid = 2;
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    };
    auto analyze = [&] {
        ScopedClockPin pin(AtHour(today, 23, 59));
        CycleInfo info;
        info.Analyze();
        return info.m_bleeding;
    };
    save(AtHour(first - 1, 12));
    save(AtHour(first, 7));   // an hour before the window opens
    save(AtHour(today, 15));  // an hour after it closes
    save(AtHour(today + 1, 12));
    EXPECT_EQ(analyze(), (std::array<uint8_t, kBleedingFlags>{}));

    save(AtHour(first, 8));   // the window's first moment
    save(AtHour(today, 14));  // and its last
    std::array<uint8_t, kBleedingFlags> want{};
    want[0] = 1;
    want[180] = 1;
    EXPECT_EQ(analyze(), want);
}

// --- Daylight saving time: both switch days inside a window, and as today ---

TEST_F(CycleTest, DayIndexesHoldAcrossBothSwitchDays) {
    test::ScopedTimeZone tz("Europe/Berlin");
    // 2024-10-27 (back to standard time) and 2025-03-30 (forward to summer time).
    const CivilDay autumn = Civil(2024, 10, 27);
    const CivilDay spring = Civil(2025, 3, 30);
    Diary diary;
    AddBleeding(diary, autumn - 2, 5);
    AddBleeding(diary, spring - 2, 5);
    test::WriteDiary(diary);
    // Windows holding both switches, one of them, and with either switch day as today or
    // as the window's first day.
    const CivilDay todays[] = {spring + 6,   autumn - 1,   autumn,      autumn + 1,
                               autumn + 2,   spring - 1,   spring,      spring + 1,
                               autumn + 180, spring + 180, spring + 182};
    for (const CivilDay today : todays) {
        SCOPED_TRACE(today - autumn);
        for (const int hour : {0, 13, 23}) {
            // The window, flags, starts and predictions against the calendar dates of the
            // diary; the window's first moment moves with the clock change between its ends.
            AnalyzeAndCompare(diary, today, hour);
        }
    }
}

}  // namespace
}  // namespace velmora
