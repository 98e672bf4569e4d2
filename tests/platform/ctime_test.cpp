#include <gtest/gtest.h>

#include <cstdio>

#include "platform/calendar.h"
#include "platform/ctime.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

using test::ScopedTimeZone;

// Local fields as "YYYY-MM-DD hh:mm:ss w<day of week> d<daylight flag>".
std::string Shown(const LocalTime& t) {
    char s[40];
    std::snprintf(s, sizeof s, "%04d-%02d-%02d %02d:%02d:%02d w%d d%d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.dayOfWeek, t.isDst);
    return s;
}

TEST(CTimeTest, LocalFieldsMakeKnownInstantsAndCarryOverLikeTheCLibrary) {
    struct Case {
        const char* zone;
        int y, mo, d, h, mi, s, dst;
        int64_t instant;
        const char* local;
    };
    const Case cases[] = {
        {"UTC", 1970, 1, 1, 0, 0, 0, -1, 0, "1970-01-01 00:00:00 w5 d0"},
        {"UTC", 2000, 1, 1, 0, 0, 0, -1, 946684800, "2000-01-01 00:00:00 w7 d0"},
        {"UTC", 2038, 1, 19, 3, 14, 8, -1, 2147483648LL, "2038-01-19 03:14:08 w3 d0"},
        {"UTC", 2106, 2, 7, 6, 28, 16, -1, 4294967296LL, "2106-02-07 06:28:16 w1 d0"},
        // Fields out of range carry over into the next larger one.
        {"Europe/Moscow", 2024, 3, 10, -1, 0, 0, -1, 1710014400, "2024-03-09 23:00:00 w7 d0"},
        {"Europe/Moscow", 2024, 1, 32, 12, 0, 0, -1, 1706778000, "2024-02-01 12:00:00 w5 d0"},
        {"Europe/Moscow", 2023, 13, 1, 12, 0, 0, -1, 1704099600, "2024-01-01 12:00:00 w2 d0"},
        {"Europe/Moscow", 2024, 3, 1, 24, 30, 0, -1, 1709328600, "2024-03-02 00:30:00 w7 d0"},
        // Without a flag the zone's rule for the day decides.
        {"Europe/Berlin", 2024, 7, 1, 12, 0, 0, -1, 1719828000, "2024-07-01 12:00:00 w2 d1"},
        // 02:30 on 27 October 2024 happened twice in Berlin: the flag picks the reading.
        {"Europe/Berlin", 2024, 10, 27, 2, 30, 0, 1, 1729989000, "2024-10-27 02:30:00 w1 d1"},
        {"Europe/Berlin", 2024, 10, 27, 2, 30, 0, 0, 1729992600, "2024-10-27 02:30:00 w1 d0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.local);
        ScopedTimeZone tz(c.zone);
        const CTime t(c.y, c.mo, c.d, c.h, c.mi, c.s, c.dst);
        EXPECT_EQ(t.GetTime(), c.instant);
        EXPECT_EQ(Shown(t.Local()), c.local);
    }
}

TEST(CalendarTest, MonthLengthsMatchTheDistanceBetweenFirstDaysAndCivilDaysRoundTrip) {
    ScopedTimeZone utc("UTC");
    for (int year = 1890; year <= 2110; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const CTime first(year, month, 1, 0, 0, 0);
            const CTime next(year + month / 12, month % 12 + 1, 1, 0, 0, 0);
            EXPECT_EQ(DaysInMonth(year, month), (next - first) / kSecondsPerDay)
                << year << "-" << month;
        }
    }
    EXPECT_EQ(DaysInMonth(2024, 0) + DaysInMonth(2024, 13), 0);
    for (long long z = -800000; z <= 800000; z += 997) {
        const CivilDate d = CivilFromDays(z);
        EXPECT_EQ(DaysFromCivil(d.year, d.month, d.day), z);
        EXPECT_GE(d.day, 1u);
        EXPECT_LE(static_cast<int>(d.day), DaysInMonth(static_cast<int>(d.year), d.month));
    }
}

}  // namespace
}  // namespace velmora
