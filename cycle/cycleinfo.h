#pragma once

#include <array>
#include <cstdint>

#include "platform/ctime.h"

namespace velmora {

// The analysed window: 181 calendar days ending with today. It ends today at 14:00 and
// starts 180 days and 6 hours earlier, at 08:00, so a day stored at 12:00 lies four hours
// into its window day and the window arithmetic never depends on the time of day.
inline constexpr int kWindowDays = 181;
inline constexpr int kBleedingFlags = 182;  // the last flag is never set
inline constexpr int64_t kWindowSpan = 180 * kSecondsPerDay + 6 * 3600;  // 15573600
inline constexpr int kWindowEndHour = 14;
// The fertile window opens 17 days before a start and lasts six days.
inline constexpr int64_t kOvulationLead = 17 * kSecondsPerDay;  // 1468800
inline constexpr int kFertileDays = 6;
// Entry 0 of m_start is the last recorded start; 1 to 3 are predicted.
inline constexpr int kStartCount = 4;

// The cycle engine's result: the last start and three predicted starts, the fertile window
// before each, the average bleeding length, and the window the analysis looked at with its
// menstruation days. A record that was never analysed is all zero.
struct CycleInfo {
    // Entry 0: start (08:00 of its window day) of the most recent menstruation in the
    // window, or 1990-01-01 00:00 when there is none; entries 1-3: the predicted starts.
    std::array<CTime, kStartCount> m_start{};
    // Entry k: first day of the six fertile days before m_start entry k (17 days earlier).
    std::array<CTime, kStartCount> m_ovulation{};
    // Average length of a menstruation in days.
    int m_avgMenses = 0;
    // First and last moment of the window.
    CTime m_windowStart;
    CTime m_windowEnd;
    // One flag per window day, 1 = menstruation day; index 0 is the window's first day.
    std::array<uint8_t, kBleedingFlags> m_bleeding{};

    // Recomputes every field from the store, the clock (today) and AppSettings
    // (CycleLength, MenstrualDays). When the day store does not exist the record is left
    // as it was.
    void Analyze();
    // Sets m_bleeding from the store for the window in m_windowStart..m_windowEnd.
    void MarkMenstrualDays();

    bool operator==(const CycleInfo&) const = default;
};

// The application's record, analysed by the calendar and read by its month model.
extern CycleInfo TheCycleInfo;

}  // namespace velmora
