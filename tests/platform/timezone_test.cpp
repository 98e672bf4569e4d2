#include <gtest/gtest.h>

#include <ctime>
#include <random>

#include "platform/timezone.h"

namespace velmora {
namespace {

TEST(TimeZoneTest, SystemTimesToFileTimesAndOutOfRangeFieldsRefused) {
    constexpr uint64_t kRefused = ~0ULL;
    const std::pair<SYSTEMTIME, uint64_t> cases[] = {
        {{1601, 1, 0, 1, 0, 0, 0, 0}, 0},
        {{1970, 1, 0, 1, 0, 0, 0, 0}, 116444736000000000ULL},
        {{2000, 1, 0, 1, 0, 0, 0, 0}, 125911584000000000ULL},
        {{2024, 2, 0, 29, 23, 59, 59, 999}, 133537247999990000ULL},
        {{2023, 2, 0, 29, 0, 0, 0, 0}, kRefused},
        {{2024, 13, 0, 1, 0, 0, 0, 0}, kRefused},
        {{2024, 1, 0, 1, 24, 0, 0, 0}, kRefused},
        {{2024, 1, 0, 1, 0, 60, 0, 0}, kRefused},
        {{2024, 1, 0, 1, 0, 0, 60, 0}, kRefused},
        {{2024, 1, 0, 1, 0, 0, 0, 1000}, kRefused},
        {{2024, 1, 0, 0, 0, 0, 0, 0}, kRefused},
        {{1600, 12, 0, 31, 0, 0, 0, 0}, kRefused},
    };
    for (const auto& [st, want] : cases) {
        SCOPED_TRACE(::testing::Message() << st.wYear << "-" << st.wMonth << "-" << st.wDay);
        FILETIME ft = FILETIME::FromValue(7);
        EXPECT_EQ(SystemTimeToFileTime(st, ft), want != kRefused);
        EXPECT_EQ(ft.Value(), want != kRefused ? want : 7);
    }
    SYSTEMTIME st;
    EXPECT_FALSE(FileTimeToSystemTime(FILETIME::FromValue(0x8000000000000000ULL), st));
}

// File times against the C library's reading of the same instants, and back.
TEST(TimeZoneTest, FileTimesReadAsTheCLibraryReadsThemAndRoundTrip) {
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<uint64_t> dist(0, 2650467743999999999ULL);  // up to 9999
    for (int i = 0; i < 20000; ++i) {
        const uint64_t v = dist(rng) / 10000 * 10000;  // whole milliseconds
        SYSTEMTIME st;
        ASSERT_TRUE(FileTimeToSystemTime(FILETIME::FromValue(v), st));
        const std::time_t unix = static_cast<std::time_t>(v / 10000000) - 11644473600LL;
        std::tm tm{};
        ASSERT_NE(gmtime_r(&unix, &tm), nullptr);
        const SYSTEMTIME want{
            static_cast<uint16_t>(tm.tm_year + 1900), static_cast<uint16_t>(tm.tm_mon + 1),
            static_cast<uint16_t>(tm.tm_wday),        static_cast<uint16_t>(tm.tm_mday),
            static_cast<uint16_t>(tm.tm_hour),        static_cast<uint16_t>(tm.tm_min),
            static_cast<uint16_t>(tm.tm_sec),         static_cast<uint16_t>(v / 10000 % 1000)};
        ASSERT_EQ(st, want) << v;
        FILETIME back;
        ASSERT_TRUE(SystemTimeToFileTime(st, back));
        EXPECT_EQ(back.Value(), v);
    }
}

}  // namespace
}  // namespace velmora
