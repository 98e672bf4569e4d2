// The reminder thread with the clock pinned: what is shown, when, and how often.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <condition_variable>
#include <mutex>

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

struct Alarm {
    int year, month, day, slot, type, hour, minute;
};

void SetAlarm(const Alarm& a) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(a.year, a.month, a.day);
    doc.m_alarm = true;
    doc.m_alarmType[a.slot] = static_cast<uint16_t>(a.type);
    doc.m_alarmTime[a.slot] = CTime(a.year, a.month, a.day, a.hour, a.minute, 0);
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
}

class ReminderTest : public test::StoreTest {
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
    struct Case {
        int hour, minute;
        const char *h24, *h12;
    } cases[] = {
        {12, 30, "12:30", "12:30 PM"}, {0, 5, "00:05", "12:05 AM"},   {13, 7, "13:07", "01:07 PM"},
        {9, 30, "09:30", "09:30 AM"},  {23, 59, "23:59", "11:59 PM"}, {12, 0, "12:00", "12:00 PM"},
        {0, 0, "00:00", "12:00 AM"},   {11, 59, "11:59", "11:59 AM"}, {10, 10, "10:10", "10:10 AM"},
    };
    for (const Case& c : cases) {
        const CTime t(2026, 2, 3, c.hour, c.minute, 42);
        EXPECT_EQ(FormatAlarmTime(t, 0), c.h24);
        EXPECT_EQ(FormatAlarmTime(t, 1), c.h12);
        EXPECT_EQ(FormatAlarmTime(t, 2), "");
        EXPECT_EQ(FormatAlarmTime(t, -1), "");
    }
    const CTime t(2026, 2, 3, 13, 7, 0);
    EXPECT_EQ(ReminderText(t, 1, 7), "Reminder at  01:07 PM \nPill");
    EXPECT_EQ(ReminderText(t, 0, 9), "Reminder at  13:07 \nAlarm");
    EXPECT_EQ(ReminderText(t, 5, 1), "Reminder at   \nAppointment");
    for (const int type : {10, -3, 65535}) {
        EXPECT_EQ(ReminderText(t, 0, type), "Reminder at  13:07 \nNone");
    }
}

