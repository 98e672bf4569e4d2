#include "reminders/reminderthread.h"
#include "reminders/sharedstate.h"
#include "reminders/soundmixer.h"
#include "tests/app/apptest.h"
#include "ui/kit/qtmessagebox.h"

namespace velmora {
namespace {

using test::AppTest;
using test::SaveAlarm;

using LifecycleTest = AppTest;

// The end comes while a reminder box is on show and its sound plays: the reminder thread is
// joined with the box still posted, the box is closed, and the mixer goes last. This test
// also runs under ThreadSanitizer.
TEST_F(LifecycleTest, TheProgramEndsInOrderWhileAReminderIsPostedAndSounding) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Clock::Pin(CTime(2026, 12, 6, 9, 14, 30));
    SaveAlarm(2026, 12, 6, 1, 9, 9, 15);
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

}  // namespace
}  // namespace velmora
