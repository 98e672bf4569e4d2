#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace velmora {

// What assistive technology learns of the calendar: a list of the shown month's days, each
// named with its date and what the day holds ("6 December 2026: period, note, alarm"), the
// keyboard's day the focused one. Installed once; Qt asks it for each calendar.
void InstallCalendarAccessibility();

}  // namespace velmora
