#include "store/velmoradoc.h"

#include <cmath>

#include "platform/clock.h"
#include "platform/messagebox.h"
#include "store/settings.h"

namespace velmora {

namespace {

int16_t InList(int value, int count) {
    return value >= 0 && value < count ? static_cast<int16_t>(value) : 0;
}

double Measurement(double v) {
    return std::isfinite(v) ? v : 0.0;
}

void PutLe16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void PutLe32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(v >> (8 * i));
    }
}

uint32_t GetLe32(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

// Bytes `offset`.. of a blob, as zeros where the blob is shorter.
void CopyOut(const std::vector<uint8_t>& blob, size_t offset, uint8_t* out, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        out[i] = offset + i < blob.size() ? blob[offset + i] : 0;
    }
}

}  // namespace

FILETIME DateKey(CTime t, bool keepMinute) {
    const LocalTime lt = t.Local();
    const int64_t drop = lt.second + (keepMinute ? 0 : lt.minute * 60);
    return CTimeToFileTime(t - drop);
}

CVelmoraMFCDoc::~CVelmoraMFCDoc() = default;

void CVelmoraMFCDoc::OnNewDocument() {
    FillSettingsCopy();
    TheSettingsCopy.CurrentDocument = this;
}

bool CVelmoraMFCDoc::LoadRecord() {
    if (!m_db.IsOpen() && !m_db.Open(kDayStoreName)) {
        return false;
    }
    if (!m_db.ReadCurrRecord(m_props)) {
        return false;
    }
    m_recordId = m_db.GetCurrentRecord();
    const CCeDbPropArray& p = m_props;

    m_date = FileTimeToCTime(p[kPropDate].FileTimeValue());

    uint8_t types[8];
    CopyOut(p[kPropAlarmTypes].BlobValue(), 0, types, sizeof types);
    uint8_t times[32];
    CopyOut(p[kPropAlarmTimes].BlobValue(), 0, times, sizeof times);
    for (int k = 0; k < kAlarmSlots; ++k) {
        const int type = types[2 * k] | (types[2 * k + 1] << 8);
        m_alarmType[k] = static_cast<uint16_t>(InList(type, kAlarmTypeCount));
        const FILETIME ft{GetLe32(times + 8 * k), GetLe32(times + 8 * k + 4)};
        m_alarmTime[k] = FileTimeToCTime(ft);
    }

    m_sportKind = p[kPropSportKind].TextValue();
    m_sex = p[kPropSex].IntValue() != 0;
    m_bloating = p[kPropBloating].IntValue() != 0;
    m_doctor = p[kPropDoctor].IntValue() != 0;
    m_acheKind = p[kPropAcheKind].TextValue();
    m_protection = p[kPropProtection].IntValue() != 0;
    m_pms = p[kPropPms].IntValue() != 0;
    m_cramps = p[kPropCramps].IntValue() != 0;
    m_sport = p[kPropSport].IntValue() != 0;
    m_fluid = InList(p[kPropFluid].IntValue(), kFluidCodeCount);
    m_alarm = p[kPropAlarm].IntValue() != 0;
    m_ache = p[kPropAche].IntValue() != 0;
    m_temperature = Measurement(p[kPropTemperature].R8Value());
    m_weight = Measurement(p[kPropWeight].R8Value());
    m_note = p[kPropNote].TextValue();
    for (int k = 0; k < kDiarySlots; ++k) {
        m_diaryType[k] = InList(p[kPropDiaryFirst + 2 * k].IntValue(), kDiaryTypeCount);
        m_diaryText[k] = p[kPropDiaryFirst + 2 * k + 1].TextValue();
    }
    return true;
}

