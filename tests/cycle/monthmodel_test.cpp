#include "cycle/monthmodel.h"

#include <gtest/gtest.h>

#include <climits>
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

using test::At;
using test::Civil;
using test::Diary;

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

    // Clears and loads a month, with guards on both sides to catch a write outside it.
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

TEST_F(MonthTest, RecordedBleedingsMarkTheirFertileDaysFromEitherMonth) {
    Diary diary;
    // Entry 9 starts too early to mark anything; spotting on entry 13 marks from May; entry
    // 34 of 30-day June marks 17 to 22, spotting on 43 marks 26 to 31; 18 July is not seen.
    const int days[][3] = {{6, 10, 2}, {6, 11, 2}, {6, 14, 4}, {6, 20, 2}, {6, 21, 3},
                           {7, 5, 1},  {7, 6, 1},  {7, 14, 4}, {7, 18, 2}};  // month, day, fluid
    for (const auto& [month, day, fluid] : days) {
        diary[Civil(2025, month, day)].fluid = fluid;
    }
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
    EXPECT_EQ(With(january, kCyclePredicted), Spans({{0, 2}, {29, 33}}));
    EXPECT_EQ(With(january, kCycleFertile), Spans({{12, 18}, {28, 33}}));
    EXPECT_EQ(january[30].cycle, kCycleLight | kCyclePredicted | kCycleFertile);
    EXPECT_EQ(GetFlowClass(january[30]), 1);
    EXPECT_EQ(GetFlowClass(january[29]), kFlowPredicted);
    EXPECT_EQ(GetCellClass(january[29]), kCellFlow);

    const DayMarks february = Load(2, 2025, info);
    EXPECT_EQ(With(february, kCyclePredicted), Spans({{0, 2}, {26, 30}}));
    EXPECT_EQ(With(february, kCycleFertile), Spans({{0, 2}, {9, 14}}));
}

TEST_F(MonthTest, AnOverLargeBleedingMarksOnlyTheEntriesThatExist) {
    Diary diary;
    diary[Civil(2025, 1, 2)].fluid = 2;
    test::WriteDiary(diary);
    // Starts on the last day, in the month before, on the first day and in the month after.
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
        const DayMarks january = Load(1, 2025, info);
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
