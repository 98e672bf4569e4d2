#pragma once

#include <cstdint>
#include <map>
#include <random>

#include "platform/calendar.h"
#include "platform/ctime.h"

namespace velmora::test {

// Days are counted as civil day numbers (days since 1970-01-01) so the expectations of the
// cycle tests come from date arithmetic, not from the seconds the program steps by.
using CivilDay = long long;

inline CivilDay Civil(int year, int month, int day) {
    return DayNumber(year, month, day);
}
inline CivilDay CivilOf(CTime t) {
    const LocalTime lt = t.Local();
    return Civil(lt.year, lt.month, lt.day);
}

// What a test writes for one day.
struct DiaryDay {
    int fluid = 0;
    bool alarm = false, sport = false, sex = false, bloating = false;
    bool doctor = false, protection = false, pms = false, cramps = false;
    bool ache = false;
    bool note = false;
    int diarySlot = -1;  // slot holding a diary entry, -1 none
};

using Diary = std::map<CivilDay, DiaryDay>;

// Saves every day of `diary` through the document, as the Day View does.
void WriteDiary(const Diary& diary);

// Generates `days` days from `first`: bleedings of random lengths (many at the lengths
// where the settings' bounds lie) after random gaps, sometimes split by a spotting or other
// fluid day, spotting and fluid codes 4-6 between them, and records without flow. Days
// without any record are left out.
Diary GenerateDiary(std::mt19937& rng, CivilDay first, int days);

}  // namespace velmora::test
