#include <gtest/gtest.h>
#include <sqlite3.h>

#include <future>

#include "platform/clock.h"
#include "platform/messagebox.h"
#include "reminders/alarmtext.h"
#include "reminders/reminderthread.h"
#include "reminders/sharedstate.h"
#include "reminders/soundmixer.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/reminders/audiotest.h"
#include "tests/support/faultvfs.h"

namespace velmora {
namespace {

using Texts = std::vector<std::string>;
using test::Alarm;
using test::SetAlarm;

class ReminderTest : public test::DiskAudioTest {
protected:
    ReminderTest() : tz("Europe/Berlin") {
        ExitRequested = false;
        TheSoundMixer = nullptr;
        SetReminderTimeFormat(0);
    }
    ~ReminderTest() override {
        ExitRequested = false;
        SetReminderTimeFormat(0);
    }

    test::ScopedTimeZone tz;
};

TEST(AlarmTextTest, TimesReadAsPeopleReadThem) {
    test::ScopedTimeZone tz("Asia/Tokyo");
    const std::pair<int, const char*> cases[] = {
        {0, "12:05 AM"}, {11, "11:05 AM"}, {12, "12:05 PM"}, {13, "01:05 PM"}, {23, "11:05 PM"}};
    for (const auto& [hour, h12] : cases) {
        EXPECT_EQ(FormatAlarmTime(CTime(2026, 2, 3, hour, 5, 42), 1), h12);
    }
    const CTime t(2026, 2, 3, 13, 7, 0);
    EXPECT_EQ(ReminderText(t, 5, 1), "Reminder at   \nAppointment");
    EXPECT_EQ(ReminderText(t, 0, 10), "Reminder at  13:07 \nNone");
}

// Alarms due before the start never show, those due during start-up show at the first scan,
// each alarm once; one set for a passed minute shows once the clock is put back over it. Each
// step pins the clock (the first as start-up ends), saves alarms and scans twice.
TEST_F(ReminderTest, EachAlarmIsShownOnceWhenItsMinuteComes) {
    struct Step {
        CTime now;
        std::vector<Alarm> set;
        Texts shown;
        int timeFormat = 0;
    } steps[] = {
        {CTime(2027, 1, 1, 0, 0, 40),
         {},
         {"Reminder at  23:59 \nBirthday", "Reminder at  23:58 \nConcert"}},
        {CTime(2027, 1, 1, 0, 1, 10), {}, {"Reminder at  00:01 \nParty"}},
        {CTime(2027, 1, 1, 0, 1, 10),
         {{2027, 1, 1, 1, 7, 0, 0}, {2027, 1, 1, 2, 8, 0, 1}},
         {"Reminder at  00:01 \nShopping"}},
        {CTime(2026, 12, 31, 23, 59, 10), {}, {}},
        {CTime(2027, 1, 1, 0, 1, 50), {}, {"Reminder at  12:00 AM \nPill"}, 1},
        {CTime(2027, 1, 2, 0, 1, 0),
         {{2027, 1, 2, 0, 9, 0, 1}},
         {"Reminder at  12:01 AM \nAlarm"},
         1},
    };
    Clock::Pin(CTime(2026, 12, 31, 23, 58, 20));
    for (const Alarm& a : {Alarm{2026, 12, 31, 0, 1, 23, 57}, Alarm{2026, 12, 31, 1, 6, 23, 58},
                           Alarm{2026, 12, 31, 2, 4, 23, 59}, Alarm{2027, 1, 1, 0, 5, 0, 1}}) {
        SetAlarm(a);
    }
    ReminderThread thread;
    thread.Start();
    EXPECT_FALSE(thread.ScanNow(std::chrono::milliseconds(100)));  // start-up is not over
    Texts all;
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        Clock::Pin(steps[i].now);
        SetReminderTimeFormat(steps[i].timeFormat);
        if (i == 0) {
            thread.MixerSettled();
        }
        for (const Alarm& a : steps[i].set) {
            SetAlarm(a);
        }
        ASSERT_TRUE(thread.ScanNow());
        ASSERT_TRUE(thread.ScanNow());
        all.insert(all.end(), steps[i].shown.begin(), steps[i].shown.end());
        EXPECT_EQ(boxes.Texts(), all);
    }
    thread.Stop();
}

// A scan cut short by a failing read at any point leaves its minutes to the next scan.
TEST_F(ReminderTest, AScanThatCouldNotReadTheStoreLeavesItsMinutesOpen) {
    Clock::Pin(CTime(2026, 5, 14, 10, 0, 0));
    for (int day = 1; day <= 28; ++day) {
        SetAlarm({2026, 4, day, 0, 1, 10, 0});
    }
    SetAlarm({2026, 5, 14, 2, 9, 10, 5});
    test::FaultVfs vfs;
    auto scans = [&](int k) {
        AlarmWatch watch(Clock::Now());
        CVelmoraMFCDoc doc;
        ObjectStore::CloseThreadConnection();
        vfs.Heal();
        if (k >= 0) {
            vfs.FailOneReadAfter(k, SQLITE_IOERR_READ);
        }
        int fired = 0;
        auto count = [&](const DueAlarm&) { ++fired; };
        watch.Scan(doc, CTime(2026, 5, 14, 10, 7, 0), count);
        const int reads = vfs.ReadCount();
        vfs.Heal();
        watch.Scan(doc, CTime(2026, 5, 14, 10, 7, 30), count);
        EXPECT_EQ(fired, 1) << "read " << k << " failing";
        ObjectStore::ResetReportsForTesting();
        return reads;
    };
    const int reads = scans(-1);
    EXPECT_GT(reads, 5);
    for (int k = 0; k < reads; ++k) {
        scans(k);
    }
}

// A reminder box waiting for its answer holds up neither the next reminder nor the alarm
// sound, which plays whatever the sounds setting.
TEST_F(ReminderTest, AnAlarmDueWhileAReminderIsOpenStillFiresWithItsSound) {
    const test::Bytes alarm = test::Pattern(200, 5);
    waves.Add(kWaveAlarm, test::MonoWave(11025, alarm));
    const bool saved = SoundsEnabled;
    SoundsEnabled = false;
    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    TheSoundMixer = &mixer;
    std::promise<void> answer;
    std::shared_future<void> answered = answer.get_future().share();
    MessageBoxHandler previous = SetMessageBoxHandler([&](const MessageBoxRequest&) {
        answered.wait();
        return IDOK;
    });

    Clock::Pin(CTime(2026, 8, 1, 21, 59, 50));
    SetAlarm({2026, 8, 1, 0, 2, 22, 0});
    SetAlarm({2026, 8, 1, 1, 3, 22, 1});
    {
        ReminderThread thread;
        thread.Start();
        thread.MixerSettled();
        Clock::Advance(15);
        ASSERT_TRUE(thread.ScanNow(std::chrono::seconds(20)));
        ASSERT_EQ(boxes.Count(), 1u);
        PlayOut(mixer);
        Clock::Advance(60);
        EXPECT_TRUE(thread.ScanNow(std::chrono::seconds(20)));
        EXPECT_EQ(boxes.Texts(),
                  (Texts{"Reminder at  22:00 \nAnniversary", "Reminder at  22:01 \nDate"}));
        answer.set_value();
    }
    SetMessageBoxHandler(std::move(previous));
    TheSoundMixer = nullptr;
    mixer.Close();
    SoundsEnabled = saved;
    const std::string expected = test::ExpectedOutput({test::Contribution(alarm, 11025, 22050)}, 2);
    EXPECT_NE(Output().find(expected), std::string::npos);
}

TEST_F(ReminderTest, LeftToItselfTheThreadNoticesANewMinuteAndAChangedStore) {
    Clock::Pin(CTime(2026, 4, 2, 9, 14, 0));
    ReminderThread thread;  // started before there is a store
    thread.Start();
    SetAlarm({2026, 4, 2, 0, 1, 9, 15});
    SetAlarm({2026, 4, 2, 1, 2, 9, 16});
    Clock::Pin(CTime(2026, 4, 2, 9, 15, 10));
    thread.MixerSettled();
    ASSERT_TRUE(boxes.WaitForCount(1, std::chrono::seconds(60)));
    Clock::Pin(CTime(2026, 4, 2, 9, 16, 5));
    ASSERT_TRUE(boxes.WaitForCount(2, std::chrono::seconds(60)));
    SetAlarm({2026, 4, 2, 3, 3, 9, 16});  // the same minute, the store changed
    ASSERT_TRUE(boxes.WaitForCount(3, std::chrono::seconds(60)));
    thread.Stop();
    EXPECT_EQ(boxes.Texts(),
              (Texts{"Reminder at  09:15 \nAppointment", "Reminder at  09:16 \nAnniversary",
                     "Reminder at  09:16 \nDate"}));
}

TEST_F(ReminderTest, TheThreadEndsOnStopOrTheExitFlag) {
    Clock::Pin(CTime(2026, 3, 1, 8, 0, 0));
    {
        ReminderThread thread;
        thread.Start();
        thread.Stop();
        EXPECT_FALSE(thread.ScanNow(std::chrono::milliseconds(10)));
    }
    ReminderThread thread;
    thread.Start();
    thread.MixerSettled();
    ASSERT_TRUE(thread.ScanNow());
    ExitRequested = true;
    EXPECT_FALSE(thread.ScanNow());
    SetAlarm({2026, 3, 1, 0, 1, 8, 0});
    thread.Stop();
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
}  // namespace velmora
