#pragma once

// Every text of the data exchange that a person reads (context "Exchange"). %1 ... are
// values (never translated), %n a count (see ExchangeText).

#include "platform/translatable.h"

// Texts with a count (%n) are marked as Qt marks them, so the translators' tools give them
// plural forms; the same definition as Qt's own.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace velmora::exchange_text {

// Problems of a value or a row (ImportProblem::reason).
inline constexpr const char* kNotADate =
    QT_TRANSLATE_NOOP("Exchange", "Not a date (YYYY-MM-DD): %1");
inline constexpr const char* kYearOutside =
    QT_TRANSLATE_NOOP("Exchange", "The date is outside the years %1 to %2");
inline constexpr const char* kDayTwice =
    QT_TRANSLATE_NOOP("Exchange", "The day %1 is in the file more than once (first on line %2)");
inline constexpr const char* kNotANumber = QT_TRANSLATE_NOOP("Exchange", "Not a number: %1");
inline constexpr const char* kOutOfRange = QT_TRANSLATE_NOOP("Exchange", "Out of range: %1");
inline constexpr const char* kUnknownValue = QT_TRANSLATE_NOOP("Exchange", "Unknown value: %1");
inline constexpr const char* kTooLong =
    QT_TRANSLATE_NOOP("Exchange", "The text is too long for the diary (%1 characters, at most %2)");
inline constexpr const char* kNotUtf8 =
    QT_TRANSLATE_NOOP("Exchange", "The text is not valid UTF-8");
inline constexpr const char* kNotATime =
    QT_TRANSLATE_NOOP("Exchange", "Not a date and time (YYYY-MM-DDTHH:MM): %1");
inline constexpr const char* kAlarmHalf =
    QT_TRANSLATE_NOOP("Exchange", "An alarm needs both a type and a time");
inline constexpr const char* kMissing = QT_TRANSLATE_NOOP("Exchange", "A value is missing");
inline constexpr const char* kWrongType =
    QT_TRANSLATE_NOOP("Exchange", "The value has the wrong type");
inline constexpr const char* kSlotTwice =
    QT_TRANSLATE_NOOP("Exchange", "Slot %1 is in the day more than once");
inline constexpr const char* kOpenQuote =
    QT_TRANSLATE_NOOP("Exchange", "A quoted field is not closed");
inline constexpr const char* kStrayQuote =
    QT_TRANSLATE_NOOP("Exchange", "A quote in the middle of a field");
inline constexpr const char* kFieldCount =
    QT_TRANSLATE_NOOP("Exchange", "The row has %1 fields, the header has %2");
inline constexpr const char* kColumnTwice =
    QT_TRANSLATE_NOOP("Exchange", "The column %1 is in the header more than once");
inline constexpr const char* kUnknownFormat = QT_TRANSLATE_NOOP(
    "Exchange", "This is neither a Velmora export (CSV or JSON) nor a drip CSV export");
inline constexpr const char* kBadJson =
    QT_TRANSLATE_NOOP("Exchange", "The JSON text is not valid: %1");
inline constexpr const char* kNewerVersion =
    QT_TRANSLATE_NOOP("Exchange", "The file was written by a newer Velmora (format version %1)");
inline constexpr const char* kCannotRead =
    QT_TRANSLATE_NOOP("Exchange", "The file %1 cannot be read: %2");

// What the diary has no place for (ImportUnmapped::text).
inline constexpr const char* kNoPlace =
    QT_TRANSLATE_N_NOOP("Exchange", "%1: %n day(s) had values Velmora has no place for");
inline constexpr const char* kUnknownColumn = QT_TRANSLATE_N_NOOP(
    "Exchange", "%1: not a column Velmora knows, ignored (%n day(s) had values)");
inline constexpr const char* kExcludedKept = QT_TRANSLATE_N_NOOP(
    "Exchange", "%1: %n day(s) marked as excluded; Velmora has no exclusion and keeps the value");
inline constexpr const char* kOtherPainsLost = QT_TRANSLATE_N_NOOP(
    "Exchange", "%1: %n day(s) had other pains beside a headache; Velmora keeps the headache");
inline constexpr const char* kMucusWithBleeding = QT_TRANSLATE_N_NOOP(
    "Exchange", "%1: %n day(s) had cervical mucus beside bleeding; Velmora keeps the bleeding");
inline constexpr const char* kNothingToKeep = QT_TRANSLATE_N_NOOP(
    "Exchange", "%n day(s) had nothing Velmora has a place for and are left out");

// The preview's counts.
inline constexpr const char* kNewDays = QT_TRANSLATE_N_NOOP("Exchange", "%n new day(s)");
inline constexpr const char* kChangedDays = QT_TRANSLATE_N_NOOP("Exchange", "%n changed day(s)");
inline constexpr const char* kIdenticalDays =
    QT_TRANSLATE_N_NOOP("Exchange", "%n day(s) already in the diary as they are");
inline constexpr const char* kConflictDays =
    QT_TRANSLATE_N_NOOP("Exchange", "%n day(s) with values that differ from the diary's");

// Failures (ExchangeError).
inline constexpr const char* kDiaryUnreadable =
    QT_TRANSLATE_NOOP("Exchange", "The diary cannot be read completely");
inline constexpr const char* kCannotWrite =
    QT_TRANSLATE_NOOP("Exchange", "The file %1 cannot be written: %2");
inline constexpr const char* kPlanHasProblems =
    QT_TRANSLATE_NOOP("Exchange", "The file has problems; nothing was imported");
inline constexpr const char* kBackupFailed =
    QT_TRANSLATE_NOOP("Exchange", "The backup before the import failed; nothing was imported");
inline constexpr const char* kDiskFull =
    QT_TRANSLATE_NOOP("Exchange", "The disk is full; nothing was imported");
inline constexpr const char* kWriteFailed =
    QT_TRANSLATE_NOOP("Exchange", "The diary cannot be written; nothing was imported");

// The predictions for other calendars (exchange/ics.h): the events' titles and
// descriptions, and why there is nothing to write.
inline constexpr const char* kPeriodSummary =
    QT_TRANSLATE_NOOP("Exchange", "Expected period (Velmora)");
inline constexpr const char* kFertileSummary =
    QT_TRANSLATE_NOOP("Exchange", "Fertile window (Velmora)");
inline constexpr const char* kPeriodDescription =
    QT_TRANSLATE_NOOP("Exchange",
                      "Predicted by Velmora from your average cycle (%1 days) and period "
                      "(%2 days). The real dates may differ.");
inline constexpr const char* kFertileDescription =
    QT_TRANSLATE_NOOP("Exchange",
                      "Predicted by Velmora from your average cycle (%1 days): the six days "
                      "before the expected ovulation. Not a method of contraception.");
inline constexpr const char* kNothingToPredict =
    QT_TRANSLATE_NOOP("Exchange",
                      "No period is recorded in the last %1 days, so there is nothing to "
                      "predict.");

}  // namespace velmora::exchange_text
