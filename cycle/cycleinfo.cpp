#include "cycle/cycleinfo.h"

#include "store/cedatabase.h"
#include "store/settings.h"
#include "store/velmoradoc.h"

namespace velmora {

CycleInfo TheCycleInfo;

void CycleInfo::MarkMenstrualDays() {
    m_bleeding.fill(0);
    // A cursor of our own, so the screens' documents keep their day.
    CVelmoraMFCDoc scan;
    const CTime first = m_windowStart;
    const CTime last = m_windowEnd;
    scan.ForEachDayIn(first, last, [&](CVelmoraMFCDoc& day) {
        if (day.m_date < first || day.m_date > last || !IsMenstruation(day.m_fluid)) {
            return true;
        }
        const uint64_t index = static_cast<uint64_t>(day.m_date - first) / kSecondsPerDay;
        // Inside the window the index is at most 180; a window built by hand may be longer.
        if (index < static_cast<uint64_t>(kWindowDays)) {
            m_bleeding[index] = 1;
        }
        return true;
    });
}

void CycleInfo::Analyze() {
    if (!CCeDatabase::DatabaseExists(kDayStoreName)) {
        return;
    }
    const LocalTime today = CTime::GetCurrentTime().Local();
    m_windowEnd = CTime(today.year, today.month, today.day, kWindowEndHour, 0, 0);
    m_windowStart = m_windowEnd - kWindowSpan;

    MarkMenstrualDays();

    const double cycleLength = static_cast<double>(AppSettings.CycleLength);
    const double mensesLength = static_cast<double>(AppSettings.MenstrualDays);
    const double cycleMax = 1.5 * cycleLength, cycleMin = 0.5 * cycleLength;
    const double runMax = 1.5 * mensesLength, runMin = 0.5 * mensesLength;

    int c = 0;   // days since the latest start, that start included
    int d = 0;   // days counted into cycles (the one still running included)
    int nc = 0;  // counted cycles
    int r = 0;   // length of the current run of menstruation days
    int s = 0;   // days of counted runs (the one still running included)
    int nr = 0;  // counted runs
    bool inRun = false;
    // A window that opens during a bleeding cuts its first run and first cycle short.
    bool skipFirstCycle = m_bleeding[0] != 0;
    bool skipFirstRun = m_bleeding[0] != 0;
    CTime lastStart(1990, 1, 1, 0, 0, 0);

    for (int i = 0; i < kWindowDays; ++i) {
        if (m_bleeding[i] != 0) {
            ++d;
            if (inRun) {
                ++s;
                ++r;
                ++c;
                continue;
            }
            inRun = true;
            r = 1;
            ++s;
            if (c > 1) {  // a cycle of c days ended yesterday
                ++nc;
                const double len = static_cast<double>(c);
                if (skipFirstCycle || len > cycleMax || len < cycleMin) {
                    d -= c;
                    --nc;
                    skipFirstCycle = false;
                }
            }
            c = 1;
            lastStart = m_windowStart + int64_t{i} * kSecondsPerDay;
        } else if (inRun) {  // the run ended yesterday
            ++nr;
            inRun = false;
            const double len = static_cast<double>(r);
            if (skipFirstRun || len > runMax || len < runMin) {
                s -= r;
                --nr;
                skipFirstRun = false;
            }
            r = 0;
            ++d;
            ++c;
        } else if (c > 0) {
            ++d;
            ++c;
        }
    }

    // The cycle still running at the window's end has no length yet: d - c is the total
    // of the counted cycles.
    const int average = nc > 0 ? (d - c) / nc : AppSettings.CycleLength;
    m_start[0] = lastStart;
    for (int k = 1; k < kStartCount; ++k) {
        m_start[k] = m_start[k - 1] + int64_t{average} * kSecondsPerDay;
    }
    for (int k = 0; k < kStartCount; ++k) {
        m_ovulation[k] = m_start[k] - kOvulationLead;
    }
    // Likewise a run still going at the end was never counted; its days come off.
    m_avgMenses = nr > 0 ? (s - r) / nr : AppSettings.MenstrualDays;
}

}  // namespace velmora
