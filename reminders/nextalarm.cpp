#include "reminders/nextalarm.h"

#include "platform/clock.h"
#include "store/settings.h"
#include "store/velmoradoc.h"

namespace velmora {

std::optional<NextAlarm> FindNextAlarm(CTime now) {
    std::optional<NextAlarm> best;
    CVelmoraMFCDoc doc;
    doc.ForEachDayWithAlarms([&](CVelmoraMFCDoc& day) {
        for (int slot = 3; slot >= 0; --slot) {
            const int type = day.m_alarmType[slot];
            const CTime t = day.m_alarmTime[slot];
            if (type != 0 && t > now && (!best || t < best->when)) {
                best = NextAlarm{t, type};
            }
        }
        return true;
    });
    if (doc.m_db.IsOpen()) {
        doc.m_db.Close();
    }
    return best;
}

void ScheduleNextAlarm(IProfileStore& profile, IStartScheduler& scheduler) {
    const std::optional<NextAlarm> next = FindNextAlarm(Clock::Now());
    if (!next) {
        scheduler.Withdraw();
        return;
    }
    SaveAlarmType(profile, next->type);
    scheduler.Schedule(next->when, ProgramExecutablePath());
}

}  // namespace velmora
