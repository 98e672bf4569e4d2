// The day store at three sizes (the argument: 365, 7,305 and 36,525 daily records). The
// look-ups of one day and the save of one day beside their floor, one indexed SQLite
// look-up of a single day's properties; they should cost the same at every size. The walk
// over all days through the document beside its floor, one SQLite statement stepping over
// every property row; these two grow with the diary.

#include <benchmark/benchmark.h>

#include "bench/benchdata.h"
#include "store/velmoradoc.h"

namespace velmora {
namespace {

int Days(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

// The floor of a look-up: the middle day's properties straight from SQLite.
void BM_Floor_IndexedDayLookUp(benchmark::State& state) {
    bench::EnsureStoreOfDays(Days(state));
    bench::DayLookUpFloor(state, bench::StoreDay(Days(state), Days(state) / 2));
}
BENCHMARK(BM_Floor_IndexedDayLookUp)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

// FindDay of `day`, which must be stored exactly when `present`.
void FindDay(benchmark::State& state, CTime day, bool present) {
    CVelmoraMFCDoc doc;
    for (auto _ : state) {
        if (doc.FindDay(day) != present) {
            state.SkipWithError(present ? "a stored day not found" : "an absent day found");
            break;
        }
    }
    if (present && !doc.m_date.SameLocalDay(day)) {
        state.SkipWithError("another day found");
    }
}

void BM_FindDay_LastWritten(benchmark::State& state) {
    bench::EnsureStoreOfDays(Days(state));
    FindDay(state, bench::StoreDay(Days(state), Days(state) - 1), true);
}
BENCHMARK(BM_FindDay_LastWritten)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

void BM_FindDay_Middle(benchmark::State& state) {
    bench::EnsureStoreOfDays(Days(state));
    FindDay(state, bench::StoreDay(Days(state), Days(state) / 2), true);
}
BENCHMARK(BM_FindDay_Middle)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

// A month after the last day: nothing there.
void BM_FindDay_Absent(benchmark::State& state) {
    bench::EnsureStoreOfDays(Days(state));
    FindDay(state, bench::StoreDay(Days(state), Days(state) + 30), false);
}
BENCHMARK(BM_FindDay_Absent)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

// Save-a-day as a screen does it, on a day that has a record: the day opened, a value
// changed, the old record replaced by the new one in one durable transaction.
void BM_SaveDay(benchmark::State& state) {
    bench::EnsureStoreOfDays(Days(state));
    const CTime day = bench::StoreDay(Days(state), Days(state) / 2);
    CVelmoraMFCDoc doc;
    int i = 0;
    for (auto _ : state) {
        if (!doc.OpenDay(day)) {
            state.SkipWithError("the day is not stored");
            break;
        }
        doc.m_temperature = 36.0 + 0.05 * (++i % 40);
        if (doc.SaveDay() != SaveDayResult::Saved) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveDay)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

// The floor of the walk: every property row of the store, straight from SQLite.
void BM_Floor_OneStatementOverAllRows(benchmark::State& state) {
    bench::EnsureStoreOfDays(Days(state));
    bench::StoreFloor(state);
}
BENCHMARK(BM_Floor_OneStatementOverAllRows)
    ->Apply(bench::StoreSizes)
    ->Unit(benchmark::kMillisecond);

// Every day loaded through the document, oldest first, as the screens that list the whole
// diary walk it.
void BM_ForEachDay(benchmark::State& state) {
    bench::EnsureStoreOfDays(Days(state));
    CVelmoraMFCDoc doc;
    int days = 0;
    for (auto _ : state) {
        days = 0;
        doc.ForEachDay([&days](CVelmoraMFCDoc& day) {
            days += day.m_fluid >= 0;
            return true;
        });
    }
    if (days != Days(state) || !doc.LastWalkComplete()) {
        state.SkipWithError("the walk did not see every day");
    }
    state.counters["days"] = days;
}
BENCHMARK(BM_ForEachDay)->Apply(bench::StoreSizes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
