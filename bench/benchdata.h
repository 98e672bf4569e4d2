#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "cycle/monthmodel.h"
#include "platform/ctime.h"

namespace velmora::bench {

// A private folder for the benchmarks' stores and settings, removed at exit.
std::string UseTemporaryHome();

// Fills the store with the demo diary: one record per day from `first` for `days` days.
void WriteDemoYears(CTime first, int days);

// The diary sizes the store, cycle, calendar and start benchmarks take as their argument:
// one year, twenty years and a hundred years of daily records.
inline constexpr int kOneYear = 365;
inline constexpr int kTwentyYears = 7305;
inline constexpr int kHundredYears = 36525;

// Runs a benchmark once per diary size, the size as its argument:
// BENCHMARK(BM_X)->Apply(bench::StoreSizes).
inline void StoreSizes(benchmark::internal::Benchmark* b) {
    b->Arg(kOneYear)->Arg(kTwentyYears)->Arg(kHundredYears);
}

// The stores of the demo diary, in Europe/Berlin, all ending on the same day: the day the
// process first asked for one (so the program started on one shows a month with records).
// Each size lives in a folder of its own, made once per process; Ensure points
// XDG_DATA_HOME at it (and drops this thread's cached connection to the one before). Any
// message box while benchmarking is a fault and aborts.
void EnsureStoreOfDays(int days);
// The XDG_DATA_HOME of the store of `days` days.
std::string StoreHome(int days);
// The last day of every store, at noon.
CTime LastDayOfStores();
// Day `index` of the store of `days` days at noon: 0 is its first, days - 1 the last of
// all stores; indexes outside the store give the days before or after it.
CTime StoreDay(int days, int index);

// The twenty-year store of the export, import and backup benchmarks.
inline void EnsureTwentyYearStore() {
    EnsureStoreOfDays(kTwentyYears);
}

// The worst month for the calendar to draw: every icon on every day, flows in turn.
inline DayMarks EveryIcon() {
    DayMarks marks{};
    for (size_t i = 0; i < marks.size(); ++i) {
        marks[i].events = 0xFF;
        marks[i].cycle = static_cast<uint16_t>(0x01FF & ~(i % 3 ? 0x0008 : 0));
    }
    return marks;
}

// The floor of a walk over the current store: one SQLite statement stepping over every
// property row and reading every column, no objects built.
void StoreFloor(benchmark::State& state);

// The floor of a look-up of one day of the current store: one indexed SQLite statement
// reading every property of the day's record (all columns), no objects built. Makes the
// file's index of the days' dates when it is missing.
void DayLookUpFloor(benchmark::State& state, CTime day);

}  // namespace velmora::bench
