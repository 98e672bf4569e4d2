#include "reminders/alarmtext.h"

#include <cstdio>

#include "store/velmoradoc.h"

namespace velmora {

std::string FormatAlarmTime(CTime t, int timeFormat) {
    const LocalTime lt = t.Local();
    char text[16];
    switch (timeFormat) {
        case 0:
            std::snprintf(text, sizeof text, "%02d:%02d", lt.hour, lt.minute);
            return text;
        case 1: {
            const int hour = lt.hour % 12 == 0 ? 12 : lt.hour % 12;
            std::snprintf(text, sizeof text, "%02d:%02d %s", hour, lt.minute,
                          lt.hour < 12 ? "AM" : "PM");
            return text;
        }
        default:
            return {};
    }
}

std::vector<std::string> ReminderParts(CTime t, int timeFormat, int alarmType) {
    return {FormatAlarmTime(t, timeFormat), AlarmTypeName(alarmType)};
}

std::string ReminderText(CTime t, int timeFormat, int alarmType) {
    return FillPattern(kReminderPattern, ReminderParts(t, timeFormat, alarmType));
}

}  // namespace velmora
