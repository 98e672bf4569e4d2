#pragma once

#include <optional>

#include "platform/ctime.h"
#include "platform/profile.h"
#include "reminders/startscheduler.h"

namespace velmora {

struct NextAlarm {
    CTime when;
    int type = 0;
};

// The earliest alarm strictly after `now` among all days of the store; among equal times
// the first met (days in store order, slots 3 to 0) wins. None when there is no store or no
// such alarm. Reads through a document of its own.
std::optional<NextAlarm> FindNextAlarm(CTime now);

// The exit step: finds the next alarm after the current time, remembers its type in the
// AlarmType setting and asks `scheduler` to start the program then; with no alarm ahead,
// withdraws the earlier registration instead. An alarm in the current minute is not ahead.
void ScheduleNextAlarm(IProfileStore& profile, IStartScheduler& scheduler);

}  // namespace velmora
