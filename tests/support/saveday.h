#pragma once

// Writing the diary's days as the screens write them.

#include <gtest/gtest.h>
#include <functional>
#include <memory>

#include "platform/calendar.h"
#include "store/velmoradoc.h"

namespace velmora::test {
// Saves day y-m-d with what `fill` puts in it, as the Day View would.
inline void SaveDay(int y, int m, int d, const std::function<void(CVelmoraMFCDoc&)>& fill) {
    CVelmoraMFCDoc day;
    day.OpenDay(y, m, d);
    fill(day);
    ASSERT_EQ(day.SaveDay(), SaveDayResult::Saved);
}

// The stored day, read by a document of its own (null when it has no record).
inline std::unique_ptr<CVelmoraMFCDoc> Stored(int y, int m, int d) {
    auto day = std::make_unique<CVelmoraMFCDoc>();
    return day->OpenDay(y, m, d) ? std::move(day) : nullptr;
}

// Saves an alarm of `type` in `slot` of day y-m-d, at hour:minute of that day.
inline void SaveAlarm(int y, int m, int d, int slot, int type, int hour, int minute) {
    SaveDay(y, m, d, [&](CVelmoraMFCDoc& doc) {
        doc.m_alarm = true;
        doc.m_alarmType[slot] = static_cast<uint16_t>(type);
        doc.m_alarmTime[slot] = CTime(y, m, d, hour, minute, 0);
    });
}

// A bleeding of `days` days from year-month-day with this flow, saved day by day.
inline void WritePeriod(int year, int month, int day, int days, int fluid = 2) {
    const long long first = DayNumber(year, month, day);
    for (int k = 0; k < days; ++k) {
        const CivilDate d = CivilFromDays(first + k);
        SaveDay(static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day),
                [fluid](CVelmoraMFCDoc& doc) { doc.m_fluid = static_cast<int16_t>(fluid); });
    }
}

}  // namespace velmora::test
