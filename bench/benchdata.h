#pragma once

#include <string>

#include "platform/ctime.h"

namespace velmora::bench {

// A private folder for the benchmark's store, removed at exit.
std::string UseTemporaryHome();

// Fills the store with one record per day from `first` for `days` days: periods of four to
// six days every 26 to 31 days, a morning temperature on most days, a weekly weight,
// symptoms, notes, diary entries and alarms now and then. Deterministic.
void WriteDemoYears(CTime first, int days);

}  // namespace velmora::bench
