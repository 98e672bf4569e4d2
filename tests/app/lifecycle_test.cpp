#include "reminders/reminderthread.h"
#include "reminders/sharedstate.h"
#include "reminders/soundmixer.h"
#include "store/password.h"
#include "store/velmoradoc.h"
#include "tests/app/apptest.h"
#include "ui/kit/qtmessagebox.h"

namespace velmora {
namespace {

using test::AppTest;

class LifecycleTest : public AppTest {
protected:
    // Stores an alarm of `type` in `slot` of the day, at hour:minute of that day.
    static void SetAlarm(int year, int month, int day, int slot, int type, int hour, int minute) {
        CVelmoraMFCDoc doc;
        doc.OpenDay(year, month, day);
        doc.m_alarm = true;
        doc.m_alarmType[slot] = static_cast<uint16_t>(type);
        doc.m_alarmTime[slot] = CTime(year, month, day, hour, minute, 0);
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
};

TEST_F(LifecycleTest, AnAlarmThatFallsDueWhileTheProgramRunsIsShown) {
    Clock::Pin(CTime(2026, 12, 6, 9, 14, 30));
    SetAlarm(2026, 12, 6, 2, 7, 9, 15);
    Start();
    ASSERT_NE(app->Reminders(), nullptr);
    ASSERT_TRUE(app->Reminders()->ScanNow());
    EXPECT_EQ(boxes.Count(), 0u);
    Clock::Pin(CTime(2026, 12, 6, 9, 15, 10));
    ASSERT_TRUE(app->Reminders()->ScanNow());
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Reminder at  09:15 \nPill");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Alarm");
    EXPECT_TRUE(boxes.Boxes()[0].topmost);
}

// The end comes while a reminder box is on show and its sound plays: the reminder thread is
// joined with the box still posted, the box is closed, and the mixer goes last. This test
// also runs under ThreadSanitizer.
TEST_F(LifecycleTest, TheProgramEndsInOrderWhileAReminderIsPostedAndSounding) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Clock::Pin(CTime(2026, 12, 6, 9, 14, 30));
    SetAlarm(2026, 12, 6, 1, 9, 9, 15);
    Start([](AppOptions& o) {
        o.sound = true;
        o.qtMessageBoxes = true;  // the real, posted box
    });
    ASSERT_NE(app->Mixer(), nullptr);
    ASSERT_TRUE(app->Reminders()->ScanNow());
    Clock::Pin(CTime(2026, 12, 6, 9, 15, 10));
    ASSERT_TRUE(app->Reminders()->ScanNow());
    ASSERT_TRUE(test::PumpUntil([] { return OpenPostedMessageBoxes() == 1; }));
    ASSERT_TRUE(app->Mixer()->IsOpen());
    app.reset();  // the program ends with the box open and the sound playing
    EXPECT_EQ(OpenPostedMessageBoxes(), 0);
    EXPECT_EQ(TheSoundMixer.load(), nullptr);
    unsetenv("SDL_AUDIODRIVER");
}

TEST_F(LifecycleTest, TheExitRoutineSavesSettingsAndSchedulesTheNextAlarm) {
    SetAlarm(2026, 12, 8, 0, 4, 18, 30);
    Start();
    AppSettings.CycleLength = 30;
    app.reset();  // the program ends
    EXPECT_EQ(profile->Raw("Velmora", "CycleLength"), "30");
    EXPECT_EQ(profile->Raw("Velmora", "AlarmType"), "4");
    ASSERT_EQ(scheduler->calls.size(), 1u);
    EXPECT_FALSE(scheduler->calls[0].withdraw);
    EXPECT_EQ(scheduler->calls[0].when, CTime(2026, 12, 8, 18, 30, 0));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(LifecycleTest, ACancelledPasswordEndsTheProgramButTheExitRoutineStillRuns) {
    profile->WriteProfileString("Velmora", "PasswordHash", HashPassword("secret"));
    app = std::make_unique<CVelmoraMFCApp>(*qApp, TestOptions());
    int asked = 0;
    app->promptForPassword = [&] { return ++asked < 3 ? kPromptWrong : kPromptCancelled; };
    EXPECT_FALSE(app->InitInstance());
    EXPECT_EQ(asked, 3);  // asked again after every wrong entry
    EXPECT_EQ(app->PasswordPromptResult(), kPromptCancelled);
    EXPECT_EQ(app->MainFrame(), nullptr);  // no window was made
    profile->ClearWriteLog();
    app->ExitInstance();
    EXPECT_EQ(profile->WriteLog().size(), 15u);
    EXPECT_TRUE(PasswordMatches(profile->Raw("Velmora", "PasswordHash").value_or(""), "secret"));
}

}  // namespace
}  // namespace velmora
