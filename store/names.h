#pragma once

#include <string>

#include "platform/clock.h"
#include "platform/translatable.h"

namespace velmora {

// Month names as the command bar and the reports show them.
inline constexpr const char* MonthAbbrevs[12] = {
    QT_TRANSLATE_NOOP("Names", "Jan"), QT_TRANSLATE_NOOP("Names", "Feb"),
    QT_TRANSLATE_NOOP("Names", "Mar"), QT_TRANSLATE_NOOP("Names", "Apr"),
    QT_TRANSLATE_NOOP("Names", "May"), QT_TRANSLATE_NOOP("Names", "Jun"),
    QT_TRANSLATE_NOOP("Names", "Jul"), QT_TRANSLATE_NOOP("Names", "Aug"),
    QT_TRANSLATE_NOOP("Names", "Sep"), QT_TRANSLATE_NOOP("Names", "Oct"),
    QT_TRANSLATE_NOOP("Names", "Nov"), QT_TRANSLATE_NOOP("Names", "Dec"),
};
inline constexpr const char* MonthNames[12] = {
    QT_TRANSLATE_NOOP("Names", "January"),   QT_TRANSLATE_NOOP("Names", "February"),
    QT_TRANSLATE_NOOP("Names", "March"),     QT_TRANSLATE_NOOP("Names", "April"),
    QT_TRANSLATE_NOOP("Names", "May"),       QT_TRANSLATE_NOOP("Names", "June"),
    QT_TRANSLATE_NOOP("Names", "July"),      QT_TRANSLATE_NOOP("Names", "August"),
    QT_TRANSLATE_NOOP("Names", "September"), QT_TRANSLATE_NOOP("Names", "October"),
    QT_TRANSLATE_NOOP("Names", "November"),  QT_TRANSLATE_NOOP("Names", "December"),
};

// The years the program lists and accepts. They begin in 1995 and end in 2010, or, once the
// clock is past 2010, in the year after the current one, so the diary never stops at a
// year that has already come. A running program keeps the end it started with: its year
// lists are filled once, and every check of the last year must agree with them, also after
// New Year's midnight.
inline constexpr int kFirstYear = 1995;
inline constexpr int kClassicLastYear = 2010;

inline int FirstYear() {
    return kFirstYear;
}
// The last year by the clock, or the one fixed for this run.
int LastYear();
// Fixes the last year for the run from the clock now; Release goes back to the clock.
void FixLastYearForRun();
void ReleaseLastYear();
// Number of years in the lists.
inline int YearCount() {
    return LastYear() - FirstYear() + 1;
}
// Moves month/year to the nearest month the lists hold: before the first year to its
// January, after the last year to its December, a month outside 1-12 to the nearer end.
inline void ClampToListedMonth(int& month, int& year) {
    if (year < FirstYear()) {
        year = FirstYear();
        month = 1;
    } else if (year > LastYear()) {
        year = LastYear();
        month = 12;
    }
    month = month < 1 ? 1 : (month > 12 ? 12 : month);
}

// A date as the report lists print it: day and month of two digits, the year of four, in
// the order of the DateFormat setting (0 day first, 1 month first), joined by the
// DateSeparator setting's character (0 ".", 1 "/", 2 "-"; any other value: nothing).
std::string ReportDateText(CTime date, int dateFormat, int dateSeparator);

}  // namespace velmora
