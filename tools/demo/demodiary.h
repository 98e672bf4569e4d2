#pragma once

#include <cstdint>

#include "platform/ctime.h"

namespace velmora {

// Writes a believable diary into the store: one record a day for `days` days from `first`,
// with periods of four to six days every 26 to 31 days, a morning temperature that rises
// after ovulation, a weekly weight that drifts, symptoms, notes, diary entries now and
// then, and alarms (some of them still to come). The same seed writes the same diary.
// Returns the number of days written.
int WriteDemoDiary(CTime first, int days, uint32_t seed = 1995);

}  // namespace velmora
