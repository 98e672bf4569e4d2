#include "tests/cycle/diary.h"

#include <gtest/gtest.h>

#include <array>

#include "store/velmoradoc.h"

namespace velmora::test {

void WriteDiary(const Diary& diary) {
    CVelmoraMFCDoc doc;
    for (const auto& [day, d] : diary) {
        const CivilDate date = CivilFromDays(day);
        doc.OpenDay(static_cast<int>(date.year), static_cast<int>(date.month),
                    static_cast<int>(date.day));
        doc.m_fluid = static_cast<int16_t>(d.fluid);
        if (d.fluid == 0) {
            doc.m_temperature = 36.6;  // a day recorded for something other than flow
        }
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
}

Diary GenerateDiary(std::mt19937& rng, CivilDay first, int days) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto chance = [&](int percent) { return pick(0, 99) < percent; };
    // On and next to the bounds for CycleLength 23, 28, 35 and MenstrualDays 3, 4, 5, 12.
    constexpr std::array kCycles = {11, 12, 13, 14, 15, 17, 18, 23, 28, 34, 35, 41, 42, 43, 52, 53};
    constexpr std::array kBleedings = {1, 2, 3, 4, 5, 6, 7, 8, 17, 18, 19};

    Diary diary;
    CivilDay start = first + pick(-20, 10);
    while (start < first + days) {
        const int bleeding =
            chance(70) ? kBleedings[pick(0, static_cast<int>(kBleedings.size()) - 1)] : pick(1, 20);
        int cycle =
            chance(70) ? kCycles[pick(0, static_cast<int>(kCycles.size()) - 1)] : pick(2, 60);
        if (cycle <= bleeding) {
            cycle = bleeding + pick(1, 3);  // runs need a day between them
        }
        for (int i = 0; i < bleeding; ++i) {
            diary[start + i].fluid =
                i > 0 && i + 1 < bleeding && chance(4) ? pick(4, 6) : pick(1, 3);
        }
        for (int i = bleeding; i < cycle; ++i) {
            const int roll = pick(0, 99);
            if (roll < 25) {
                diary[start + i].fluid = roll < 12 ? pick(4, 6) : 0;
            }
        }
        start += cycle;
    }
    diary.erase(diary.begin(), diary.lower_bound(first));
    diary.erase(diary.lower_bound(first + days), diary.end());
    return diary;
}

}  // namespace velmora::test
