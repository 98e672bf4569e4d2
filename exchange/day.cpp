// Days of the document as exchange days, and the comparison of two days field by field.

#include <type_traits>

#include "exchange/dayformat.h"
#include "platform/calendar.h"

namespace velmora::exchange {

namespace {

// What the store holds in a kind of a day without one (see CVelmoraMFCDoc::ClearRecord).
constexpr std::u16string_view kNoSportKind = u"Sport";
constexpr std::u16string_view kNoAcheKind = u"Ache";

CTime WholeMinute(CTime t) {
    return t - t.Local().second;
}

void TwoDigits(std::string& out, int v) {
    out += static_cast<char>('0' + v / 10 % 10);
    out += static_cast<char>('0' + v % 10);
}

// Calls field(aEmpty, bEmpty, same, take) for every field of the two days; take() copies
// the field of `b` into `a`. A diary entry (kind and text) and an alarm (type and time)
// each count as one field.
template <class Field>
void ForEachField(ExchangeDay& a, const ExchangeDay& b, Field&& field) {
    auto plain = [&](auto& x, const auto& y) {
        using T = std::decay_t<decltype(x)>;
        field(x == T{}, y == T{}, x == y, [&] { x = y; });
    };
    plain(a.fluid, b.fluid);
    plain(a.temperature, b.temperature);
    plain(a.weight, b.weight);
    plain(a.sex, b.sex);
    plain(a.bloating, b.bloating);
    plain(a.doctor, b.doctor);
    plain(a.protection, b.protection);
    plain(a.pms, b.pms);
    plain(a.cramps, b.cramps);
    plain(a.sport, b.sport);
    plain(a.alarm, b.alarm);
    plain(a.ache, b.ache);
    plain(a.sportKind, b.sportKind);
    plain(a.acheKind, b.acheKind);
    plain(a.note, b.note);
    for (size_t k = 0; k < kDiarySlots; ++k) {
        field(a.diaryType[k] == 0 && a.diaryText[k].empty(),
              b.diaryType[k] == 0 && b.diaryText[k].empty(),
              a.diaryType[k] == b.diaryType[k] && a.diaryText[k] == b.diaryText[k], [&] {
                  a.diaryType[k] = b.diaryType[k];
                  a.diaryText[k] = b.diaryText[k];
              });
    }
    for (size_t k = 0; k < kAlarmSlots; ++k) {
        field(a.alarmType[k] == 0, b.alarmType[k] == 0,
              a.alarmType[k] == b.alarmType[k] && a.alarmTime[k] == b.alarmTime[k], [&] {
                  a.alarmType[k] = b.alarmType[k];
                  a.alarmTime[k] = b.alarmTime[k];
              });
    }
}

}  // namespace

ExchangeDay DayFromDoc(const CVelmoraMFCDoc& doc) {
    ExchangeDay d;
    const LocalTime lt = doc.m_date.Local();
    d.year = lt.year;
    d.month = lt.month;
    d.day = lt.day;
    d.fluid = doc.m_fluid;
    d.temperature = doc.m_temperature;
    d.weight = doc.m_weight;
    d.sex = doc.m_sex;
    d.bloating = doc.m_bloating;
    d.doctor = doc.m_doctor;
    d.protection = doc.m_protection;
    d.pms = doc.m_pms;
    d.cramps = doc.m_cramps;
    d.sport = doc.m_sport;
    d.alarm = doc.m_alarm;
    d.ache = doc.m_ache;
    if (doc.m_sportKind != kNoSportKind) {
        d.sportKind = doc.m_sportKind;
    }
    if (doc.m_acheKind != kNoAcheKind) {
        d.acheKind = doc.m_acheKind;
    }
    d.note = doc.m_note;
    for (size_t k = 0; k < kDiarySlots; ++k) {
        d.diaryType[k] = doc.m_diaryType[k];
        d.diaryText[k] = doc.m_diaryText[k];
    }
    for (size_t k = 0; k < kAlarmSlots; ++k) {
        d.alarmType[k] = doc.m_alarmType[k];
        // The time of an unused slot is whatever the screen left there: not the day's.
        d.alarmTime[k] = d.alarmType[k] != 0 ? WholeMinute(doc.m_alarmTime[k]) : CTime();
    }
    return d;
}

void DayToDoc(const ExchangeDay& d, CVelmoraMFCDoc& doc) {
    doc.ClearRecord();
    doc.m_date = CVelmoraMFCDoc::DayAtNoon(d.year, d.month, d.day);
    doc.m_fluid = d.fluid;
    doc.m_temperature = d.temperature;
    doc.m_weight = d.weight;
    doc.m_sex = d.sex;
    doc.m_bloating = d.bloating;
    doc.m_doctor = d.doctor;
    doc.m_protection = d.protection;
    doc.m_pms = d.pms;
    doc.m_cramps = d.cramps;
    doc.m_sport = d.sport;
    doc.m_alarm = d.alarm;
    doc.m_ache = d.ache;
    doc.m_sportKind = d.sportKind.empty() ? std::u16string(kNoSportKind) : d.sportKind;
    doc.m_acheKind = d.acheKind.empty() ? std::u16string(kNoAcheKind) : d.acheKind;
    doc.m_note = d.note;
    for (size_t k = 0; k < kDiarySlots; ++k) {
        doc.m_diaryType[k] = d.diaryType[k];
        doc.m_diaryText[k] = d.diaryText[k];
    }
    for (size_t k = 0; k < kAlarmSlots; ++k) {
        doc.m_alarmType[k] = d.alarmType[k];
        // An unused slot starts at the day, as the alarm screen starts it.
        doc.m_alarmTime[k] = d.alarmType[k] != 0 ? d.alarmTime[k] : doc.m_date;
    }
}

long long DayKey(const ExchangeDay& day) {
    return DayNumber(day.year, day.month, day.day);
}

std::string DateText(int year, int month, int day) {
    std::string out;
    TwoDigits(out, year / 100);
    TwoDigits(out, year);
    out += '-';
    TwoDigits(out, month);
    out += '-';
    TwoDigits(out, day);
    return out;
}

bool ParseDate(std::string_view t, int& year, int& month, int& day) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') {
        return false;
    }
    int v[3] = {0, 0, 0};
    const int from[3] = {0, 5, 8};
    const int len[3] = {4, 2, 2};
    for (int f = 0; f < 3; ++f) {
        for (int i = 0; i < len[f]; ++i) {
            const char c = t[static_cast<size_t>(from[f] + i)];
            if (c < '0' || c > '9') {
                return false;
            }
            v[f] = v[f] * 10 + (c - '0');
        }
    }
    if (v[0] < 1 || v[1] < 1 || v[1] > 12 || v[2] < 1 || v[2] > DaysInMonth(v[0], v[1])) {
        return false;
    }
    year = v[0];
    month = v[1];
    day = v[2];
    return true;
}

DayDifference CompareDays(const ExchangeDay& stored, const ExchangeDay& imported) {
    DayDifference d;
    ExchangeDay a = stored;
    ForEachField(a, imported, [&](bool aEmpty, bool bEmpty, bool same, auto&&) {
        if (same) {
            return;
        }
        if (aEmpty) {
            d.adds = true;
        } else if (bEmpty) {
            d.lacks = true;
        } else {
            d.conflict = true;
        }
    });
    return d;
}

ExchangeDay MergeDays(const ExchangeDay& stored, const ExchangeDay& imported) {
    ExchangeDay a = stored;
    ForEachField(a, imported, [](bool aEmpty, bool, bool same, auto&& take) {
        if (aEmpty && !same) {
            take();
        }
    });
    return a;
}

DayStatus StatusOf(const DayDifference& d) {
    return d.conflict          ? DayStatus::Conflict
           : d.adds || d.lacks ? DayStatus::Changed
                               : DayStatus::Identical;
}

}  // namespace velmora::exchange
