#include "reminders/reminderthread.h"

#include <pthread.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "platform/datapaths.h"
#include "platform/messagebox.h"
#include "platform/objectstore.h"
#include "reminders/alarmtext.h"
#include "reminders/sharedstate.h"
#include "reminders/sound.h"
#include "reminders/soundmixer.h"
#include "store/velmoradoc.h"

namespace velmora {

namespace {

int64_t MinuteOf(CTime t) {
    const int64_t s = t.GetTime();
    return s >= 0 ? s / 60 : -((-s + 59) / 60);
}

void ShowReminder(const CSound& alarmSound, const DueAlarm& alarm) {
    if (CSoundMixer* mixer = TheSoundMixer.load(std::memory_order_acquire);
        mixer && alarmSound.data) {
        mixer->PlaySound(alarmSound);
    }
    // Posted, not shown: an open reminder must not hold up the next one.
    PostFilledMessageBox(kReminderPattern,
                         ReminderParts(alarm.time, ReminderTimeFormat(), alarm.type),
                         kReminderCaption, MbIcon::Warning, MbButtons::Ok, kNoOwner,
                         /*topmost=*/true);
}

// What the store files look like from outside. Reading every day costs far more than a
// look at the files, so a turn of the watch reads the store only when this changed, a new
// minute began, or someone asked. (A change that leaves no trace here, two commits in one
// timestamp tick, is still seen at the next minute: the watch catches up on minutes.)
struct FileLook {
    bool exists = false;
    ino_t inode = 0;
    off_t size = 0;
    int64_t mtimeNs = 0;
    bool operator==(const FileLook&) const = default;
};
using StoreLook = std::array<FileLook, 2>;

FileLook LookAt(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        return {};
    }
    return {true, st.st_ino, st.st_size,
            static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

StoreLook LookAtStore() {
    const std::string file = DataPaths::StoreFile();
    return {LookAt(file), LookAt(file + "-wal")};
}

// The watch is background work: one step above idle, out of the interface's way.
void LowerThreadPriority() {
#ifdef __linux__
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
}

}  // namespace

AlarmWatch::AlarmWatch(CTime programStart) : m_fromMinute(MinuteOf(programStart)) {}

bool AlarmWatch::Scan(CVelmoraMFCDoc& doc, CTime now,
                      const std::function<void(const DueAlarm&)>& fire) {
    const int64_t nowMinute = MinuteOf(now);
    // A clock put back (a time server's step, a manual fix, a resumed machine) takes the mark
    // back with it: the minutes it went back over come due again as the clock reaches them,
    // alarms set since included. The fired set still keeps each alarm to one box.
    m_fromMinute = std::min(m_fromMinute, nowMinute);
    // Only days saved with alarms set hold alarms: the others are not read.
    const bool exists = doc.ForEachDayWithAlarms([&](CVelmoraMFCDoc& day) {
        for (int slot = 3; slot >= 0; --slot) {
            const int type = day.m_alarmType[slot];
            if (type == 0) {
                continue;
            }
            const CTime time = day.m_alarmTime[slot];
            const int64_t minute = MinuteOf(time);
            if (minute < m_fromMinute || minute > nowMinute) {
                continue;
            }
            if (!m_fired.emplace(day.m_date.GetTime(), slot, time.GetTime()).second) {
                continue;
            }
            fire(DueAlarm{day.m_date, slot, type, time});
        }
        return true;
    });
    // The current minute stays open: an alarm set for it a moment from now still fires. Only
    // a walk that read the whole store moves the mark: the alarms of minutes a busy or
    // failing store kept from view are looked for again at the next scan.
    if (doc.LastWalkComplete()) {
        m_fromMinute = nowMinute;
    }
    return exists;
}

ReminderThread::ReminderThread(CTime programStart) : m_programStart(programStart) {}

ReminderThread::~ReminderThread() {
    Stop();
}

void ReminderThread::Start() {
    std::lock_guard lock(m_mutex);
    if (m_thread.joinable() || m_stop) {
        return;
    }
    m_thread = std::thread(&ReminderThread::Run, this);
}

void ReminderThread::MixerSettled() {
    {
        std::lock_guard lock(m_mutex);
        m_mixerSettled = true;
    }
    m_changed.notify_all();
}

void ReminderThread::SetListener(Listener listener) {
    std::lock_guard listening(m_listenerMutex);
    m_listener = std::move(listener);
}

void ReminderThread::Rescan() {
    {
        std::lock_guard lock(m_mutex);
        ++m_requested;
    }
    m_changed.notify_all();
}

bool ReminderThread::ScanNow(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    if (!m_thread.joinable() || m_finished) {
        return false;
    }
    const uint64_t mine = ++m_requested;
    m_changed.notify_all();
    m_changed.wait_for(lock, timeout, [&] { return m_completed >= mine || m_finished; });
    return m_completed >= mine;
}

void ReminderThread::Stop() {
    std::thread thread;
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        thread = std::move(m_thread);
    }
    m_changed.notify_all();
    if (thread.joinable()) {
        thread.join();
    }
}

void ReminderThread::Run() {
#ifdef __linux__
    pthread_setname_np(pthread_self(), "velmora-remind");
#endif
    LowerThreadPriority();
    {
        // The mixer is made at the end of start-up, after this thread began.
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_stop || m_mixerSettled; });
    }
    {
        CSound alarmSound;
        alarmSound.LoadWaveResource(kWaveAlarm);  // without it reminders show silently
        CVelmoraMFCDoc doc;
        AlarmWatch watch(m_programStart);
        StoreLook lastLook{};
        int64_t lastMinute = std::numeric_limits<int64_t>::min();
        for (;;) {
            uint64_t ticket;
            bool asked;
            {
                std::lock_guard lock(m_mutex);
                if (m_stop || ExitRequested.load(std::memory_order_acquire)) {
                    break;
                }
                asked = m_requested > m_completed;
                ticket = m_requested;
            }
            const CTime now = Clock::Now();
            // Looked at before reading, so a write during the scan shows next turn.
            const StoreLook look = LookAtStore();
            if (asked || MinuteOf(now) != lastMinute || look != lastLook) {
                watch.Scan(doc, now, [&](const DueAlarm& alarm) {
                    ShowReminder(alarmSound, alarm);
                    std::lock_guard listening(m_listenerMutex);
                    if (m_listener) {
                        m_listener(alarm);
                    }
                });
                if (doc.m_db.IsOpen()) {
                    doc.m_db.Close();
                }
                lastLook = look;
                lastMinute = MinuteOf(now);
            }
            std::unique_lock lock(m_mutex);
            m_completed = ticket;
            m_changed.notify_all();
            m_changed.wait_for(lock, kScanInterval, [&] { return m_stop || m_requested > ticket; });
        }
    }
    ObjectStore::CloseThreadConnection();
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_changed.notify_all();
}

}  // namespace velmora
