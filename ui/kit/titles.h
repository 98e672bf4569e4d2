#pragma once

#include <QCoreApplication>
#include <QString>

namespace velmora {

// The title the main window shows while each screen is open. Each screen's title is written
// here once; the screen table, the screens and the help browser use these names.
namespace title {
inline constexpr char kCalendarView[] = QT_TRANSLATE_NOOP("Title", "Calendar View");
inline constexpr char kDayView[] = QT_TRANSLATE_NOOP("Title", "Day View");
inline constexpr char kMyDiary[] = QT_TRANSLATE_NOOP("Title", "My Diary");
inline constexpr char kCycleBar[] = QT_TRANSLATE_NOOP("Title", "Cycle Bar");
inline constexpr char kCycleChart[] = QT_TRANSLATE_NOOP("Title", "Cycles Chart");
inline constexpr char kCycleHistory[] = QT_TRANSLATE_NOOP("Title", "Cycles History");
inline constexpr char kYearView[] = QT_TRANSLATE_NOOP("Title", "Year View");
inline constexpr char kTemperatureChart[] = QT_TRANSLATE_NOOP("Title", "Temperature Chart");
inline constexpr char kWeightChart[] = QT_TRANSLATE_NOOP("Title", "Weight Chart");
inline constexpr char kTemperatureHistory[] = QT_TRANSLATE_NOOP("Title", "Temperature History");
inline constexpr char kWeightHistory[] = QT_TRANSLATE_NOOP("Title", "Weight History");
inline constexpr char kAlarmHistory[] = QT_TRANSLATE_NOOP("Title", "Alarm History");
inline constexpr char kSettings[] = QT_TRANSLATE_NOOP("Title", "Program Settings");
inline constexpr char kScale[] = QT_TRANSLATE_NOOP("Title", "Weight|Height Scale");
inline constexpr char kHelp[] = QT_TRANSLATE_NOOP("Title", "Help");
inline constexpr char kMirror[] = QT_TRANSLATE_NOOP("Title", "Mirror");
inline constexpr char kExport[] = QT_TRANSLATE_NOOP("Title", "Export");
inline constexpr char kImport[] = QT_TRANSLATE_NOOP("Title", "Import");
inline constexpr char kBackup[] = QT_TRANSLATE_NOOP("Title", "Back Up");
inline constexpr char kRestore[] = QT_TRANSLATE_NOOP("Title", "Restore");
inline constexpr char kStatistics[] = QT_TRANSLATE_NOOP("Title", "Statistics");
inline constexpr char kDoctorReport[] = QT_TRANSLATE_NOOP("Title", "Report for the Doctor");
inline constexpr char kExportPredictions[] = QT_TRANSLATE_NOOP("Title", "Predictions");
// The password screen keeps the main window's title and shows this one itself.
inline constexpr char kPassword[] = QT_TRANSLATE_NOOP("Title", "Пароль");
}  // namespace title

// A title above as the window shows it, in the user's language.
inline QString ScreenTitle(const char* source) {
    return QCoreApplication::translate("Title", source);
}

}  // namespace velmora
