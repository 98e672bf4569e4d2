#pragma once

#include <cstdint>
#include <string>

#include "platform/ctime.h"

namespace velmora {

// 100-nanosecond intervals since 1601-01-01 00:00 UTC, split as the handheld kept it.
struct FILETIME {
    uint32_t dwLowDateTime = 0;
    uint32_t dwHighDateTime = 0;

    uint64_t Value() const { return (static_cast<uint64_t>(dwHighDateTime) << 32) | dwLowDateTime; }
    static FILETIME FromValue(uint64_t v) {
        return FILETIME{static_cast<uint32_t>(v), static_cast<uint32_t>(v >> 32)};
    }
    bool operator==(const FILETIME&) const = default;
};

// Broken-down time in the layout of the handheld's SYSTEMTIME.
struct SYSTEMTIME {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0;  // 0 = Sunday
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;
    bool operator==(const SYSTEMTIME&) const = default;
};

// Seconds between 1601-01-01 and 1970-01-01.
constexpr int64_t kFileTimeEpochOffset = 11644473600LL;
constexpr int64_t kFileTimeTicksPerSecond = 10000000LL;

// Converts the fields (taken as UTC) to a FILETIME. Fails (false) for fields out of range
// or a year before 1601.
bool SystemTimeToFileTime(const SYSTEMTIME& st, FILETIME& ft);
// Converts a FILETIME to UTC fields. Fails for values beyond year 30827.
bool FileTimeToSystemTime(const FILETIME& ft, SYSTEMTIME& st);

// The instant of a CTime as a FILETIME, and back (whole seconds, rounded down).
FILETIME CTimeToFileTime(CTime t);
CTime FileTimeToCTime(const FILETIME& ft);

// The local fields of a CTime as a SYSTEMTIME (the framework's GetAsSystemTime).
SYSTEMTIME LocalSystemTime(CTime t);

// Standard-time bias of the current zone in minutes, UTC = local + bias (so Moscow is
// -180, New York 300). Taken from the zone's current rules: the offset in force now if
// that is standard time, else the one half a year away.
int StandardBiasMinutes();

// Re-reads the TZ variable. Call after changing TZ in the environment.
void ReloadTimeZone();

// Sets TZ for the process and reloads it; an empty name unsets TZ. Returns the previous
// value (empty when unset).
std::string SetProcessTimeZone(const std::string& name);

}  // namespace velmora
