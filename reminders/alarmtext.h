#pragma once

#include <string>
#include <vector>

#include "platform/ctime.h"
#include "platform/messagebox.h"

namespace velmora {

// The local time of `t` as the reminders and the Alarm History show it: TimeFormat 0 is
// 24-hour "HH:MM"; 1 is 12-hour "HH:MM AM"/"HH:MM PM" as people read it (12:30 is
// "12:30 PM", 00:05 is "12:05 AM"); any other value gives an empty text.
std::string FormatAlarmTime(CTime t, int timeFormat);

// The parts of kReminderPattern for an alarm: its time and its type's name (a code outside
// 0-9 reads "None").
std::vector<std::string> ReminderParts(CTime t, int timeFormat, int alarmType);

// The reminder box's text: "Reminder at  " (two spaces), the time, " \n", the type's name.
std::string ReminderText(CTime t, int timeFormat, int alarmType);

inline constexpr const char* kReminderCaption = QT_TRANSLATE_NOOP("Message", "Alarm");
// The reminder's text with the time (%1) and the type's name (%2) to fill in.
inline constexpr const char* kReminderPattern =
    QT_TRANSLATE_NOOP("Message", "Reminder at  %1 \n%2");

}  // namespace velmora