void CVelmoraMFCDoc::BuildRecord() {
    m_props.Clear();
    CCeDbProp v;
    auto put = [&] { m_props.Append(v); };
    auto putBool = [&](bool b) {
        v.SetBool(b ? 1 : 0);
        put();
    };

    v.SetFileTime(DateKey(m_date, false));
    put();

    if (!m_alarm) {
        m_alarmType.fill(0);
    }
    uint8_t types[8];
    uint8_t times[32];
    for (int k = 0; k < kAlarmSlots; ++k) {
        PutLe16(types + 2 * k, m_alarmType[k]);
        const FILETIME ft = DateKey(m_alarmTime[k], true);
        PutLe32(times + 8 * k, ft.dwLowDateTime);
        PutLe32(times + 8 * k + 4, ft.dwHighDateTime);
    }
    v.SetBlob(types, sizeof types);
    put();
    v.SetBlob(times, sizeof times);
    put();

    v.SetText(m_sportKind);
    put();
    putBool(m_sex);
    putBool(m_bloating);
    putBool(m_doctor);
    v.SetText(m_acheKind);
    put();
    putBool(m_protection);
    putBool(m_pms);
    putBool(m_cramps);
    putBool(m_sport);
    v.SetI2(m_fluid);
    put();
    putBool(m_alarm);
    putBool(m_ache);
    v.SetR8(m_temperature);
    put();
    v.SetR8(m_weight);
    put();
    v.SetText(m_note);
    put();
    for (int k = 0; k < kDiarySlots; ++k) {
        v.SetI2(m_diaryType[k]);
        put();
        v.SetText(m_diaryText[k]);
        put();
    }
}

bool CVelmoraMFCDoc::OpenForWrite() {
    if (m_db.IsOpen()) {
        return true;
    }
    if (m_db.Open(kDayStoreName)) {
        return true;
    }
    if (m_db.LastStatus() != StoreStatus::NotFound) {
        return false;
    }
    return m_db.Create(kDayStoreName) && m_db.Open(kDayStoreName);
}

bool CVelmoraMFCDoc::SaveRecord() {
    if (!OpenForWrite()) {
        return false;
    }
    BuildRecord();
    m_db.SeekLast();
    const bool written = m_db.WriteNewRecord(m_props);
    if (written) {
        m_recordId = m_db.GetCurrentRecord();
    }
    m_db.Close();
    return written;
}

namespace {

// The stored keys of the instants from `first` to `last`: every FILETIME that reads back as
// one of those seconds.
std::pair<int64_t, int64_t> KeysBetween(CTime first, CTime last) {
    return {static_cast<int64_t>(CTimeToFileTime(first).Value()),
            static_cast<int64_t>(CTimeToFileTime(last).Value()) + kFileTimeTicksPerSecond - 1};
}

// Gives the database back its walk over all records when a narrowed walk ends, however.
struct WalkAllAfterwards {
    CCeDatabase& db;
    ~WalkAllAfterwards() { db.WalkAll(); }
};

}  // namespace

bool CVelmoraMFCDoc::FindDay(CTime day) {
    if (!m_db.IsOpen() && !m_db.Open(kDayStoreName)) {
        return false;
    }
    const LocalTime want = day.Local();
    CCeDbProp date;
    // Only records near `day` can share its local date: the index finds those alone.
    const auto [lo, hi] = KeysBetween(day - 2 * kSecondsPerDay, day + 2 * kSecondsPerDay);
    m_db.WalkKeyRange(lo, hi);
    const WalkAllAfterwards restore{m_db};
    for (bool more = m_db.SeekFirst(); more; more = m_db.SeekNext()) {
        if (!m_db.ReadCurrProp(kPropDate, date)) {
            continue;
        }
        const CTime when = FileTimeToCTime(date.FileTimeValue());
        const int64_t apart = when - day;
        if (apart > 2 * kSecondsPerDay || apart < -2 * kSecondsPerDay) {
            continue;
        }
        const LocalTime got = when.Local();
        if (got.year == want.year && got.month == want.month && got.day == want.day) {
            const bool loaded = LoadRecord();
            m_db.EndScan();
            return loaded;
        }
    }
    return false;
}

bool CVelmoraMFCDoc::DeleteRecord() {
    return m_db.DeleteCurrRecord();
}

void CVelmoraMFCDoc::ClearRecord() {
    m_ache = m_sex = m_sport = m_doctor = m_bloating = false;
    m_protection = m_pms = m_cramps = m_alarm = false;
    m_acheKind = u"Ache";
    m_sportKind = u"Sport";
    m_fluid = 0;
    m_temperature = 0.0;
    m_weight = 0.0;
    m_note.clear();
    const CTime now = CTime::GetCurrentTime();
    for (int k = 0; k < kAlarmSlots; ++k) {
        m_alarmType[k] = 0;
        m_alarmTime[k] = now;
        m_diaryType[k] = 0;
        m_diaryText[k].clear();
    }
}

CTime CVelmoraMFCDoc::DayAtNoon(int year, int month, int day) {
    return CTime(year, month, day, 12, 0, 0, -1);
}

bool CVelmoraMFCDoc::OpenDay(int year, int month, int day) {
    return OpenDay(DayAtNoon(year, month, day));
}

