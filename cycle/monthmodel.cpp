#include "cycle/monthmodel.h"

#include <algorithm>

#include "cycle/cycleinfo.h"
#include "platform/calendar.h"
#include "platform/ctime.h"
#include "store/cedatabase.h"
#include "store/velmoradoc.h"

namespace velmora {

namespace {

// A bleeding start marks fertile days 17 to 12 days before it; only starts from entry 12
// on can reach the month shown.
constexpr int kFertileFirstLead = 17;
constexpr int kFertileLastLead = 12;
constexpr int kFirstStartWithFertileDays = kFertileLastLead;

// Ors `bits` into entries first..last, keeping to the entries that exist whatever the run.
void OrCycleBits(DayMarks& marks, int64_t first, int64_t last, uint16_t bits) {
    first = std::max<int64_t>(first, 0);
    last = std::min<int64_t>(last, kDayMarkCount - 1);
    for (int64_t i = first; i <= last; ++i) {
        marks[static_cast<size_t>(i)].cycle |= bits;
    }
}

uint8_t EventBits(const CVelmoraMFCDoc& day) {
    return static_cast<uint8_t>(
        (day.m_alarm ? kEventAlarm : 0) | (day.m_sport ? kEventSport : 0) |
        (day.m_sex ? kEventSex : 0) | (day.m_bloating ? kEventBloating : 0) |
        (day.m_doctor ? kEventDoctor : 0) | (day.m_protection ? kEventProtection : 0) |
        (day.m_pms ? kEventPms : 0) | (day.m_cramps ? kEventCramps : 0));
}

uint16_t RecordCycleBits(const CVelmoraMFCDoc& day) {
    const bool diary = std::any_of(day.m_diaryType.begin(), day.m_diaryType.end(),
                                   [](int16_t type) { return type != 0; });
    return static_cast<uint16_t>((day.m_ache ? kCycleAche : 0) |
                                 (day.m_note.empty() ? 0 : kCycleNote) | (diary ? kCycleDiary : 0));
}

// Day of month of `t` when it falls in `month` of `year` (local time), else 0.
int DayInMonth(CTime t, int month, int year) {
    const LocalTime lt = t.Local();
    return lt.year == year && lt.month == month ? lt.day : 0;
}

}  // namespace

void SetFlow(DayMark& mark, int code) {
    switch (code) {
        case kFlowLight:
            mark.cycle |= kCycleLight;
            break;
        case kFlowNormal:
            mark.cycle |= kCycleNormal;
            break;
        case kFlowHeavy:
            mark.cycle |= kCycleHeavy;
            break;
        case kFlowSpotting:
            mark.cycle |= kCycleSpotting;
            break;
        case kFlowPredicted:
            mark.cycle |= kCyclePredicted;
            break;
        default:
            break;
    }
}

int GetFlowClass(const DayMark& mark) {
    // Recorded flows win over the prediction.
    constexpr struct {
        uint16_t bit;
        int flowClass;
    } kOrder[] = {{kCycleLight, kFlowLight},
                  {kCycleNormal, kFlowNormal},
                  {kCycleHeavy, kFlowHeavy},
                  {kCycleSpotting, kFlowSpotting},
                  {kCyclePredicted, kFlowPredicted}};
    for (const auto& o : kOrder) {
        if (mark.cycle & o.bit) {
            return o.flowClass;
        }
    }
    return 0;
}

int GetCellClass(const DayMark& mark) {
    if (mark.cycle & kCycleSpotting) {
        return kCellSpotting;
    }
    if (GetFlowClass(mark) != 0) {
        return kCellFlow;
    }
    if (mark.cycle & kCycleFertile) {
        return kCellFertile;
    }
    return kCellOrdinary;
}

void ClearMonthModel(DayMarks& marks) {
    marks.fill(DayMark{});
}

void LoadMonthModel(DayMarks& marks, CVelmoraMFCDoc& doc, int month, int year,
                    const CycleInfo& info) {
    const int days = DaysInMonth(year, month);
    if (days == 0) {
        return;  // no such month: nothing to show
    }
    if (!doc.m_db.IsOpen() && !doc.m_db.Open(kDayStoreName)) {
        return;
    }
    const int nextMonth = month == 12 ? 1 : month + 1;
    const int nextYear = month == 12 ? year + 1 : year;

    // The store reads only the days of an instant range (a day wider on each side, so odd
    // midnights of switch days cannot matter); their local dates decide.
    const CTime near = CTime(year, month, 1, 0, 0, 0) - kSecondsPerDay;
    const CTime far = CTime(nextYear, nextMonth, kNextMonthDays + 1, 0, 0, 0) + kSecondsPerDay;
    // The flows recorded in the store, apart from whatever the entries held before, so
    // that only recorded bleedings mark fertile days below.
    DayMarks recorded{};
    doc.ForEachDayIn(near, far - 1, [&](CVelmoraMFCDoc& day) {
        const LocalTime lt = day.m_date.Local();
        if (lt.year == year && lt.month == month && lt.day <= days) {
            const size_t i = static_cast<size_t>(lt.day - 1);
            marks[i].events |= EventBits(day);
            marks[i].cycle |= RecordCycleBits(day);
            SetFlow(recorded[i], day.m_fluid);
        } else if (lt.year == nextYear && lt.month == nextMonth && lt.day <= kNextMonthDays) {
            SetFlow(recorded[static_cast<size_t>(days + lt.day - 1)], day.m_fluid);
        }
        return true;
    });
    for (size_t i = 0; i < marks.size(); ++i) {
        marks[i].cycle |= recorded[i].cycle;
    }

    // Fertile days of recorded bleedings (spotting included): a start is a day with flow
    // after a day without.
    for (int i = kFirstStartWithFertileDays; i < kDayMarkCount; ++i) {
        if (GetFlowClass(recorded[i]) != 0 && GetFlowClass(recorded[i - 1]) == 0) {
            OrCycleBits(marks, i - kFertileFirstLead, i - kFertileLastLead, kCycleFertile);
        }
    }

    // The prediction, the last recorded start included. A bleeding or fertile window that
    // began last month shows its remaining days from the 1st.
    const int64_t bleeding = info.m_avgMenses;
    for (int k = 0; k < kStartCount; ++k) {
        const CTime start = info.m_start[k];
        // A bleeding of no days (a record never analysed) has nothing to show.
        if (bleeding > 0) {
            if (const int day = DayInMonth(start, month, year); day != 0) {
                OrCycleBits(marks, day - 1, day + bleeding - 2, kCyclePredicted);
            } else if (const int after = DayInMonth(start + bleeding * kSecondsPerDay, month, year);
                       after != 0) {
                OrCycleBits(marks, 0, after - 2, kCyclePredicted);
            }
        }
        const CTime fertile = info.m_ovulation[k];
        if (const int day = DayInMonth(fertile, month, year); day != 0) {
            OrCycleBits(marks, day - 1, day + kFertileDays - 2, kCycleFertile);
        } else if (const int after =
                       DayInMonth(fertile + kFertileDays * kSecondsPerDay, month, year);
                   after != 0) {
            OrCycleBits(marks, 0, after - 2, kCycleFertile);
        }
    }
}

}  // namespace velmora
