#pragma once

// The diary's cycles in numbers: every bleeding found in the stored days, the cycles between
// them, which of them count, their statistics over the whole diary and over the analysed half
// year, and the next three predicted starts as ranges. No Qt; the screens and the report for
// the doctor show what this computes.

#include <utility>
#include <vector>

#include "cycle/cycleinfo.h"
#include "platform/calendar.h"
#include "platform/ctime.h"

namespace velmora {

// Days of the calendar are numbered as platform/calendar.h numbers them (DayNumber(y, m, d):
// whole days since 1970-01-01); a stored day counts by its local date, whatever its time.
using Day = long long;

// One bleeding: a run of consecutive menstruation days (flow 1-3).
struct Period {
    Day first = 0;  // its first day
    int days = 0;   // its length in days
    bool operator==(const Period&) const = default;
};

// Why a cycle or a period is left out of the statistics, as the cycle engine leaves them
// out: shorter than half, or longer than one and a half, of the usual length (the settings'
// CycleLength, or MenstrualDays for a period).
enum class LeftOut { No, TooShort, TooLong };
// Whether a length of `length` days is left out against the usual length `usual`: half and
// one and a half times the usual length themselves still count.
LeftOut LeftOutBy(int length, int usual);

// One cycle: from the first day of a bleeding to the day before the next one.
struct Cycle {
    Day start = 0;       // first day of its bleeding
    int length = 0;      // days until the next bleeding starts
    int periodDays = 0;  // length of its bleeding
    LeftOut cycleLeftOut = LeftOut::No;
    LeftOut periodLeftOut = LeftOut::No;
    bool operator==(const Cycle&) const = default;
};

// Statistics of a set of lengths in days. `count` 0: none of the others mean anything.
struct LengthStats {
    int count = 0;
    double mean = 0.0;
    double median = 0.0;
    double stdDev = 0.0;  // sample standard deviation (n - 1); 0 for fewer than two
    int shortest = 0;
    int longest = 0;
    bool operator==(const LengthStats&) const = default;
};
LengthStats StatsOf(std::vector<int> lengths);

// One predicted start as a range of days: `earliest` to `latest`, around `expected` (the
// cycle engine's date). Without a range (too few cycles) the three are the same day.
struct PredictedStart {
    Day expected = 0;
    Day earliest = 0;
    Day latest = 0;
    bool operator==(const PredictedStart&) const = default;
};

struct CycleStatistics {
    // Every complete cycle of the diary, oldest first (the running one has no length yet and
    // is not among them), and every bleeding.
    std::vector<Cycle> cycles;
    std::vector<Period> periods;
    // Over the whole diary and over the half year the cycle engine analyses: the lengths of
    // the cycles and periods that count (not left out). A period still going today never
    // counts. The half year's cycles begin after the window's first day and the next period
    // begins in the window; its periods begin after that first day and are over before
    // today: exactly those the engine averages (a bleeding on the window's first day may have
    // begun earlier, so neither it nor its cycle is taken).
    LengthStats cycleAll, cycleHalfYear;
    LengthStats periodAll, periodHalfYear;
    // The next three starts the cycle engine predicts, each with its range: +-1 day when the
    // standard deviation of the half year's counted cycles is under 1.5 days, else +-2; no
    // range (hasRange false) with fewer than three counted cycles in the half year.
    std::vector<PredictedStart> predicted;
    bool hasRange = false;
    // Cycle lengths and how many counted cycles of the whole diary have each, shortest first.
    std::vector<std::pair<int, int>> histogram;
    // The usual lengths the cycles and periods were measured against, and the half year's
    // first and last day (the cycle engine's window; today is its last).
    int usualCycle = 0;
    int usualPeriod = 0;
    Day halfYearFirst = 0;
    Day halfYearLast = 0;

    // Whether period `p` reaches today or beyond: it is still going, has no length yet and
    // never counts. Without an analysed window no period is.
    bool StillGoing(const Period& p) const {
        return halfYearLast != 0 && p.first + p.days - 1 >= halfYearLast;
    }
};

// Reads every stored day and computes the statistics with the settings' usual lengths and
// the cycle engine's result `info` (its window and predictions).
CycleStatistics ComputeStatistics(const CycleInfo& info);

// The same from menstruation days given as day numbers (any order, repeats allowed), for
// callers and tests that have the days already.
CycleStatistics ComputeStatistics(const std::vector<Day>& menstruationDays, const CycleInfo& info,
                                  int usualCycle, int usualPeriod);

// The day of the local date of `t`, and back (12:00 local time of that day).
Day DayOf(CTime t);
CTime NoonOf(Day day);

}  // namespace velmora
