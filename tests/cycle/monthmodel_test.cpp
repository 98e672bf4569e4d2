#include "cycle/monthmodel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cycle/cycleinfo.h"
#include "platform/clock.h"
#include "platform/datapaths.h"
#include "platform/objectstore.h"
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
using test::DiaryDay;

CTime At(CivilDay day, int hour) {
    const CivilDate d = CivilFromDays(day);
    return CTime(static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day), hour,
                 0, 0);
}

// The marks of a month worked out day by day from the diary and the prediction: each entry
// is a calendar date, and each rule asks what holds on that date.
DayMarks ReferenceMonth(const Diary& diary, int month, int year, const CycleInfo& info) {
    const CivilDay first = Civil(year, month, 1);
    const CivilDay next = month == 12 ? Civil(year + 1, 1, 1) : Civil(year, month + 1, 1);
    const CivilDay seenUntil = next + 16;  // the 17th of the next month
    auto fluidOn = [&](CivilDay day) {
        const auto it = diary.find(day);
        return day <= seenUntil && it != diary.end() ? it->second.fluid : 0;
    };
    auto flowing = [&](CivilDay day) { return fluidOn(day) >= 1 && fluidOn(day) <= 4; };
    // Predicted bleedings and fertile windows that begin in or before the month shown.
    std::vector<std::pair<CivilDay, CivilDay>> predicted, fertile;
    for (int k = 0; k < 4; ++k) {
        const CivilDay s = CivilOf(info.m_start[k]);
        if (info.m_avgMenses > 0 && s < next) {
            predicted.push_back({s, s + info.m_avgMenses - 1});
        }
        const CivilDay f = CivilOf(info.m_ovulation[k]);
        if (f < next) {
            fertile.push_back({f, f + 5});
        }
    }
    DayMarks out{};
    for (int j = 0; j < 48; ++j) {
        const CivilDay x = first + j;
        DayMark& m = out[static_cast<size_t>(j)];
        const auto it = diary.find(x);
        if (it != diary.end() && x <= seenUntil) {
            const DiaryDay& d = it->second;
            if (x < next) {
                m.events = static_cast<uint8_t>((d.alarm ? 0x80 : 0) | (d.sport ? 0x40 : 0) |
                                                (d.sex ? 0x20 : 0) | (d.bloating ? 0x10 : 0) |
                                                (d.doctor ? 0x08 : 0) | (d.protection ? 0x04 : 0) |
                                                (d.pms ? 0x02 : 0) | (d.cramps ? 0x01 : 0));
                m.cycle |=
                    (d.ache ? 0x01 : 0) | (d.note ? 0x40 : 0) | (d.diarySlot >= 0 ? 0x80 : 0);
            }
            constexpr uint16_t kFlowBits[] = {0, 0x08, 0x04, 0x02, 0x20, 0, 0};
            m.cycle |= kFlowBits[d.fluid];
        }
        // Fertile: a bleeding or spotting begins 12 to 17 days later, on a day the model sees.
        for (CivilDay s = x + 12; s <= x + 17; ++s) {
            if (flowing(s) && !flowing(s - 1)) {
                m.cycle |= 0x10;
            }
        }
        for (const auto& [a, b] : predicted) {
            if (x >= a && x <= b) {
                m.cycle |= 0x100;
            }
        }
        for (const auto& [a, b] : fertile) {
            if (x >= a && x <= b) {
                m.cycle |= 0x10;
            }
        }
    }
    return out;
}

std::string Differences(const DayMarks& got, const DayMarks& want) {
    std::ostringstream out;
    for (size_t j = 0; j < got.size(); ++j) {
        if (!(got[j] == want[j])) {
            out << "entry " << j << ": events " << std::hex << int{got[j].events} << " want "
                << int{want[j].events} << ", cycle " << got[j].cycle << " want " << want[j].cycle
                << std::dec << "\n";
        }
    }
    return out.str();
}

// Entries that carry `bit` in their cycle mask.
std::vector<int> With(const DayMarks& marks, uint16_t bit) {
    std::vector<int> out;
    for (int j = 0; j < 48; ++j) {
        if (marks[static_cast<size_t>(j)].cycle & bit) {
            out.push_back(j);
        }
    }
    return out;
}

