#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/ctime.h"
#include "platform/timezone.h"
#include "platform/translatable.h"
#include "store/cedatabase.h"
#include "store/ceprop.h"

namespace velmora {

using CString = std::u16string;

// Property ids of a day record (a record has all 26).
enum DayProp : uint16_t {
    kPropDate = 0,
    kPropAlarmTypes = 1,
    kPropAlarmTimes = 2,
    kPropSportKind = 3,
    kPropSex = 4,
    kPropBloating = 5,
    kPropDoctor = 6,
    kPropAcheKind = 7,
    kPropProtection = 8,
    kPropPms = 9,
    kPropCramps = 10,
    kPropSport = 11,
    kPropFluid = 12,
    kPropAlarm = 13,
    kPropAche = 14,
    kPropTemperature = 15,
    kPropWeight = 16,
    kPropNote = 17,
    kPropDiaryFirst = 18,  // type, text pairs: 18/19, 20/21, 22/23, 24/25
    kDayPropCount = 26,
};

inline constexpr int kAlarmSlots = 4;
inline constexpr int kDiarySlots = 4;
inline constexpr int kFluidCodeCount = 7;   // 0-6
inline constexpr int kAlarmTypeCount = 10;  // 0-9
inline constexpr int kDiaryTypeCount = 7;   // 0 (empty) and the six kinds

// The alarm types by code; a slot is in use when its type is not 0.
inline constexpr const char* AlarmTypeNames[kAlarmTypeCount] = {
    QT_TRANSLATE_NOOP("Names", "None"),        QT_TRANSLATE_NOOP("Names", "Appointment"),
    QT_TRANSLATE_NOOP("Names", "Anniversary"), QT_TRANSLATE_NOOP("Names", "Date"),
    QT_TRANSLATE_NOOP("Names", "Birthday"),    QT_TRANSLATE_NOOP("Names", "Party"),
    QT_TRANSLATE_NOOP("Names", "Concert"),     QT_TRANSLATE_NOOP("Names", "Pill"),
    QT_TRANSLATE_NOOP("Names", "Shopping"),    QT_TRANSLATE_NOOP("Names", "Alarm"),
};
// The name of an alarm type; a code outside 0-9 reads as "None".
constexpr const char* AlarmTypeName(int code) {
    return code >= 0 && code < kAlarmTypeCount ? AlarmTypeNames[code] : AlarmTypeNames[0];
}

// A day with flow 1-3 is a menstruation day; nothing else is.
constexpr bool IsMenstruation(int fluid) {
    return fluid >= 1 && fluid <= 3;
}

// How a save-a-day ended, by the step that failed: the store could not be opened for
// writing, the old record could not be found or removed, or the new one not written. Each
// screen words the failures its own way; nothing of the day changed in the store.
enum class SaveDayResult { Saved, OpenFailed, DeleteFailed, AddFailed };
// What every screen says when the store could not be opened for a save.
inline constexpr const char* kOpenFailedText = QT_TRANSLATE_NOOP("Message", "Open Database Error!");

// The stored form of a day's date and of an alarm time: the FILETIME of the true instant of
// the local date and time (minutes and seconds dropped for the date, seconds for alarms).
// Reading gives that instant back, so the local day and time never drift between saves.
FILETIME DateKey(CTime t, bool keepMinute);

// One day of the diary, and the cursor over the day store through which it is read and
// written. The application has one; walks over all days use one of their own.
class CVelmoraMFCDoc {
public:
    CVelmoraMFCDoc() = default;
    ~CVelmoraMFCDoc();
    CVelmoraMFCDoc(const CVelmoraMFCDoc&) = delete;
    CVelmoraMFCDoc& operator=(const CVelmoraMFCDoc&) = delete;

    // The application's document is being created: fill the settings copy and become the
    // current document.
    void OnNewDocument();

    // Reads the current record of the store into the fields.
    bool LoadRecord();
    // Writes the fields as a new record and closes the store. False when nothing was written.
    bool SaveRecord();
    // Finds the record of the local calendar day of `day`; it becomes current and its fields
    // are loaded. On false the fields are left as they were.
    bool FindDay(CTime day);
    // Deletes the current record.
    bool DeleteRecord();
    // The fields of an empty day (the date and m_recordExists are the caller's).
    void ClearRecord();

    // --- The protocols the screens follow ---

    // The day as every screen builds it: its date at 12:00 local time.
    static CTime DayAtNoon(int year, int month, int day);
    // Opens a day: its stored fields, or an empty day with that date. True when stored.
    bool OpenDay(int year, int month, int day);
    bool OpenDay(CTime day);
    // Saves the day in one transaction: its old record (when m_recordExists) is replaced by
    // the fields, or nothing changes at all. Also the way to remove one kind of data: empty
    // the member, then save. After a successful save the day counts as stored.
    SaveDayResult SaveDay();
    // Walks over all stored days, oldest record first, loading each into the fields and
    // calling `visit` until it returns false. False when the store does not exist or cannot
    // be opened.
    bool ForEachDay(const std::function<bool(CVelmoraMFCDoc&)>& visit);
    // As ForEachDay, over the days whose stored date lies from `first` to `last` (both
    // included) alone: they are found through the file's index, and no other day is read.
    bool ForEachDayIn(CTime first, CTime last, const std::function<bool(CVelmoraMFCDoc&)>& visit);
    // As ForEachDay, over the days stored with alarms set (m_alarm) alone. Only those can
    // hold an alarm: a day saved without the flag keeps no alarm types.
    bool ForEachDayWithAlarms(const std::function<bool(CVelmoraMFCDoc&)>& visit);
    // Whether the last ForEachDay read every record (or stopped where `visit` asked, or there
    // is no store file yet): false after a walk that a busy or failing store cut short or
    // that had to skip a record.
    bool LastWalkComplete() const { return m_walkComplete; }

    // Fields of the day.
    CCeDatabase m_db;
    CCeDbPropArray m_props;
    bool m_recordExists = false;
    bool m_ache = false;
    CString m_acheKind;
    bool m_sex = false;
    bool m_sport = false;
    bool m_doctor = false;
    bool m_bloating = false;
    bool m_protection = false;
    bool m_pms = false;
    bool m_cramps = false;
    bool m_alarm = false;
    std::array<uint16_t, kAlarmSlots> m_alarmType{};
    CTime m_date;
    std::array<CTime, kAlarmSlots> m_alarmTime{};
    CString m_sportKind;
    int16_t m_fluid = 0;
    double m_temperature = 0.0;
    double m_weight = 0.0;
    CString m_note;
    std::array<int16_t, kDiarySlots> m_diaryType{};
    std::array<CString, kDiarySlots> m_diaryText{};

    // The stored record the fields came from (0: none).
    RecordId StoredRecordId() const { return m_recordId; }

private:
    enum class Walk { All, Dates, Alarms };
    bool WalkDays(Walk walk, CTime first, CTime last,
                  const std::function<bool(CVelmoraMFCDoc&)>& visit);
    bool OpenForWrite();
    void BuildRecord();

    RecordId m_recordId = 0;
    bool m_walkComplete = false;
};

}  // namespace velmora
