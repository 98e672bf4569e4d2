#pragma once

#include <compare>
#include <cstdint>

namespace velmora {

// Local broken-down time of an instant, in the process's time zone.
struct LocalTime {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;    // 1-31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int dayOfWeek = 5;  // 1 = Sunday ... 7 = Saturday
    int dayOfYear = 1;  // 1-366
    int isDst = 0;
    long gmtOffset = 0;  // seconds east of UTC
};

// Calendar time: 64-bit seconds since 1970-01-01 00:00 UTC. The broken-down fields are
// always local time of the process's zone (the TZ variable). Days are stepped by adding
// or subtracting 86400 seconds.
class CTime {
public:
    constexpr CTime() = default;
    constexpr explicit CTime(int64_t seconds) : m_time(seconds) {}

    // Builds the instant of a local date and time. `dst` is -1 (unknown), 0 (standard) or
    // 1 (daylight). Out-of-range fields are normalised the way mktime does (hour -1 is
    // 23:00 of the day before, day 32 of January is 1 February, and so on).
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

    // "Now", from the process clock (see clock.h), which tests can pin.
    static CTime GetCurrentTime();

    constexpr int64_t GetTime() const { return m_time; }

    LocalTime Local() const;
    int GetYear() const { return Local().year; }
    int GetMonth() const { return Local().month; }
    int GetDay() const { return Local().day; }
    int GetHour() const { return Local().hour; }
    int GetMinute() const { return Local().minute; }
    int GetSecond() const { return Local().second; }
    int GetDayOfWeek() const { return Local().dayOfWeek; }

    constexpr CTime operator+(int64_t seconds) const { return CTime(m_time + seconds); }
    constexpr CTime operator-(int64_t seconds) const { return CTime(m_time - seconds); }
    constexpr int64_t operator-(CTime other) const { return m_time - other.m_time; }
    constexpr CTime& operator+=(int64_t seconds) {
        m_time += seconds;
        return *this;
    }
    constexpr CTime& operator-=(int64_t seconds) {
        m_time -= seconds;
        return *this;
    }
    constexpr auto operator<=>(const CTime&) const = default;

    // True when both instants fall on the same local calendar day.
    bool SameLocalDay(CTime other) const;

private:
    int64_t m_time = 0;
};

constexpr int64_t kSecondsPerDay = 86400;

}  // namespace velmora
