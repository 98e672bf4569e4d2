#pragma once

#include <atomic>

namespace velmora {

class CSoundMixer;

// The little state the program shares between its threads.

// The sound mixer: set at the end of start-up, cleared at exit before the mixer is closed
// and deleted. Null while there is none; every sound is then skipped. The reminder thread
// is stopped before the mixer goes, so a pointer it read stays valid while it uses it.
extern std::atomic<CSoundMixer*> TheSoundMixer;

// Set once, first thing in the exit routine; threads that watch it end.
extern std::atomic<bool> ExitRequested;

// The sounds in the program's resources.
inline constexpr int kWaveAlarm = 235;
inline constexpr int kWaveCalendarTap = 329;
inline constexpr int kWaveDayViewButton = 330;
inline constexpr int kWaveCheckBox = 331;
inline constexpr int kWaveTabChange = 332;

// Plays an interface click (329-332) when the Sounds setting is on and a mixer exists. For
// the interface thread (it reads the Sounds setting).
void PlayInterfaceSound(int waveId);

// The reminder thread's copy of the TimeFormat setting. The interface thread sets it after
// loading the settings and whenever the settings change; the thread reads only this.
void SetReminderTimeFormat(int timeFormat);
int ReminderTimeFormat();

}  // namespace velmora
