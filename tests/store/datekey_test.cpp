#include <gtest/gtest.h>

#include "platform/clock.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

class DateKeyTest : public test::StoreTest {
protected:
    ~DateKeyTest() override { AppSettings = VelmoraSettings(); }
};

// The UTC fields of a stored FILETIME.
SYSTEMTIME Utc(const FILETIME& ft) {
    SYSTEMTIME st{};
    EXPECT_TRUE(FileTimeToSystemTime(ft, st));
    return st;
}

TEST_F(DateKeyTest, NoonInMoscowIsStoredAsNineUtcOfTheSameDay) {
    test::ScopedTimeZone tz("Europe/Moscow");
    const SYSTEMTIME st = Utc(DateKey(CTime(2026, 1, 15, 12, 0, 0), false));
    EXPECT_EQ(st.wYear, 2026);
    EXPECT_EQ(st.wMonth, 1);
    EXPECT_EQ(st.wDay, 15);
    EXPECT_EQ(st.wHour, 9);
    EXPECT_EQ(st.wMinute, 0);
}

TEST_F(DateKeyTest, AnEveningAlarmWestOfUtcFallsOnTheNextUtcDay) {
    test::ScopedTimeZone tz("Atlantic/South_Georgia");  // UTC-2 all year: bias +120
    const SYSTEMTIME st = Utc(DateKey(CTime(2026, 5, 20, 22, 30, 45), true));
    EXPECT_EQ(st.wDay, 21);
    EXPECT_EQ(st.wHour, 0);
    EXPECT_EQ(st.wMinute, 30);
    EXPECT_EQ(st.wSecond, 0);
    // The date key drops the minutes too.
    EXPECT_EQ(Utc(DateKey(CTime(2026, 5, 20, 22, 30, 45), false)).wMinute, 0);
}

struct ZoneCase {
    const char* zone;
    int month;  // a month in winter or summer there
};

// A day at noon and an alarm at 09:15, loaded and saved twenty times, keep their date, hour
// and minute in zones with summer time, half-hour offsets and offsets beyond 12 hours,
// whatever the DaylightSavingTime setting says.
TEST_F(DateKeyTest, TwentySavesChangeNeitherTheDayNorTheAlarm) {
    const ZoneCase cases[] = {
        {"Europe/Moscow", 1},      {"Europe/Berlin", 1},       {"Europe/Berlin", 7},
        {"Asia/Kolkata", 3},       {"America/St_Johns", 1},    {"America/St_Johns", 7},
        {"Pacific/Kiritimati", 6}, {"Australia/Lord_Howe", 1},
    };
    int caseIndex = 0;
    for (const auto& c : cases) {
        ++caseIndex;
        for (bool dstSetting : {false, true}) {
            test::ScopedTimeZone tz(c.zone);
            AppSettings.DaylightSavingTime = dstSetting;
            // A day of its own for each case: the store is shared.
            const int day = 2 * caseIndex + (dstSetting ? 1 : 0);
            ScopedClockPin pin(CTime(2026, c.month, day, 7, 0, 0));
            CVelmoraMFCDoc doc;
            doc.OpenDay(2026, c.month, day);
            doc.m_alarm = true;
            doc.m_alarmType[1] = 7;
            doc.m_alarmTime[1] = CTime(2026, c.month, day, 9, 15, 0);
            ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
            for (int i = 0; i < 20; ++i) {
                CVelmoraMFCDoc d;
                ASSERT_TRUE(d.OpenDay(2026, c.month, day)) << c.zone << " save " << i;
                const LocalTime date = d.m_date.Local();
                const LocalTime alarm = d.m_alarmTime[1].Local();
                ASSERT_EQ(date.day, day) << c.zone;
                ASSERT_EQ(date.hour, 12) << c.zone << " save " << i;
                ASSERT_EQ(date.minute, 0);
                ASSERT_EQ(alarm.day, day) << c.zone;
                ASSERT_EQ(alarm.hour, 9) << c.zone << " save " << i;
                ASSERT_EQ(alarm.minute, 15) << c.zone << " save " << i;
                ASSERT_EQ(d.SaveDay(), SaveDayResult::Saved);
            }
        }
    }
    EXPECT_EQ(boxes.Count(), 0u);
}

// Days written in one zone are still the same calendar days when read in another half a
// world away, because a day is stored at its noon.
TEST_F(DateKeyTest, DaysStayOnTheirDateAcrossSwitchDays) {
    test::ScopedTimeZone tz("Europe/Berlin");
    CVelmoraMFCDoc doc;
    // Every day around both switches of 2026.
    for (int m : {3, 10}) {
        for (int d = 20; d <= 31; ++d) {
            doc.OpenDay(2026, m, d);
            doc.m_fluid = 1;
            ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
        }
    }
    for (int m : {3, 10}) {
        for (int d = 20; d <= 31; ++d) {
            CVelmoraMFCDoc back;
            ASSERT_TRUE(back.OpenDay(2026, m, d));
            EXPECT_EQ(back.m_date.GetDay(), d);
            EXPECT_EQ(back.m_date.GetHour(), 12);
        }
    }
}

}  // namespace
}  // namespace velmora
