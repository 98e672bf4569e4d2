#pragma once

// Data exchange: the whole diary out as CSV or JSON text, and days in from Velmora's own
// files or from drip's CSV export, first as a preview (ImportPlan) that writes nothing, then
// applied all or nothing in one store transaction. Links no Qt; the command line and the
// screens sit on top of it. The formats are described in docs/export-format.md.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ctime.h"
#include "store/velmoradoc.h"

namespace velmora {

enum class ExchangeFormat { Csv, Json };

// A text a person reads, kept as its pattern and parts so that the window layer can
// translate it. `pattern` is an English source text marked with
// QT_TRANSLATE_NOOP("Exchange", ...) (QT_TRANSLATE_N_NOOP where it has %n; all of them in
// exchange/texts.h); %1 ... %9 stand for `parts` (values such as a column
// name, a date or a file name: never translated) and %n, where the pattern has it, for
// `count`, so a translation can choose its plural form:
//     QCoreApplication::translate("Exchange", t.pattern, nullptr, t.count)
// then %1 ... filled with t.parts.
struct ExchangeText {
    const char* pattern = "";
    std::vector<std::string> parts;
    int count = -1;  // -1: the pattern has no %n

    // The English text with everything filled in.
    std::string Text() const;
    bool Empty() const { return pattern == nullptr || *pattern == '\0'; }
};

// Why an export, a read or an apply failed (empty while nothing failed).
using ExchangeError = ExchangeText;

// One day as the files carry it: the fields of CVelmoraMFCDoc with the day as a calendar
// date and every "none" as an empty value.
struct ExchangeDay {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;    // 1-31

    int16_t fluid = 0;         // 0-6 as m_fluid
    double temperature = 0.0;  // degrees Celsius, 0 = none (the store is metric)
    double weight = 0.0;       // kilograms, 0 = none
    bool sex = false;
    bool bloating = false;
    bool doctor = false;
    bool protection = false;
    bool pms = false;
    bool cramps = false;
    bool sport = false;
    bool alarm = false;
    bool ache = false;
    // The stored texts of the Day View's list items ("Йога", "Головная", ...) or any other
    // text a record holds; empty = none (the store's "Sport" and "Ache").
    std::u16string sportKind;
    std::u16string acheKind;
    std::u16string note;
    std::array<int16_t, kDiarySlots> diaryType{};  // 0 = no kind
    std::array<std::u16string, kDiarySlots> diaryText{};
    std::array<uint16_t, kAlarmSlots> alarmType{};  // 0 = slot not used
    std::array<CTime, kAlarmSlots> alarmTime{};     // whole minutes; CTime() for unused slots

    bool operator==(const ExchangeDay&) const = default;
};

// ---- Export ----

// The whole diary as text (UTF-8), one day per stored day, by date. Never changes the diary.
// False (with the reason) when the store cannot be read completely.
bool ExportDiary(ExchangeFormat format, std::string& out, ExchangeError& error);
// The same into a file: written to a temporary file beside it, synced, renamed over `path`
// (mode 0600). An old file at `path` stays as it was unless the new one is complete.
bool ExportDiaryToFile(const std::string& path, ExchangeFormat format, ExchangeError& error);

// ---- Import ----

enum class ImportSource { Unknown, VelmoraCsv, VelmoraJson, DripCsv };

// A value or row the import cannot take. Any problem stops ApplyImport.
struct ImportProblem {
    int line = 0;        // 1-based line where the day's row or object starts; 0: the whole file
    std::string date;    // the day's date as the file writes it, when known
    std::string column;  // the column (for JSON the CSV column of the same value); may be empty
    ExchangeText reason;
};

// Values in the file that the diary has no place for (or keeps only in part), per column or
// group of columns: not errors, but the person should know before importing.
struct ImportUnmapped {
    std::string column;  // a column, or a group such as "mood"
    int days = 0;        // days with such values
    ExchangeText text;   // the line to show
};

// How an imported day compares with the diary.
enum class DayStatus {
    New,        // the diary has no such day
    Identical,  // the diary has the day with the same content: not written again
    Changed,    // no field has two different values; the import fills fields the diary
                // leaves empty, or leaves empty some the diary fills
    Conflict,   // some field has different values on both sides
};

struct PlannedDay {
    ExchangeDay day;
    int line = 0;  // where the day starts in the file
    DayStatus status = DayStatus::New;
};

struct ImportPlan {
    ImportSource source = ImportSource::Unknown;
    std::vector<PlannedDay> days;  // every day read without a problem, by date
    int newDays = 0;
    int changedDays = 0;
    int identicalDays = 0;
    int conflictDays = 0;
    // Days each mode would write: Merge leaves days alone that it has nothing to add to.
    int mergeWrites = 0;
    int replaceWrites = 0;
    std::vector<ImportProblem> problems;  // in the order of the file
    std::vector<ImportUnmapped> unmapped;
    // Set when the diary could not be read in full: the statuses are then not known.
    ExchangeError diaryError;

    bool CanApply() const {
        return source != ImportSource::Unknown && problems.empty() && diaryError.Empty();
    }
};

// Reads, parses and compares with the diary. Writes nothing. The kind of file is told by its
// content: Velmora CSV by its header, Velmora JSON by its "format" key, drip CSV by a header
// with "date" and dotted column names.
ImportPlan PlanImport(std::string_view bytes);
// The same for a file; a file that cannot be read is one problem (line 0).
ImportPlan PlanImportFile(const std::string& path);

// The preview's count lines ("12 new days", ...), for the counts that are not 0.
std::vector<ExchangeText> PlanSummary(const ImportPlan& plan);

enum class ImportMode {
    Merge,    // field by field: the diary keeps its values, the import fills empty fields
    Replace,  // each imported day replaces the stored day whole
};

// Runs before anything is written; must return true (and set the error when it fails). An
// empty function: no backup.
using ImportBackupStep = std::function<bool(ExchangeError&)>;

// Writes the plan's days into the diary in one transaction: all of them or, on any failure,
// none (the diary is exactly as before). Refuses a plan that cannot be applied. The days are
// compared with the diary again inside the transaction, so a day edited since the preview
// is merged with what it holds now. Days of the diary that the file does not have stay as
// they are in both modes. `daysWritten` (when given) receives the number of days written.
// The store's own boxes for a failed write ("Disk is full!") are shown as for any save.
// Like every store call, on the calling thread's connection.
bool ApplyImport(const ImportPlan& plan, ImportMode mode, const ImportBackupStep& backupFirst,
                 ExchangeError& error, int* daysWritten = nullptr);

}  // namespace velmora
