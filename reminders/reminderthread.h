#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <set>
#include <thread>
#include <tuple>

#include "platform/clock.h"
#include "platform/ctime.h"

namespace velmora {

class CVelmoraMFCDoc;

// An alarm of a day that has come due.
struct DueAlarm {
    CTime day;   // the day it belongs to (its date at 12:00)
    int slot;    // 0-3
    int type;    // the alarm type code, never 0
    CTime time;  // when it is due
};

// Decides which alarms are due, scan after scan. Each alarm (day, slot, time) fires once
// while the program runs: when a scan first sees its minute reached, however late that
// scan comes (the start picture, the password prompt or a busy machine may delay it).
// Alarms due before the minute the program started in are never shown, nor are alarms
// whose minute had passed before a scan could have seen them (one set in the past). A scan
// that could not read the whole store leaves its minutes to the next one, and a clock put
// back takes the watch back with it.
class AlarmWatch {
public:
    explicit AlarmWatch(CTime programStart);

    // Walks every day of the store through `doc` and calls `fire` for each alarm that has
    // come due and has not fired, in store order and, within a day, slots 3 to 0. False when
    // there is no store yet.
    bool Scan(CVelmoraMFCDoc& doc, CTime now, const std::function<void(const DueAlarm&)>& fire);

private:
    int64_t m_fromMinute;  // the first minute (seconds / 60) not yet fully examined
    std::set<std::tuple<int64_t, int, int64_t>> m_fired;  // day, slot, time
};

// The thread that watches the alarms while the program runs. It reads the store through a
// document and connection of its own, shows each reminder as a posted (non-blocking),
// topmost box with the caption "Alarm", and plays the alarm sound whatever the Sounds
// setting, when a mixer exists. A listener, when set, hears of each reminder after its box
// (the window layer sends it to the desktop as a notification).
//
// Start-up: construct it early (its construction time is the program's start), Start() it,
// and call MixerSettled() once the mixer has been created or has failed to be: the thread
// does nothing before. Exit: Stop() (joins) before the mixer is closed.
class ReminderThread {
public:
    static constexpr std::chrono::milliseconds kScanInterval{2000};

    explicit ReminderThread(CTime programStart = Clock::Now());
    ~ReminderThread();
    ReminderThread(const ReminderThread&) = delete;
    ReminderThread& operator=(const ReminderThread&) = delete;

    void Start();
    // Called on this thread with each alarm that comes due, after its box has been posted.
    // It must return quickly and never wait for another thread. Any thread may set or clear
    // it; once this returns, the listener it replaced is not called again.
    using Listener = std::function<void(const DueAlarm&)>;
    void SetListener(Listener listener);
    // Start-up has finished with the mixer (TheSoundMixer is set, or will stay null).
    void MixerSettled();
    // Scan again now, without waiting for the next turn (a second start of the program
    // handed over to this one, or the alarms changed).
    void Rescan();
    // Asks for a scan and waits until one that began after the call has finished. False
    // when none finished within `timeout` (stopped, or still waiting for the mixer).
    bool ScanNow(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // Tells the thread to end and waits for it; its sleep is cut short.
    void Stop();

private:
    void Run();

    const CTime m_programStart;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_mixerSettled = false;
    bool m_stop = false;
    bool m_finished = false;
    uint64_t m_requested = 0;  // scans asked for
    uint64_t m_completed = 0;  // the request count a finished scan began under
    std::mutex m_listenerMutex;  // held while the listener runs
    Listener m_listener;
};

}  // namespace velmora