std::vector<int> Span(int first, int last) {
    std::vector<int> out;
    for (int j = first; j <= last; ++j) {
        out.push_back(j);
    }
    return out;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    std::sort(a.begin(), a.end());
    a.erase(std::unique(a.begin(), a.end()), a.end());
    return a;
}

using Guard = std::array<DayMark, 8>;
struct Guarded {
    Guard before{};
    DayMarks marks{};
    Guard after{};
};

class MonthTest : public test::StoreTest {
protected:
    MonthTest() : tz("Europe/Berlin") { AppSettings = VelmoraSettings(); }
    ~MonthTest() override { AppSettings = VelmoraSettings(); }

    // Clears and loads a month through a document of the calendar's kind, with guards on
    // both sides of the entries to catch a write outside them.
    DayMarks Load(int month, int year, const CycleInfo& info) {
        Guarded g;
        g.marks.fill(DayMark{0xAA, 0xAAAA});
        ClearMonthModel(g.marks);
        LoadMonthModel(g.marks, view, month, year, info);
        EXPECT_EQ(g.before, Guard{});
        EXPECT_EQ(g.after, Guard{});
        return g.marks;
    }

    test::ScopedTimeZone tz;
    CVelmoraMFCDoc view;
};

// --- Generated diaries against the reference ---

class GeneratedMonths : public MonthTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(GeneratedMonths, LoadMonthModelAgreesWithTheDaysThemselves) {
    std::mt19937 rng(GetParam());
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const CivilDay first = Civil(2023, 9, 1) + pick(0, 120);
    constexpr int kSpan = 420;
    const Diary diary = test::GenerateDiary(rng, first, kSpan, true);
    test::WriteDiary(diary);