// The running thread, scanning when asked: each step pins the clock (the first one as
// start-up ends), saves alarms, scans twice and sees which reminders appear.
TEST_F(ReminderTest, EachAlarmIsShownOnceWhenItsMinuteComes) {
    struct Step {
        CTime now;
        std::vector<Alarm> set;  // saved before the scans
        Texts shown;
        int timeFormat = 0;
    };
    struct Scenario {
        const char* name;
        CTime start;
        std::vector<Alarm> alarms;
        std::vector<Step> steps;
    };
    // One store for all, in the order of their dates: alarms of an earlier scenario are past.
    const Scenario scenarios[] = {
        {"without a store the thread keeps watching until one appears",
         CTime(2026, 3, 1, 8, 0, 0),
         {},
         {{CTime(2026, 3, 1, 8, 0, 0), {}, {}},
          {CTime(2026, 3, 1, 8, 1, 0),
           {{2026, 3, 1, 3, 1, 8, 1}},
           {"Reminder at  08:01 \nAppointment"}}}},
        // The interface changes TimeFormat; the thread uses the new one from then on.
        {"the next minute and a later day at the same time",
         CTime(2026, 5, 21, 9, 10, 0),
         {{2026, 5, 21, 0, 9, 9, 15}, {2026, 5, 21, 1, 8, 9, 16}, {2026, 5, 22, 0, 5, 9, 15}},
         {{CTime(2026, 5, 21, 9, 15, 5), {}, {"Reminder at  09:15 \nAlarm"}},
          {CTime(2026, 5, 21, 9, 16, 0), {}, {"Reminder at  09:16 AM \nShopping"}, 1},
          {CTime(2026, 5, 22, 9, 15, 30), {}, {"Reminder at  09:15 AM \nParty"}, 1}}},
        // Alarms before the program started never show; those due during the password
        // prompt show at the first scan. An alarm set for a minute that has passed never
        // shows, one set for the current minute does, and saving a day again does not bring
        // back its alarm that fired. Putting the clock back brings back none that fired;
        // the 00:00 alarm, set when its minute had passed, comes due as the clock reaches
        // that minute again.
        {"an alarm due during start-up fires once at the first scan",
         CTime(2026, 12, 31, 23, 58, 20),
         {{2026, 12, 31, 0, 1, 23, 57},
          {2026, 12, 31, 1, 6, 23, 58},
          {2026, 12, 31, 2, 4, 23, 59},
          {2027, 1, 1, 0, 5, 0, 1}},
         {{CTime(2027, 1, 1, 0, 0, 40),
           {},
           {"Reminder at  23:59 \nBirthday", "Reminder at  23:58 \nConcert"}},
          {CTime(2027, 1, 1, 0, 1, 10), {}, {"Reminder at  00:01 \nParty"}},
          {CTime(2027, 1, 1, 0, 1, 10),
           {{2027, 1, 1, 1, 7, 0, 0}, {2027, 1, 1, 2, 8, 0, 1}},
           {"Reminder at  00:01 \nShopping"}},
          {CTime(2026, 12, 31, 23, 59, 10), {}, {}},
          {CTime(2027, 1, 1, 0, 1, 50), {}, {"Reminder at  00:00 \nPill"}}}},
    };
    for (const Scenario& s : scenarios) {
        SCOPED_TRACE(s.name);
        boxes.Clear();
        Clock::Pin(s.start);
        for (const Alarm& a : s.alarms) {
            SetAlarm(a);
        }
        ReminderThread thread;  // the program starts now
        thread.Start();
        // Start-up is not over: the thread does not scan yet.
        EXPECT_FALSE(thread.ScanNow(std::chrono::milliseconds(100)));
        Texts all;
        for (size_t i = 0; i < s.steps.size(); ++i) {
            const Step& step = s.steps[i];
            SCOPED_TRACE(i);
            Clock::Pin(step.now);
            SetReminderTimeFormat(step.timeFormat);
            if (i == 0) {
                thread.MixerSettled();
            }
            for (const Alarm& a : step.set) {
                SetAlarm(a);
            }
            ASSERT_TRUE(thread.ScanNow());
            ASSERT_TRUE(thread.ScanNow());
            all.insert(all.end(), step.shown.begin(), step.shown.end());
            EXPECT_EQ(boxes.Texts(), all);
        }
        thread.Stop();
        for (const MessageBoxRequest& b : boxes.Boxes()) {
            EXPECT_EQ(b.caption, "Alarm");
            EXPECT_EQ(b.icon, MbIcon::Warning);
            EXPECT_EQ(b.buttons, MbButtons::Ok);
            EXPECT_EQ(b.owner, kNoOwner);
            EXPECT_TRUE(b.topmost);
        }
    }
}

// The clock is put back while the program runs: the minutes it goes back over come due
// again, an alarm set after the correction included, and nothing fires twice. One scan
// finds every slot due, slot 3 first.
TEST_F(ReminderTest, AClockPutBackTakesTheWatchBackWithIt) {
    Clock::Pin(CTime(2026, 5, 14, 10, 0, 0));
    SetAlarm({2026, 5, 14, 0, 9, 10, 5});
    SetAlarm({2026, 5, 14, 3, 7, 10, 5});
    AlarmWatch watch(Clock::Now());
    CVelmoraMFCDoc doc;
    struct Step {
        int hour, minute;
        int setSlot;  // an alarm set for 10:02 in this slot before the scan, or -1
        Texts fired;  // slot, type and time of those that fire
    } steps[] = {
        {10, 10, -1, {"3 7 10:05", "0 9 10:05"}},
        {9, 58, -1, {}},             // the clock is put back
        {10, 1, 1, {}},              // an alarm set for 10:02 after the correction
        {10, 3, -1, {"1 3 10:02"}},  // ... fires when the clock reaches it
        {10, 6, -1, {}},             // the 10:05 alarms fired already
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.hour * 100 + s.minute);
        if (s.setSlot >= 0) {
            SetAlarm({2026, 5, 14, s.setSlot, 3, 10, 2});
        }
        Texts fired;
        watch.Scan(doc, CTime(2026, 5, 14, s.hour, s.minute, 0), [&](const DueAlarm& a) {
            EXPECT_EQ(a.day, CTime(2026, 5, 14, 12, 0, 0));
            fired.push_back(std::to_string(a.slot) + " " + std::to_string(a.type) + " " +
                            FormatAlarmTime(a.time, 0));
            EXPECT_EQ(a.time.GetSecond(), 0);
        });
        EXPECT_EQ(fired, s.fired);
    }
}

