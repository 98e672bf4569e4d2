#pragma once

#include <string>

#include "platform/ctime.h"

namespace velmora::bench {

// A private folder for the benchmark's store, removed at exit.
std::string UseTemporaryHome();

// Fills the store with the demo diary: one record per day from `first` for `days` days.
void WriteDemoYears(CTime first, int days);

}  // namespace velmora::bench
