#include <gtest/gtest.h>

#include <random>

#include "platform/clock.h"
#include "platform/timezone.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

using test::ScopedTimeZone;

struct BiasCase {
    const char* zone;
    int bias;
};

TEST(TimeZoneTest, StandardBiasInWinterAndSummer) {
    const BiasCase cases[] = {
        {"UTC", 0},
        {"Europe/Moscow", -180},
        {"Europe/Berlin", -60},
        {"America/New_York", 300},
        {"Asia/Kolkata", -330},
        {"America/St_Johns", 210},
        {"Pacific/Kiritimati", -840},
        {"Australia/Sydney", -600},
    };
    for (const CTime when : {CTime(1736942400) /* Jan 2025 */, CTime(1752580800) /* Jul 2025 */}) {
        ScopedClockPin pin(when);
        for (const auto& c : cases) {
            ScopedTimeZone tz(c.zone);
            EXPECT_EQ(StandardBiasMinutes(), c.bias) << c.zone << " at " << when.GetTime();
        }
    }
}

TEST(TimeZoneTest, FileTimesOfKnownDates) {
    FILETIME ft;
    ASSERT_TRUE(SystemTimeToFileTime(SYSTEMTIME{1601, 1, 0, 1, 0, 0, 0, 0}, ft));
    EXPECT_EQ(ft.Value(), 0u);
    ASSERT_TRUE(SystemTimeToFileTime(SYSTEMTIME{1970, 1, 0, 1, 0, 0, 0, 0}, ft));
    EXPECT_EQ(ft.Value(), 116444736000000000ULL);
    ASSERT_TRUE(SystemTimeToFileTime(SYSTEMTIME{2000, 1, 0, 1, 0, 0, 0, 0}, ft));
    EXPECT_EQ(ft.Value(), 125911584000000000ULL);
    // Low word first, as the handheld laid it out.
    EXPECT_EQ(ft.dwLowDateTime, static_cast<uint32_t>(125911584000000000ULL));
    EXPECT_EQ(ft.dwHighDateTime, static_cast<uint32_t>(125911584000000000ULL >> 32));

    SYSTEMTIME st;
    ASSERT_TRUE(
        FileTimeToSystemTime(FILETIME::FromValue(125911584000000000ULL + 1234 * 10000ULL), st));
    EXPECT_EQ(st, (SYSTEMTIME{2000, 1, 6, 1, 0, 0, 1, 234}));  // a Saturday, 00:00:01.234
}

TEST(TimeZoneTest, FieldsOutOfRangeAreRefused) {
    FILETIME ft;
    EXPECT_FALSE(SystemTimeToFileTime(SYSTEMTIME{2023, 2, 0, 29, 0, 0, 0, 0}, ft));
    EXPECT_TRUE(SystemTimeToFileTime(SYSTEMTIME{2024, 2, 0, 29, 0, 0, 0, 0}, ft));
    EXPECT_FALSE(SystemTimeToFileTime(SYSTEMTIME{2024, 13, 0, 1, 0, 0, 0, 0}, ft));
    EXPECT_FALSE(SystemTimeToFileTime(SYSTEMTIME{2024, 1, 0, 1, 24, 0, 0, 0}, ft));
    EXPECT_FALSE(SystemTimeToFileTime(SYSTEMTIME{1600, 12, 0, 31, 0, 0, 0, 0}, ft));
    SYSTEMTIME st;
    EXPECT_FALSE(FileTimeToSystemTime(FILETIME::FromValue(0x8000000000000000ULL), st));
}

TEST(TimeZoneTest, SystemAndFileTimesRoundTrip) {
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<uint64_t> dist(0, 2650467743999999999ULL);  // up to 9999
    for (int i = 0; i < 20000; ++i) {
        const uint64_t v = dist(rng) / 10000 * 10000;  // whole milliseconds
        SYSTEMTIME st;
        ASSERT_TRUE(FileTimeToSystemTime(FILETIME::FromValue(v), st));
        FILETIME back;
        ASSERT_TRUE(SystemTimeToFileTime(st, back));
        EXPECT_EQ(back.Value(), v);
    }
}

TEST(TimeZoneTest, CTimeAndFileTimeAndLocalFields) {
    ScopedTimeZone kolkata("Asia/Kolkata");
    const CTime t(2026, 12, 6, 12, 0, 0);
    EXPECT_EQ(FileTimeToCTime(CTimeToFileTime(t)), t);
    SYSTEMTIME utc;
    ASSERT_TRUE(FileTimeToSystemTime(CTimeToFileTime(t), utc));
    EXPECT_EQ(utc.wHour, 6);
    EXPECT_EQ(utc.wMinute, 30);
    const SYSTEMTIME local = LocalSystemTime(t);
    EXPECT_EQ(local, (SYSTEMTIME{2026, 12, 0, 6, 12, 0, 0, 0}));  // a Sunday
}

}  // namespace
}  // namespace velmora
