#include "cycle/statistics.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "store/settings.h"
#include "store/velmoradoc.h"

// What counts, and why it agrees with the cycle engine (cycle/cycleinfo.cpp):
//
// - A period is a run of consecutive days with flow 1-3, by local date. A cycle begins on a
//   period's first day and lasts until the day before the next period begins; its length is
//   the days between the two first days. The last period begins a cycle that is still
//   running: it is not among the cycles.
// - A cycle counts when its length is from half to one and a half times the settings'
//   CycleLength, both included; a period likewise against MenstrualDays. A period that
//   reaches today (the window's last day) or beyond is still going and has no length yet: it
//   is listed but never counted, as the engine does not count a run still going at its end.
// - The half year is the engine's window, today and the 180 days before it. Its cycles are
//   those whose first day lies after the window's first day and whose next period begins in
//   the window too; its periods are those that begin after the window's first day and are
//   over before today. The engine cannot tell whether a bleeding on its first day began
//   there or earlier and leaves that bleeding and its cycle out; so do we, even when the
//   diary shows it began on that very day. With that, the half year's counted cycles are
//   exactly the ones the engine averages (it keeps whole days: the floor of our mean).

namespace velmora {

namespace {

// First and last day of the half year; an engine that never ran has none (first > last).
struct HalfYear {
    Day first = 1;
    Day last = 0;
    // Strictly after the window's first day, up to its last day.
    bool Holds(Day day) const { return day > first && day <= last; }
};

}  // namespace

Day DayOf(CTime t) {
    const LocalTime lt = t.Local();
    return DayNumber(lt.year, lt.month, lt.day);
}

CTime NoonOf(Day day) {
    const CivilDate d = CivilFromDays(day);
    return CTime(static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day), 12,
                 0, 0, -1);
}

LeftOut LeftOutBy(int length, int usual) {
    // In whole numbers: length < 0.5 * usual, length > 1.5 * usual.
    if (2 * length < usual) {
        return LeftOut::TooShort;
    }
    if (2 * length > 3 * usual) {
        return LeftOut::TooLong;
    }
    return LeftOut::No;
}

LengthStats StatsOf(std::vector<int> lengths) {
    LengthStats s;
    s.count = static_cast<int>(lengths.size());
    if (lengths.empty()) {
        return s;
    }
    std::sort(lengths.begin(), lengths.end());
    s.shortest = lengths.front();
    s.longest = lengths.back();
    double sum = 0.0;
    for (const int length : lengths) {
        sum += length;
    }
    s.mean = sum / s.count;
    const size_t mid = lengths.size() / 2;
    s.median = lengths.size() % 2 != 0 ? lengths[mid] : (lengths[mid - 1] + lengths[mid]) / 2.0;
    if (s.count > 1) {
        double squares = 0.0;
        for (const int length : lengths) {
            squares += (length - s.mean) * (length - s.mean);
        }
        s.stdDev = std::sqrt(squares / (s.count - 1));
    }
    return s;
}

CycleStatistics ComputeStatistics(const std::vector<Day>& menstruationDays, const CycleInfo& info,
                                  int usualCycle, int usualPeriod) {
    CycleStatistics st;
    st.usualCycle = usualCycle;
    st.usualPeriod = usualPeriod;
    HalfYear half;
    if (info.m_windowEnd.GetTime() != 0) {
        half.first = DayOf(info.m_windowStart);
        half.last = DayOf(info.m_windowEnd);
        st.halfYearFirst = half.first;
        st.halfYearLast = half.last;
    }

    std::vector<Day> days = menstruationDays;
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    for (const Day day : days) {
        if (!st.periods.empty() && st.periods.back().first + st.periods.back().days == day) {
            ++st.periods.back().days;
        } else {
            st.periods.push_back({day, 1});
        }
    }

    std::vector<int> cyclesAll, cyclesHalf, periodsAll, periodsHalf;
    std::map<int, int> histogram;
    for (size_t k = 0; k < st.periods.size(); ++k) {
        const Period& p = st.periods[k];
        const LeftOut periodLeftOut = LeftOutBy(p.days, usualPeriod);
        if (periodLeftOut == LeftOut::No && !st.StillGoing(p)) {
            periodsAll.push_back(p.days);
            if (half.Holds(p.first)) {
                periodsHalf.push_back(p.days);
            }
        }
        if (k + 1 == st.periods.size()) {
            break;  // the running cycle has no length yet
        }
        Cycle c;
        c.start = p.first;
        c.length = static_cast<int>(st.periods[k + 1].first - p.first);
        c.periodDays = p.days;
        c.cycleLeftOut = LeftOutBy(c.length, usualCycle);
        c.periodLeftOut = periodLeftOut;
        st.cycles.push_back(c);
        if (c.cycleLeftOut == LeftOut::No) {
            cyclesAll.push_back(c.length);
            ++histogram[c.length];
            if (half.Holds(c.start) && half.Holds(st.periods[k + 1].first)) {
                cyclesHalf.push_back(c.length);
            }
        }
    }
    st.cycleAll = StatsOf(std::move(cyclesAll));
    st.cycleHalfYear = StatsOf(std::move(cyclesHalf));
    st.periodAll = StatsOf(std::move(periodsAll));
    st.periodHalfYear = StatsOf(std::move(periodsHalf));
    st.histogram.assign(histogram.begin(), histogram.end());

    // The engine predicts from a placeholder start when its window holds no bleeding, and
    // from nothing at all when it never ran: no predictions then.
    if (info.m_windowEnd.GetTime() == 0 || info.m_start[0] < info.m_windowStart) {
        return st;
    }
    st.hasRange = st.cycleHalfYear.count >= 3;
    const int margin = !st.hasRange ? 0 : (st.cycleHalfYear.stdDev < 1.5 ? 1 : 2);
    for (int k = 1; k < kStartCount; ++k) {
        const Day expected = DayOf(info.m_start[static_cast<size_t>(k)]);
        st.predicted.push_back({expected, expected - margin, expected + margin});
    }
    return st;
}

CycleStatistics ComputeStatistics(const CycleInfo& info) {
    std::vector<Day> days;
    CVelmoraMFCDoc scan;  // a cursor of our own: the screens' documents keep their day
    scan.ForEachDay([&](CVelmoraMFCDoc& day) {
        if (IsMenstruation(day.m_fluid)) {
            days.push_back(DayOf(day.m_date));
        }
        return true;
    });
    return ComputeStatistics(days, info, AppSettings.CycleLength, AppSettings.MenstrualDays);
}

}  // namespace velmora