    int failures = 0;
    auto check = [&](int month, int year, const CycleInfo& info, const char* what) {
        const std::string diff =
            Differences(Load(month, year, info), ReferenceMonth(diary, month, year, info));
        if (!diff.empty() && failures++ < 3) {
            ADD_FAILURE() << what << " " << year << "-" << month << ":\n" << diff;
        }
    };
    // The calendar's way: analyse today, then show the months around it.
    for (int t = 0; t < 5; ++t) {
        const CivilDay today = first + pick(60, kSpan + 40);
        AppSettings.CycleLength = pick(kMinCycleLength, kMaxCycleLength);
        AppSettings.MenstrualDays = pick(kMinMenstrualDays, kMaxMenstrualDays);
        ScopedClockPin pin(At(today, 12));
        TheCycleInfo = CycleInfo();
        TheCycleInfo.Analyze();
        const CivilDate d = CivilFromDays(today);
        for (int back = -8; back <= 4; ++back) {
            const int index = static_cast<int>(d.year) * 12 + static_cast<int>(d.month) - 1 + back;
            check(index % 12 + 1, index / 12, TheCycleInfo, "analysed");
        }
    }
    // Predictions made by hand: starts at any hour of the working day, bleedings of 1 to 18
    // days, fertile windows anywhere near them.
    for (int t = 0; t < 40; ++t) {
        CycleInfo info;
        const CivilDay base = first + pick(0, kSpan);
        for (int k = 0; k < 4; ++k) {
            info.m_start[k] = At(base + 28 * k + pick(-6, 6), pick(3, 20));
            info.m_ovulation[k] = At(base + 28 * k - pick(10, 24), pick(3, 20));
        }
        info.m_avgMenses = pick(1, 18);
        const CivilDate d = CivilFromDays(base);
        for (int ahead = 0; ahead <= 3; ++ahead) {
            const int index = static_cast<int>(d.year) * 12 + static_cast<int>(d.month) - 1 + ahead;
            check(index % 12 + 1, index / 12, info, "by hand");
        }
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GeneratedMonths, ::testing::Values(11u, 12u, 13u));

// --- Worked examples ---

TEST_F(MonthTest, RecordedBleedingsMarkTheirFertileDaysFromEitherMonth) {
    Diary diary;
    diary[Civil(2025, 6, 10)].fluid = 2;  // starts too early to reach back into June
    diary[Civil(2025, 6, 11)].fluid = 2;
    diary[Civil(2025, 6, 14)].fluid = 4;  // spotting on entry 13: its window begins in May
    diary[Civil(2025, 6, 20)].fluid = 2;  // marks the 3rd to the 8th
    diary[Civil(2025, 6, 21)].fluid = 3;
    diary[Civil(2025, 7, 5)].fluid = 1;  // entry 34 of 30-day June: marks entries 17 to 22
    diary[Civil(2025, 7, 6)].fluid = 1;
    diary[Civil(2025, 7, 14)].fluid = 4;  // spotting starts count too: entries 26 to 31
    diary[Civil(2025, 7, 18)].fluid = 2;  // beyond the 17th: not seen
    test::WriteDiary(diary);
    const DayMarks june = Load(6, 2025, CycleInfo());
    EXPECT_EQ(With(june, kCycleFertile),
              Join(Join(Span(0, 1), Span(2, 7)), Join(Span(17, 22), Span(26, 31))));
    EXPECT_EQ(With(june, kCycleNormal), (std::vector<int>{9, 10, 19}));
    EXPECT_EQ(With(june, kCycleHeavy), (std::vector<int>{20}));
    EXPECT_EQ(With(june, kCycleLight), (std::vector<int>{34, 35}));
    EXPECT_EQ(With(june, kCycleSpotting), (std::vector<int>{13, 43}));
    EXPECT_EQ(GetCellClass(june[2]), kCellFertile);
    EXPECT_EQ(GetCellClass(june[19]), kCellFlow);
    EXPECT_EQ(GetFlowClass(june[20]), 3);
    EXPECT_EQ(GetCellClass(june[8]), kCellOrdinary);
}

TEST_F(MonthTest, PredictionsCrossMonthEndsBothWays) {
    Diary diary;
    diary[Civil(2025, 1, 31)].fluid = 1;  // recorded and predicted at once
    test::WriteDiary(diary);
    CycleInfo info;
    info.m_avgMenses = 5;
    info.m_start = {At(Civil(2024, 12, 30), 8), At(Civil(2025, 1, 30), 8),
                    At(Civil(2025, 2, 27), 8), At(Civil(2025, 3, 27), 8)};
    info.m_ovulation = {At(Civil(2024, 12, 13), 8), At(Civil(2025, 1, 13), 8),
                        At(Civil(2025, 2, 10), 8), At(Civil(2025, 1, 29), 8)};

    const DayMarks january = Load(1, 2025, info);
    // From 30 December: the 1st to the 3rd; from the 30th: the 30th, 31st and three
    // entries of February that are never drawn.
    EXPECT_EQ(With(january, kCyclePredicted), Join(Span(0, 2), Span(29, 33)));
    // Fertile from the 13th, from the recorded start on the 31st, and from the 29th.
    EXPECT_EQ(With(january, kCycleFertile), Join(Span(12, 18), Span(28, 33)));
    EXPECT_EQ(january[30].cycle, kCycleLight | kCyclePredicted | kCycleFertile);
    EXPECT_EQ(GetFlowClass(january[30]), 1);
    EXPECT_EQ(GetFlowClass(january[29]), kFlowPredicted);
    EXPECT_EQ(GetCellClass(january[29]), kCellFlow);

    const DayMarks february = Load(2, 2025, info);
    // The bleeding from 30 January goes on to the 3rd; the one from the 27th runs into March.
    EXPECT_EQ(With(february, kCyclePredicted), Join(Span(0, 2), Span(26, 30)));
    // The window from 29 January ends on the 3rd; the one from the 10th is whole.
    EXPECT_EQ(With(february, kCycleFertile), Join(Span(0, 2), Span(9, 14)));
}

TEST_F(MonthTest, FebruaryHas29EntriesInLeapYearsAnd28Otherwise) {
    const int years[] = {2024, 2023, 2100, 2000};
    Diary diary;
    for (const int year : years) {
        diary[Civil(year, 2, 28)].sport = true;
        if (IsLeapYear(year)) {
            diary[Civil(year, 2, 29)].sex = true;
        }
        diary[Civil(year, 3, 1)].fluid = 2;
        diary[Civil(year, 3, 17)].fluid = 1;
        diary[Civil(year, 3, 18)].fluid = 3;
    }
    test::WriteDiary(diary);
    for (const int year : years) {
        SCOPED_TRACE(year);
        const bool leap = year == 2024 || year == 2000;
        const int n = leap ? 29 : 28;
        CycleInfo info;
        info.m_avgMenses = 3;
        info.m_start[0] = At(Civil(year, 2, 28), 8);

        const DayMarks feb = Load(2, year, info);
        EXPECT_EQ(feb[27].events, kEventSport);
        EXPECT_EQ(feb[28].events, leap ? kEventSex : 0);
        EXPECT_EQ(With(feb, kCycleNormal), (std::vector<int>{n}));
        EXPECT_EQ(With(feb, kCycleLight), (std::vector<int>{n + 16}));
        EXPECT_EQ(With(feb, kCycleHeavy), (std::vector<int>{}));
        EXPECT_EQ(With(feb, kCyclePredicted), Span(27, 29));
        // Bleedings start on 1 and 17 March: six days 17 to 12 days before each.
        EXPECT_EQ(With(feb, kCycleFertile), Join(Span(n - 17, n - 12), Span(n - 1, n + 4)));

        // The predicted bleeding from 28 February goes on into March.
        const DayMarks march = Load(3, year, info);
        EXPECT_EQ(With(march, kCyclePredicted), Span(0, leap ? 0 : 1));
    }
}

TEST(DayMarkClasses, RecordedFlowsComeFirstThenThePrediction) {
    struct Case {
        uint16_t cycle;
        int flowClass;
        int cellClass;
    } cases[] = {
        {0, 0, kCellOrdinary},
        {kCycleAche | kCycleNote | kCycleDiary, 0, kCellOrdinary},
        {kCycleFertile, 0, kCellFertile},
        {kCycleLight | kCycleNormal | kCycleHeavy, 1, kCellFlow},
        {kCycleNormal | kCycleHeavy | kCycleSpotting, 2, kCellSpotting},
        {kCycleHeavy | kCycleSpotting | kCyclePredicted, 3, kCellSpotting},
        {kCycleSpotting | kCyclePredicted | kCycleFertile, 4, kCellSpotting},
        {kCyclePredicted | kCycleFertile, 7, kCellFlow},
        {kCycleLight | kCyclePredicted | kCycleFertile, 1, kCellFlow},
    };
    for (const Case& c : cases) {
        const DayMark mark{0xFF, c.cycle};
        EXPECT_EQ(GetFlowClass(mark), c.flowClass) << std::hex << c.cycle;
        EXPECT_EQ(GetCellClass(mark), c.cellClass) << std::hex << c.cycle;
    }
}

TEST_F(MonthTest, FluidCodesFiveAndSixMarkNothing) {
    for (const int code : {0, 5, 6, 8, -1, 1000}) {
        DayMark m{};
        SetFlow(m, code);
        EXPECT_EQ(m.cycle, 0) << code;
    }
    Diary diary;
    diary[Civil(2025, 6, 3)].fluid = 5;
    diary[Civil(2025, 6, 4)].fluid = 6;
    diary[Civil(2025, 6, 25)].fluid = 6;
    diary[Civil(2025, 6, 26)].fluid = 1;  // a bleeding that follows fluid 6 still starts here
    test::WriteDiary(diary);
    const DayMarks june = Load(6, 2025, CycleInfo());
    for (const int j : {2, 3, 24}) {
        EXPECT_EQ(june[static_cast<size_t>(j)], DayMark{}) << j;
        EXPECT_EQ(GetFlowClass(june[static_cast<size_t>(j)]), 0);
        EXPECT_EQ(GetCellClass(june[static_cast<size_t>(j)]), kCellOrdinary);
    }
    EXPECT_EQ(With(june, kCycleFertile), Span(8, 13));
}

TEST_F(MonthTest, LoadingOnlyAddsBits) {
    Diary diary;
    DiaryDay& busy = diary[Civil(2025, 6, 20)];
    busy = {3, true, true, true, true, true, true, true, true, true, true, 2};
    diary[Civil(2025, 6, 21)].fluid = 4;
    test::WriteDiary(diary);
    CycleInfo info;
    info.m_avgMenses = 4;
    info.m_start[1] = At(Civil(2025, 6, 19), 8);
    info.m_ovulation[1] = At(Civil(2025, 6, 2), 8);

    const DayMarks once = Load(6, 2025, info);
    EXPECT_EQ(once[19].events, 0xFF);
    EXPECT_EQ(once[19].cycle,
              kCycleAche | kCycleHeavy | kCycleNote | kCycleDiary | kCyclePredicted);
    EXPECT_EQ(GetFlowClass(once[20]), kFlowSpotting);
    EXPECT_EQ(GetCellClass(once[20]), kCellSpotting);  // spotting wins over the prediction

    // Loading again over the result changes nothing.
    DayMarks twice = once;
    LoadMonthModel(twice, view, 6, 2025, info);
    EXPECT_EQ(twice, once);
    // Bits already there stay, and are only added to: a predicted day left from before
    // is not taken for a recorded bleeding.
    DayMarks preset{};
    preset[0] = {0x81, kCyclePredicted};
    preset[19] = {0x00, kCycleFertile};
    preset[40] = {0x00, kCyclePredicted};
    preset[47] = {0xFF, 0xFFFF};
    DayMarks want = once;
    for (size_t j = 0; j < want.size(); ++j) {
        want[j].events |= preset[j].events;
        want[j].cycle |= preset[j].cycle;
    }
    LoadMonthModel(preset, view, 6, 2025, info);
    EXPECT_EQ(Differences(preset, want), "");
    ClearMonthModel(preset);
    EXPECT_EQ(preset, DayMarks{});
}

TEST_F(MonthTest, AnOverLargeBleedingMarksOnlyTheEntriesThatExist) {
    Diary diary;
    diary[Civil(2025, 1, 2)].fluid = 2;
    test::WriteDiary(diary);
    for (const int length : {18, 19, 1000, INT_MAX, -5, INT_MIN}) {
        SCOPED_TRACE(length);
        CycleInfo info;
        info.m_avgMenses = length;
        // Starting on the last day of the month, in the month before, on the first day, and
        // in the month after (which a negative length would bring back into January).
        info.m_start = {At(Civil(2025, 1, 31), 8), At(Civil(2024, 12, 20), 8),
                        At(Civil(2025, 1, 1), 8), At(Civil(2025, 2, 3), 8)};
        info.m_ovulation = {At(Civil(2025, 1, 31), 8), CTime(), CTime(), CTime()};
        const DayMarks january = Load(1, 2025, info);  // guarded on both sides
        std::vector<int> predicted;
        if (length > 0) {
            predicted = Join(Span(0, std::min(length, 48) - 1), Span(30, 47));
            if (length > 12 && length < 43) {  // 20 December + length days is in January
                predicted = Join(predicted, Span(0, length - 13));
            }
        }
        EXPECT_EQ(With(january, kCyclePredicted), predicted);
        EXPECT_EQ(With(january, kCycleFertile), Span(30, 35));
    }
}

TEST_F(MonthTest, AStoreThatCannotBeOpenedChangesNothing) {
    CycleInfo info;
    info.m_avgMenses = 5;
    info.m_start[0] = At(Civil(2025, 6, 10), 8);
    info.m_ovulation[0] = At(Civil(2025, 6, 20), 8);
    DayMarks marks{};
    marks[3] = {0x10, 0x0040};
    const DayMarks before = marks;
    LoadMonthModel(marks, view, 6, 2025, info);  // no store at all
    EXPECT_EQ(marks, before);
    EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));

    // A file in the diary's place that is not a diary: reported, and nothing changes, nor
    // does the cycle record.
    test::WriteFileBytes(DataPaths::StoreFile(), std::string(4096, 'x'));
    ObjectStore::CloseThreadConnection();
    LoadMonthModel(marks, view, 6, 2025, info);
    EXPECT_EQ(marks, before);
    const CycleInfo kept = info;
    info.Analyze();
    EXPECT_EQ(info, kept);
    EXPECT_EQ(test::ReadFileBytes(DataPaths::StoreFile()), std::string(4096, 'x'));
    EXPECT_GE(boxes.Count(), 1u);
}

}  // namespace
}  // namespace velmora
