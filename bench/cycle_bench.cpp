// The cycle engine at three diary sizes (the argument: 365, 7,305 and 36,525 daily records,
// all ending today, the clock pinned there): Analyze, and clearing and loading the model of
// today's month, beside the floor, one indexed SQLite look-up of a single day's
// properties. Both read a window of days, so they should cost the same at every size.
// The statistics read every day, so they grow with the diary: they run beside the floor of
// a whole-store walk, one SQLite statement over every property row.

#include <benchmark/benchmark.h>

#include "bench/benchdata.h"
#include "cycle/cycleinfo.h"
#include "cycle/monthmodel.h"
#include "cycle/statistics.h"
#include "platform/clock.h"
#include "store/velmoradoc.h"

namespace velmora {
namespace {

int Days(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

// The store of the benchmark's size, "today" its last day.
void EnsureStore(const benchmark::State& state) {
    bench::EnsureStoreOfDays(Days(state));
    Clock::Pin(bench::LastDayOfStores());
}

void BM_Floor_IndexedDayLookUp(benchmark::State& state) {
    EnsureStore(state);
    bench::DayLookUpFloor(state, bench::LastDayOfStores());
}
BENCHMARK(BM_Floor_IndexedDayLookUp)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

// What the calendar runs after the Day View closes: the whole analysis from the store.
void BM_Analyze(benchmark::State& state) {
    EnsureStore(state);
    CycleInfo info;
    for (auto _ : state) {
        info.Analyze();
        benchmark::DoNotOptimize(info);
    }
    if (info.m_windowEnd.GetTime() == 0 || info.m_avgMenses <= 0) {
        state.SkipWithError("nothing analysed");
    }
}
BENCHMARK(BM_Analyze)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

// Clearing and loading the model of today's month, through the calendar's document, whose
// store stays open between months.
void BM_ClearAndLoadMonthModel(benchmark::State& state) {
    EnsureStore(state);
    CycleInfo info;
    info.Analyze();
    const LocalTime today = bench::LastDayOfStores().Local();
    CVelmoraMFCDoc view;
    DayMarks marks;
    for (auto _ : state) {
        ClearMonthModel(marks);
        LoadMonthModel(marks, view, today.month, today.year, info);
        benchmark::DoNotOptimize(marks);
    }
    int marked = 0;
    for (const DayMark& m : marks) {
        marked += m.cycle != 0 || m.events != 0;
    }
    if (marked == 0) {
        state.SkipWithError("the month came out empty");
    }
    state.counters["marked"] = marked;
}
BENCHMARK(BM_ClearAndLoadMonthModel)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

void BM_Floor_WholeStoreStatement(benchmark::State& state) {
    EnsureStore(state);
    bench::StoreFloor(state);
}
BENCHMARK(BM_Floor_WholeStoreStatement)->Apply(bench::StoreSizes)->Unit(benchmark::kMillisecond);

// What the Statistics screen computes when it opens: one walk over every day, then the
// cycles, their figures and the predicted ranges.
void BM_Statistics(benchmark::State& state) {
    EnsureStore(state);
    CycleInfo info;
    info.Analyze();
    CycleStatistics st;
    for (auto _ : state) {
        st = ComputeStatistics(info);
        benchmark::DoNotOptimize(st);
    }
    if (st.cycleAll.count == 0 || st.predicted.empty()) {
        state.SkipWithError("no cycles found");
    }
    state.counters["cycles"] = static_cast<double>(st.cycles.size());
}
BENCHMARK(BM_Statistics)->Apply(bench::StoreSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