// A scan cut short by the store (a read failing at any point of it) leaves its minutes to
// the next scan: every due alarm still fires, once.
TEST_F(ReminderTest, AScanThatCouldNotReadTheStoreLeavesItsMinutesOpen) {
    Clock::Pin(CTime(2026, 5, 14, 10, 0, 0));
    for (int day = 1; day <= 28; ++day) {
        SetAlarm({2026, 4, day, 0, 1, 10, 0});  // past days that make the walk long
    }
    SetAlarm({2026, 5, 14, 2, 9, 10, 5});
    test::FaultVfs vfs;
    // Two scans in one minute; the first with the read after `k` failing (none when -1).
    auto scans = [&](int k) {
        AlarmWatch watch(Clock::Now());
        CVelmoraMFCDoc doc;
        ObjectStore::CloseThreadConnection();  // the scan reads every page afresh
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

TEST_F(ReminderTest, AnAlarmDueWhileAReminderIsOpenStillFires) {
    // Nobody answers a box that waits for its answer: were the reminder shown that way, the
    // thread would hang in the first one.
    std::mutex m;
    std::condition_variable cv;
    bool answered = false;
    MessageBoxHandler previous = SetMessageBoxHandler([&](const MessageBoxRequest&) {
        std::unique_lock lock(m);
        cv.wait(lock, [&] { return answered; });
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
        ASSERT_EQ(boxes.Count(), 1u);  // still open: posted boxes are never answered here
        Clock::Advance(60);
        EXPECT_TRUE(thread.ScanNow(std::chrono::seconds(20)));
        EXPECT_EQ(boxes.Texts(),
                  (Texts{"Reminder at  22:00 \nAnniversary", "Reminder at  22:01 \nDate"}));
        {
            std::lock_guard lock(m);
            answered = true;
        }
        cv.notify_all();
    }
    SetMessageBoxHandler(std::move(previous));
}

TEST_F(ReminderTest, LeftToItselfTheThreadNoticesANewMinuteAndAChangedStore) {
    Clock::Pin(CTime(2026, 4, 2, 9, 14, 0));
    SetAlarm({2026, 4, 2, 0, 1, 9, 15});
    SetAlarm({2026, 4, 2, 1, 2, 9, 16});
    ReminderThread thread;
    thread.Start();
    Clock::Pin(CTime(2026, 4, 2, 9, 15, 10));
    thread.MixerSettled();
    // No scans asked for from here on: the thread's own turns must find everything.
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
        // Stopped before start-up finished (a cancelled password prompt).
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
    EXPECT_FALSE(thread.ScanNow());  // it ends instead of scanning
    SetAlarm({2026, 3, 1, 0, 1, 8, 0});
    thread.Stop();
    EXPECT_EQ(boxes.Count(), 0u);
}

class ReminderSoundTest : public test::DiskAudioTest {
protected:
    ReminderSoundTest() : tz("Europe/Berlin") { ExitRequested = false; }
    test::ScopedTimeZone tz;
};

TEST_F(ReminderSoundTest, TheAlarmSoundPlaysWhateverTheSoundsSetting) {
    test::Bytes alarm;
    for (int i = 0; i < 200; ++i) {
        alarm.push_back(static_cast<uint8_t>(i % 2 ? 30 + i / 4 : 220 - i / 4));
    }
    waves.Add(kWaveAlarm, test::MonoWave(11025, alarm));
    const bool saved = SoundsEnabled;
    SoundsEnabled = false;

    Clock::Pin(CTime(2026, 6, 6, 6, 5, 50));
    SetAlarm({2026, 6, 6, 0, 7, 6, 6});
    ReminderThread thread;
    thread.Start();
    CSoundMixer mixer;
    ASSERT_TRUE(mixer.Open(22050, true));
    TheSoundMixer = &mixer;
    thread.MixerSettled();
    Clock::Advance(20);
    ASSERT_TRUE(thread.ScanNow());
    EXPECT_EQ(boxes.Texts(), (Texts{"Reminder at  06:06 \nPill"}));
    PlayOut(mixer);
    thread.Stop();  // before the mixer goes, as at exit
    TheSoundMixer = nullptr;
    mixer.Close();
    SoundsEnabled = saved;

    const std::string expected = test::ExpectedOutput({test::Contribution(alarm, 11025, 22050)}, 2);
    EXPECT_NE(Output().find(expected), std::string::npos);
}

}  // namespace
}  // namespace velmora
