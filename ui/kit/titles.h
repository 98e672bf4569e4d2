#pragma once

#include <QString>

namespace velmora {

// The title the main window shows while each screen is open. Each screen's title is written
// here once; the screen table, the screens and the help browser use these names.
namespace title {
inline constexpr char kCalendarView[] = "Calendar View";
inline constexpr char kDayView[] = "Day View";
inline constexpr char kMyDiary[] = "My Diary";
inline constexpr char kCycleBar[] = "Cycle Bar";
inline constexpr char kCycleChart[] = "Cycles Chart";
inline constexpr char kCycleHistory[] = "Cycles History";
inline constexpr char kYearView[] = "Year View";
inline constexpr char kTemperatureChart[] = "Temperature Chart";
inline constexpr char kWeightChart[] = "Weight Chart";
inline constexpr char kTemperatureHistory[] = "Temperature History";
inline constexpr char kWeightHistory[] = "Weight History";
inline constexpr char kAlarmHistory[] = "Alarm History";
inline constexpr char kSettings[] = "Program Settings";
inline constexpr char kScale[] = "Weight|Height Scale";
inline constexpr char kHelp[] = "Help";
inline constexpr char kMirror[] = "Mirror";
// The password screen keeps the main window's title and shows this one itself.
inline constexpr char kPassword[] = "Пароль";
}  // namespace title

// A title above as the text the window shows.
inline QString ScreenTitle(const char* source) {
    return QString::fromUtf8(source);
}

}  // namespace velmora
