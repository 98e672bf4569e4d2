#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/ctime.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

using test::ScopedTimeZone;

TEST(CTimeTest, FieldsOfKnownInstantsInUtc) {
    ScopedTimeZone utc("UTC");
    // Instants whose values are well known.
    EXPECT_EQ(CTime(1970, 1, 1, 0, 0, 0).GetTime(), 0);
    EXPECT_EQ(CTime(2000, 1, 1, 0, 0, 0).GetTime(), 946684800);
    EXPECT_EQ(CTime(2038, 1, 19, 3, 14, 8).GetTime(), 2147483648LL);  // one past 32 bits
    EXPECT_EQ(CTime(2106, 2, 7, 6, 28, 16).GetTime(), 4294967296LL);
    const LocalTime lt = CTime(4102444800LL).Local();  // 2100-01-01
    EXPECT_EQ(lt.year, 2100);
    EXPECT_EQ(lt.month, 1);
    EXPECT_EQ(lt.day, 1);
    EXPECT_EQ(lt.dayOfWeek, 6);  // a Friday
}

TEST(CTimeTest, ConstructionNormalisesLikeTheCLibrary) {
    ScopedTimeZone moscow("Europe/Moscow");
    EXPECT_EQ(CTime(2024, 3, 10, -1, 0, 0), CTime(2024, 3, 9, 23, 0, 0));
    EXPECT_EQ(CTime(2024, 1, 32, 12, 0, 0), CTime(2024, 2, 1, 12, 0, 0));
    EXPECT_EQ(CTime(2023, 13, 1, 12, 0, 0), CTime(2024, 1, 1, 12, 0, 0));
    EXPECT_EQ(CTime(2024, 3, 1, 24, 30, 0), CTime(2024, 3, 2, 0, 30, 0));
    EXPECT_EQ(CTime(2024, 2, 29, 12, 0, 0).GetDayOfWeek(), 5);  // Thursday
}

TEST(CTimeTest, DaylightFlagChoosesBetweenTheTwoReadingsOfAnHour) {
    ScopedTimeZone berlin("Europe/Berlin");
    // 27 October 2024, 02:30 happened twice in Berlin.
    const CTime summer(2024, 10, 27, 2, 30, 0, 1);
    const CTime winter(2024, 10, 27, 2, 30, 0, 0);
    EXPECT_EQ(winter - summer, 3600);
    EXPECT_EQ(summer.Local().isDst, 1);
    EXPECT_EQ(winter.Local().isDst, 0);
    EXPECT_EQ(summer.GetHour(), 2);
    EXPECT_EQ(winter.GetHour(), 2);
}

TEST(CTimeTest, NoonStepsByWholeDaysAcrossSwitchDays) {
    ScopedTimeZone berlin("Europe/Berlin");
    // Days at noon stay at noon (give or take the switch hour) and never skip a date.
    CTime t(2024, 3, 25, 12, 0, 0);
    for (int i = 0; i < 400; ++i) {
        const CTime next = t + kSecondsPerDay;
        const LocalTime a = t.Local();
        const LocalTime b = next.Local();
        const long long da = DaysFromCivil(a.year, a.month, a.day);
        const long long db = DaysFromCivil(b.year, b.month, b.day);
        EXPECT_EQ(db - da, 1) << a.year << "-" << a.month << "-" << a.day;
        EXPECT_GE(b.hour, 11);
        EXPECT_LE(b.hour, 13);
        t = CTime(b.year, b.month, b.day, 12, 0, 0);
    }
}

TEST(CalendarTest, MonthLengthsMatchTheDistanceBetweenFirstDays) {
    ScopedTimeZone utc("UTC");
    for (int year = 1890; year <= 2110; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const CTime first(year, month, 1, 0, 0, 0);
            const CTime next(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1, 0, 0,
                             0);
            EXPECT_EQ(DaysInMonth(year, month), (next - first) / kSecondsPerDay)
                << year << "-" << month;
        }
    }
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2024, 0), 0);
    EXPECT_EQ(DaysInMonth(2024, 13), 0);
}

TEST(CalendarTest, CivilDaysRoundTrip) {
    for (long long z = -800000; z <= 800000; z += 997) {
        const CivilDate d = CivilFromDays(z);
        EXPECT_EQ(DaysFromCivil(d.year, d.month, d.day), z);
        EXPECT_GE(d.day, 1u);
        EXPECT_LE(static_cast<int>(d.day), DaysInMonth(static_cast<int>(d.year), d.month));
    }
}

TEST(ClockTest, PinAdvanceRelease) {
    const CTime pin(1700000000);
    {
        ScopedClockPin p(pin);
        EXPECT_TRUE(Clock::IsPinned());
        EXPECT_EQ(CTime::GetCurrentTime(), pin);
        Clock::Advance(90);
        EXPECT_EQ(Clock::Now(), pin + 90);
    }
    EXPECT_FALSE(Clock::IsPinned());
    EXPECT_GT(Clock::Now().GetTime(), 1700000000);
}

TEST(ClockTest, ReadersOnOtherThreadsSeeTheClockMoveForwardOnly) {
    ScopedClockPin p(CTime(1000));
    std::atomic<bool> stop{false};
    std::atomic<int> backwards{0};
    std::vector<std::thread> readers;
    for (int i = 0; i < 3; ++i) {
        readers.emplace_back([&] {
            int64_t last = 0;
            while (!stop.load()) {
                const int64_t now = Clock::Now().GetTime();
                if (now < last) {
                    ++backwards;
                }
                last = now;
            }
        });
    }
    for (int i = 0; i < 20000; ++i) {
        Clock::Advance(1);
    }
    stop = true;
    for (auto& t : readers) {
        t.join();
    }
    EXPECT_EQ(backwards.load(), 0);
    EXPECT_EQ(Clock::Now().GetTime(), 21000);
}

}  // namespace
}  // namespace velmora