bool CVelmoraMFCDoc::OpenDay(CTime day) {
    if (FindDay(day)) {
        m_recordExists = true;
        return true;
    }
    ClearRecord();
    m_date = day;
    m_recordExists = false;
    m_recordId = 0;
    return false;
}

SaveDayResult CVelmoraMFCDoc::SaveDay() {
    if (!OpenForWrite()) {
        return SaveDayResult::OpenFailed;
    }
    if (!m_db.BeginTransaction()) {
        m_db.Close();
        return SaveDayResult::OpenFailed;
    }
    auto fail = [this](SaveDayResult step) {
        m_db.RollbackTransaction();
        m_db.Close();
        return step;
    };
    // The old record goes in the same transaction as the new one comes. One that is gone
    // already (removed by another screen) needs no deleting; one the store could not look
    // for is not known to be gone, and writing the day anyway could leave it twice.
    const RecordId old = m_recordId != 0 ? m_recordId : m_db.GetCurrentRecord();
    if (m_recordExists && old != 0) {
        if (m_db.SeekRecord(old)) {
            if (!m_db.DeleteCurrRecord()) {
                return fail(SaveDayResult::DeleteFailed);
            }
        } else if (m_db.LastStatus() != StoreStatus::Ok) {
            return fail(SaveDayResult::DeleteFailed);
        }
    }
    BuildRecord();
    m_db.SeekLast();
    if (!m_db.WriteNewRecord(m_props)) {
        return fail(SaveDayResult::AddFailed);
    }
    const RecordId written = m_db.GetCurrentRecord();
    if (!m_db.CommitTransaction()) {
        const StoreStatus why = m_db.LastStatus();
        ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Can not write in the prop!"),
                       QT_TRANSLATE_NOOP("Message", "Fatal Error"), MbIcon::Stop, MbButtons::Ok,
                       kForegroundWindow);
        if (why == StoreStatus::DiskFull) {
            ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Disk is full!"),
                           QT_TRANSLATE_NOOP("Message", "Error"));
        }
        m_db.Close();
        return SaveDayResult::AddFailed;
    }
    m_db.Close();
    m_recordExists = true;
    m_recordId = written;
    return SaveDayResult::Saved;
}

bool CVelmoraMFCDoc::ForEachDay(const std::function<bool(CVelmoraMFCDoc&)>& visit) {
    return WalkDays(Walk::All, CTime(), CTime(), visit);
}

bool CVelmoraMFCDoc::ForEachDayIn(CTime first, CTime last,
                                  const std::function<bool(CVelmoraMFCDoc&)>& visit) {
    return WalkDays(Walk::Dates, first, last, visit);
}

bool CVelmoraMFCDoc::ForEachDayWithAlarms(const std::function<bool(CVelmoraMFCDoc&)>& visit) {
    return WalkDays(Walk::Alarms, CTime(), CTime(), visit);
}

bool CVelmoraMFCDoc::WalkDays(Walk walk, CTime first, CTime last,
                              const std::function<bool(CVelmoraMFCDoc&)>& visit) {
    m_walkComplete = false;
    if (!CCeDatabase::DatabaseExists(kDayStoreName)) {
        // Without a store file there was nothing to read; a file that could not be looked
        // into leaves the walk incomplete.
        m_walkComplete = !ObjectStore::FileExists();
        return false;
    }
    if (!m_db.IsOpen() && !m_db.Open(kDayStoreName)) {
        return false;
    }
    if (walk == Walk::Dates) {
        if (last < first) {
            m_walkComplete = true;  // no day lies in an empty range
            return true;
        }
        const auto [lo, hi] = KeysBetween(first, last);
        m_db.WalkKeyRange(lo, hi);
    } else if (walk == Walk::Alarms) {
        m_db.WalkFlagged();
    }
    const WalkAllAfterwards restore{m_db};
    bool complete = true;
    bool more = m_db.SeekFirst();
    for (; more; more = m_db.SeekNext()) {
        if (!LoadRecord()) {
            complete = false;  // a record that could not be read was not seen
            continue;
        }
        if (!visit(*this)) {
            m_db.EndScan();
            break;
        }
    }
    // A walk that ran out of records, rather than stopping, ends on a seek that found none;
    // that seek says whether the store was read to its end.
    m_walkComplete = complete && (more || m_db.LastStatus() == StoreStatus::Ok);
    return true;
}

}  // namespace velmora
