#include "cycle/monthmodel.h"

#include <gtest/gtest.h>

#include <climits>
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
using test::Diary;
using test::DiaryDay;

CTime At(CivilDay day, int hour) {
    const CivilDate d = CivilFromDays(day);
    return CTime(static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day), hour,
                 0, 0);
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
    for (int j = 0; j < kDayMarkCount; ++j) {
        if (marks[static_cast<size_t>(j)].cycle & bit) {
            out.push_back(j);
        }
    }
    return out;
}

// The entries of runs first..last, given in order.
std::vector<int> Spans(std::initializer_list<std::pair<int, int>> spans) {
    std::vector<int> out;
    for (const auto& [first, last] : spans) {
        for (int j = first; j <= last; ++j) {
            out.push_back(j);
        }
    }
    return out;
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

// --- Worked examples ---

// One record on each of the first days of June: every event and mark has a bit of its own.
// Flows that start before the 13th mark no fertile days.
TEST_F(MonthTest, EachRecordMarksItsOwnBit) {
    struct Case {
        DiaryDay day;
        uint8_t events;
        uint16_t cycle;
    } cases[] = {
        // clang-format off
        {{.fluid = 1}, 0, kCycleLight},            {{.fluid = 2}, 0, kCycleNormal},
        {{.fluid = 3}, 0, kCycleHeavy},            {{.fluid = 4}, 0, kCycleSpotting},
        {{.fluid = 5}, 0, 0},                      {{.fluid = 6}, 0, 0},
        {{.alarm = true}, kEventAlarm, 0},         {{.sport = true}, kEventSport, 0},
        {{.sex = true}, kEventSex, 0},             {{.bloating = true}, kEventBloating, 0},
        {{.doctor = true}, kEventDoctor, 0},       {{.protection = true}, kEventProtection, 0},
        {{.pms = true}, kEventPms, 0},             {{.cramps = true}, kEventCramps, 0},
        {{.ache = true}, 0, kCycleAche},           {{.note = true}, 0, kCycleNote},
        {{.diarySlot = 0}, 0, kCycleDiary},        {{.diarySlot = 3}, 0, kCycleDiary},
        // clang-format on
    };
    Diary diary;
    for (size_t i = 0; i < std::size(cases); ++i) {
        diary[Civil(2025, 6, 1) + static_cast<CivilDay>(i)] = cases[i].day;
    }
    diary[Civil(2025, 6, 25)].fluid = 6;
    diary[Civil(2025, 6, 26)].fluid = 1;  // a bleeding after a fluid-6 day starts here
    test::WriteDiary(diary);
    const DayMarks june = Load(6, 2025, CycleInfo());
    for (size_t i = 0; i < june.size(); ++i) {
        DayMark want = i < std::size(cases) ? DayMark{cases[i].events, cases[i].cycle} : DayMark{};
        want.cycle |= (i == 25 ? kCycleLight : 0) | (i >= 8 && i <= 13 ? kCycleFertile : 0);
        EXPECT_EQ(june[i], want) << "entry " << i;
    }
}

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
    EXPECT_EQ(With(june, kCycleFertile), Spans({{0, 1}, {2, 7}, {17, 22}, {26, 31}}));
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
    EXPECT_EQ(With(january, kCyclePredicted), Spans({{0, 2}, {29, 33}}));
    // Fertile from the 13th, from the recorded start on the 31st, and from the 29th.
    EXPECT_EQ(With(january, kCycleFertile), Spans({{12, 18}, {28, 33}}));
    EXPECT_EQ(january[30].cycle, kCycleLight | kCyclePredicted | kCycleFertile);
    EXPECT_EQ(GetFlowClass(january[30]), 1);
    EXPECT_EQ(GetFlowClass(january[29]), kFlowPredicted);
    EXPECT_EQ(GetCellClass(january[29]), kCellFlow);

    const DayMarks february = Load(2, 2025, info);
    // The bleeding from 30 January goes on to the 3rd; the one from the 27th runs into March.
    EXPECT_EQ(With(february, kCyclePredicted), Spans({{0, 2}, {26, 30}}));
    // The window from 29 January ends on the 3rd; the one from the 10th is whole.
    EXPECT_EQ(With(february, kCycleFertile), Spans({{0, 2}, {9, 14}}));
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
        EXPECT_EQ(With(feb, kCyclePredicted), Spans({{27, 29}}));
        // Bleedings start on 1 and 17 March: six days 17 to 12 days before each.
        EXPECT_EQ(With(feb, kCycleFertile), Spans({{n - 17, n - 12}, {n - 1, n + 4}}));

        // The predicted bleeding from 28 February goes on into March.
        const DayMarks march = Load(3, year, info);
        EXPECT_EQ(With(march, kCyclePredicted), Spans({{0, leap ? 0 : 1}}));
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
    for (const int code : {0, 5, 6, 8, -1, 1000}) {  // fluids that mark nothing
        DayMark m{};
        SetFlow(m, code);
        EXPECT_EQ(m.cycle, 0) << code;
    }
    for (const Case& c : cases) {
        const DayMark mark{0xFF, c.cycle};
        EXPECT_EQ(GetFlowClass(mark), c.flowClass) << std::hex << c.cycle;
        EXPECT_EQ(GetCellClass(mark), c.cellClass) << std::hex << c.cycle;
    }
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
    // Starting on the last day of the month, in the month before, on the first day, and in
    // the month after (which a negative length would bring back into January).
    const struct {
        int length;
        std::vector<int> predicted;
    } cases[] = {
        {18, Spans({{0, 17}, {30, 47}})},
        {19, Spans({{0, 18}, {30, 47}})},
        {1000, Spans({{0, 47}})},
        {INT_MAX, Spans({{0, 47}})},
        {-5, {}},
        {INT_MIN, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        CycleInfo info;
        info.m_avgMenses = c.length;
        info.m_start = {At(Civil(2025, 1, 31), 8), At(Civil(2024, 12, 20), 8),
                        At(Civil(2025, 1, 1), 8), At(Civil(2025, 2, 3), 8)};
        info.m_ovulation = {At(Civil(2025, 1, 31), 8), CTime(), CTime(), CTime()};
        const DayMarks january = Load(1, 2025, info);  // guarded on both sides
        EXPECT_EQ(With(january, kCyclePredicted), c.predicted);
        EXPECT_EQ(With(january, kCycleFertile), Spans({{30, 35}}));
    }
}

// Without a store, or with a file in the diary's place that is not a diary (reported),
// neither the month nor the cycle record changes.
TEST_F(MonthTest, AStoreThatCannotBeOpenedChangesNeitherTheMonthNorTheCycleRecord) {
    ScopedClockPin pin(CTime(2025, 6, 20, 9, 0, 0));
    CycleInfo info;
    info.m_start = {At(Civil(2025, 6, 10), 8), CTime(2), CTime(3), CTime(4)};
    info.m_ovulation = {At(Civil(2025, 6, 20), 8), CTime(6), CTime(7), CTime(8)};
    info.m_avgMenses = 9;
    info.m_windowStart = CTime(10);
    info.m_windowEnd = CTime(11);
    info.m_bleeding.fill(1);
    const CycleInfo kept = info;
    DayMarks marks{};
    marks[3] = {0x10, 0x0040};
    const DayMarks before = marks;
    for (const bool broken : {false, true}) {
        SCOPED_TRACE(broken);
        if (broken) {
            test::WriteFileBytes(DataPaths::StoreFile(), std::string(4096, 'x'));
            ObjectStore::CloseThreadConnection();
        }
        LoadMonthModel(marks, view, 6, 2025, info);
        EXPECT_EQ(marks, before);
        info.Analyze();
        EXPECT_EQ(info, kept);
        EXPECT_EQ(test::FileExists(DataPaths::StoreFile()), broken);
        EXPECT_EQ(boxes.Count() > 0, broken);
    }
    EXPECT_EQ(test::ReadFileBytes(DataPaths::StoreFile()), std::string(4096, 'x'));
}

}  // namespace
}  // namespace velmora
