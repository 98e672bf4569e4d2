#include "platform/timezone.h"

#include <cstdlib>
#include <ctime>

#include "platform/calendar.h"
#include "platform/clock.h"

namespace velmora {

bool SystemTimeToFileTime(const SYSTEMTIME& st, FILETIME& ft) {
    if (st.wYear < 1601 || st.wMonth < 1 || st.wMonth > 12 || st.wDay < 1 ||
        st.wDay > DaysInMonth(st.wYear, st.wMonth) || st.wHour > 23 || st.wMinute > 59 ||
        st.wSecond > 59 || st.wMilliseconds > 999) {
        return false;
    }
    const long long days = DaysFromCivil(st.wYear, st.wMonth, st.wDay);
    const int64_t secs = days * kSecondsPerDay + st.wHour * 3600LL + st.wMinute * 60LL +
                         st.wSecond + kFileTimeEpochOffset;
    ft = FILETIME::FromValue(static_cast<uint64_t>(secs) * kFileTimeTicksPerSecond +
                             static_cast<uint64_t>(st.wMilliseconds) * 10000ULL);
    return true;
}

bool FileTimeToSystemTime(const FILETIME& ft, SYSTEMTIME& st) {
    const uint64_t v = ft.Value();
    if (v >= 0x8000000000000000ULL) {
        return false;
    }
    const int64_t secs = static_cast<int64_t>(v / kFileTimeTicksPerSecond);
    const int64_t ms = static_cast<int64_t>((v % kFileTimeTicksPerSecond) / 10000);
    const int64_t days = secs / kSecondsPerDay;  // days since 1601-01-01
    const int64_t rem = secs % kSecondsPerDay;
    const long long unixDays = days - kFileTimeEpochOffset / kSecondsPerDay;
    const CivilDate d = CivilFromDays(unixDays);
    if (d.year > 30827) {
        return false;
    }
    st.wYear = static_cast<uint16_t>(d.year);
    st.wMonth = static_cast<uint16_t>(d.month);
    st.wDay = static_cast<uint16_t>(d.day);
    // 1601-01-01 was a Monday.
    st.wDayOfWeek = static_cast<uint16_t>((days + 1) % 7);
    st.wHour = static_cast<uint16_t>(rem / 3600);
    st.wMinute = static_cast<uint16_t>(rem / 60 % 60);
    st.wSecond = static_cast<uint16_t>(rem % 60);
    st.wMilliseconds = static_cast<uint16_t>(ms);
    return true;
}

FILETIME CTimeToFileTime(CTime t) {
    const int64_t secs = t.GetTime() + kFileTimeEpochOffset;
    return FILETIME::FromValue(static_cast<uint64_t>(secs) *
                               static_cast<uint64_t>(kFileTimeTicksPerSecond));
}

CTime FileTimeToCTime(const FILETIME& ft) {
    const uint64_t v = ft.Value();
    return CTime(static_cast<int64_t>(v / kFileTimeTicksPerSecond) - kFileTimeEpochOffset);
}

SYSTEMTIME LocalSystemTime(CTime t) {
    const LocalTime lt = t.Local();
    SYSTEMTIME st;
    st.wYear = static_cast<uint16_t>(lt.year);
    st.wMonth = static_cast<uint16_t>(lt.month);
    st.wDayOfWeek = static_cast<uint16_t>(lt.dayOfWeek - 1);
    st.wDay = static_cast<uint16_t>(lt.day);
    st.wHour = static_cast<uint16_t>(lt.hour);
    st.wMinute = static_cast<uint16_t>(lt.minute);
    st.wSecond = static_cast<uint16_t>(lt.second);
    return st;
}

int StandardBiasMinutes() {
    const CTime now = Clock::Now();
    const LocalTime here = now.Local();
    if (!here.isDst) {
        return static_cast<int>(-here.gmtOffset / 60);
    }
    for (int64_t step :
         {183 * kSecondsPerDay, -183 * kSecondsPerDay, 91 * kSecondsPerDay, -91 * kSecondsPerDay}) {
        const LocalTime other = (now + step).Local();
        if (!other.isDst) {
            return static_cast<int>(-other.gmtOffset / 60);
        }
    }
    // A zone on permanent daylight time: report its offset less the usual hour.
    return static_cast<int>(-here.gmtOffset / 60) + 60;
}

void ReloadTimeZone() {
    tzset();
}

std::string SetProcessTimeZone(const std::string& name) {
    const char* old = std::getenv("TZ");
    std::string previous = old ? old : "";
    if (name.empty()) {
        unsetenv("TZ");
    } else {
        setenv("TZ", name.c_str(), 1);
    }
    tzset();
    return previous;
}

}  // namespace velmora
