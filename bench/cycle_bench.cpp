// The cycle engine over twenty years of daily records (7,305 days): Analyze, and clearing
// and loading one month's model, beside the floor: one SQLite statement stepping over every
// property row and reading every column.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "bench/benchdata.h"
#include "cycle/cycleinfo.h"
#include "cycle/monthmodel.h"
#include "platform/clock.h"
#include "platform/datapaths.h"
#include "platform/messagebox.h"
#include "platform/timezone.h"
#include "store/settings.h"
#include "store/velmoradoc.h"

namespace velmora {
namespace {

constexpr int kDays = bench::kTwentyYears;

// "Today" is the last day of the store, so the window is full of records.
CTime Today() {
    return bench::TwentyYearsDay(kDays - 1);
}

void EnsureStore() {
    bench::EnsureTwentyYearStore();
    Clock::Pin(Today());
}

// The floor: the rows a full walk reads, straight from SQLite, no objects built.
void BM_Floor_OneStatementOverAllRows(benchmark::State& state) {
    EnsureStore();
    bench::StoreFloor(state);
}
BENCHMARK(BM_Floor_OneStatementOverAllRows)->Unit(benchmark::kMillisecond);

// What the calendar runs after the Day View closes: the whole analysis from the store.
void BM_Analyze(benchmark::State& state) {
    EnsureStore();
    CycleInfo info;
    for (auto _ : state) {
        info.Analyze();
        benchmark::DoNotOptimize(info);
    }
    if (info.m_windowEnd.GetTime() == 0 || info.m_avgMenses <= 0) {
        state.SkipWithError("nothing analysed");
    }
}
BENCHMARK(BM_Analyze)->Unit(benchmark::kMillisecond);

// Clearing and loading the model of the month shown, through the calendar's document,
// whose store stays open between months.
void BM_ClearAndLoadMonthModel(benchmark::State& state) {
    EnsureStore();
    TheCycleInfo.Analyze();
    const LocalTime today = Today().Local();
    CVelmoraMFCDoc view;
    DayMarks marks;
    int marked = 0;
    for (auto _ : state) {
        ClearMonthModel(marks);
        LoadMonthModel(marks, view, today.month, today.year, TheCycleInfo);
        benchmark::DoNotOptimize(marks);
    }
    for (const DayMark& m : marks) {
        marked += m.cycle != 0 || m.events != 0;
    }
    if (marked == 0) {
        state.SkipWithError("the month came out empty");
    }
    state.counters["marked"] = marked;
}
BENCHMARK(BM_ClearAndLoadMonthModel)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
