#include "platform/ctime.h"

#include <ctime>

#include "platform/clock.h"

namespace velmora {

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = dst < 0 ? -1 : (dst > 0 ? 1 : 0);
    m_time = static_cast<int64_t>(std::mktime(&tm));
}

CTime CTime::GetCurrentTime() {
    return Clock::Now();
}

LocalTime CTime::Local() const {
    LocalTime out;
    const std::time_t t = static_cast<std::time_t>(m_time);
    std::tm tm{};
    if (localtime_r(&t, &tm) == nullptr) {
        return out;  // beyond what the C library can represent: 1970-01-01 00:00
    }
    out.year = tm.tm_year + 1900;
    out.month = tm.tm_mon + 1;
    out.day = tm.tm_mday;
    out.hour = tm.tm_hour;
    out.minute = tm.tm_min;
    out.second = tm.tm_sec;
    out.dayOfWeek = tm.tm_wday + 1;
    out.dayOfYear = tm.tm_yday + 1;
    out.isDst = tm.tm_isdst > 0 ? 1 : 0;
    out.gmtOffset = tm.tm_gmtoff;
    return out;
}

bool CTime::SameLocalDay(CTime other) const {
    const LocalTime a = Local();
    const LocalTime b = other.Local();
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace velmora
