#include "reminders/sharedstate.h"

#include "reminders/sound.h"
#include "reminders/soundmixer.h"
#include "store/settings.h"

namespace velmora {

std::atomic<CSoundMixer*> TheSoundMixer{nullptr};
std::atomic<bool> ExitRequested{false};

namespace {
std::atomic<int> g_reminderTimeFormat{0};
}  // namespace

void PlayInterfaceSound(int waveId) {
    if (!SoundsEnabled) {
        return;
    }
    CSoundMixer* mixer = TheSoundMixer.load(std::memory_order_acquire);
    if (!mixer) {
        return;
    }
    CSound sound;
    if (sound.LoadWaveResource(waveId)) {
        mixer->PlaySound(sound);
    }
}

void SetReminderTimeFormat(int timeFormat) {
    g_reminderTimeFormat.store(timeFormat, std::memory_order_relaxed);
}

int ReminderTimeFormat() {
    return g_reminderTimeFormat.load(std::memory_order_relaxed);
}

}  // namespace velmora
