#pragma once

#include <cstdint>
#include <map>
#include <random>

#include "platform/calendar.h"
#include "platform/ctime.h"

namespace velmora::test {

// Civil day numbers (days since 1970-01-01): expectations come from date arithmetic.
using CivilDay = long long;

inline CivilDay Civil(int year, int month, int day) {
    return DayNumber(year, month, day);
}
inline CivilDay CivilOf(CTime t) {
    const LocalTime lt = t.Local();
    return Civil(lt.year, lt.month, lt.day);
}
inline CTime At(CivilDay day, int hour, int minute = 0) {
    const CivilDate d = CivilFromDays(day);
    return CTime(static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day), hour,
                 minute, 0);
}

struct DiaryDay {
    int fluid = 0;
};

using Diary = std::map<CivilDay, DiaryDay>;

// Saves every day of `diary` through the document, as the Day View does.
void WriteDiary(const Diary& diary);

// `days` days from `first`: bleedings of random lengths (many on the settings' bounds), now and
// then split by another fluid, with spotting, fluids 4-6 and days without flow between them.
Diary GenerateDiary(std::mt19937& rng, CivilDay first, int days);

}  // namespace velmora::test
