#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "cycle/monthmodel.h"
#include "platform/ctime.h"

namespace velmora::bench {

// A private folder for the benchmark's store, removed at exit.
std::string UseTemporaryHome();

// Fills the store with the demo diary: one record per day from `first` for `days` days.
void WriteDemoYears(CTime first, int days);

// The store the store and cycle benchmarks share: twenty years of daily records from
// 1 January 2006, in Europe/Berlin, made once per process in a private folder. Any message
// box while benchmarking is a fault and aborts.
inline constexpr int kTwentyYears = 7305;
CTime TwentyYearsFirstDay();
// The store's day `index` (0 is the first), `index` whole days of seconds after the first.
CTime TwentyYearsDay(int index);
void EnsureTwentyYearStore();

// The worst month for the calendar to draw: every icon on every day, flows in turn.
inline DayMarks EveryIcon() {
    DayMarks marks{};
    for (size_t i = 0; i < marks.size(); ++i) {
        marks[i].events = 0xFF;
        marks[i].cycle = static_cast<uint16_t>(0x01FF & ~(i % 3 ? 0x0008 : 0));
    }
    return marks;
}

// The floor beside them: one SQLite statement stepping over every property row of the
// store and reading every column, no objects built.
void StoreFloor(benchmark::State& state);

}  // namespace velmora::bench
