#pragma once

// The exchange library's inside: texts between UTF-8 and UTF-16, the days of the document
// as ExchangeDay and back, the comparison of two days, and what the file readers share. The
// public interface is exchange.h.

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange.h"

namespace velmora::exchange {

// ---- Texts ----

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Strict UTF-8 to UTF-16: false for malformed, overlong or surrogate sequences and for NUL.
bool FromUtf8(std::string_view text, std::u16string& out);

// Shortest text that reads back as the same double ("36.6", "61.25", std::to_chars), and
// the reverse: decimal (or exponent) notation with '.', whatever the locale; false for
// anything else, infinities and NaN included.
std::string NumberText(double v);
bool ParseNumber(std::string_view text, double& v);

// ---- Days ----

// The document's fields as a day, and a day into the document's fields (date at noon).
ExchangeDay DayFromDoc(const CVelmoraMFCDoc& doc);
void DayToDoc(const ExchangeDay& day, CVelmoraMFCDoc& doc);
// Days since 1970-01-01 of the day's date: the key days are sorted and matched by.
long long DayKey(const ExchangeDay& day);
// "YYYY-MM-DD", and the reverse (a real calendar date, any year 1-9999).
std::string DateText(int year, int month, int day);
bool ParseDate(std::string_view text, int& year, int& month, int& day);

// How an imported day stands against the stored one, field by field.
struct DayDifference {
    bool adds = false;      // a field the stored day leaves empty has a value in the import
    bool lacks = false;     // a field the stored day fills is empty in the import
    bool conflict = false;  // a field has two different values
};
DayDifference CompareDays(const ExchangeDay& stored, const ExchangeDay& imported);
// The stored day with every field it leaves empty taken from the import.
ExchangeDay MergeDays(const ExchangeDay& stored, const ExchangeDay& imported);
DayStatus StatusOf(const DayDifference& d);

// ---- Files ----

// Days (sorted by date) as Velmora's CSV or JSON text.
std::string FormatCsv(const std::vector<ExchangeDay>& days);
std::string FormatJson(const std::vector<ExchangeDay>& days);

// Replaces `path` by `bytes`: a temporary file in the same folder (mode 0600), synced,
// renamed over it, the folder synced. The old file stays whole until the new one is in place.
bool ReplaceFile(const std::string& path, const std::string& bytes, ExchangeError& error);

// A file read without the diary: its days in the file's order, with their lines.
struct ParsedFile {
    ImportSource source = ImportSource::Unknown;
    std::vector<PlannedDay> days;
    std::vector<ImportProblem> problems;
    std::vector<ImportUnmapped> unmapped;
};
// Tells the kind of file and reads it.
ParsedFile ParseFile(std::string_view bytes);

// The readers behind ParseFile, each given the text without its BOM.
void ReadVelmoraJson(std::string_view text, ParsedFile& out);
// Velmora's or drip's CSV, told by the header; Unknown source when neither.
void ReadCsv(std::string_view text, ParsedFile& out);

class CsvReader;
bool IsVelmoraCsvHeader(const std::vector<std::string>& header);
void ReadVelmoraCsv(const std::vector<std::string>& header, CsvReader& rows, int headerLine,
                    ParsedFile& out);
bool IsDripCsvHeader(const std::vector<std::string>& header);
void ReadDripCsv(const std::vector<std::string>& header, CsvReader& rows, int headerLine,
                 ParsedFile& out);

// A value from the file as a problem shows it: at most 60 bytes, malformed bytes as '?'.
std::string Shown(std::string_view value);
ImportProblem MakeProblem(int line, std::string date, std::string column, const char* pattern,
                          std::vector<std::string> parts = {});

// What the readers share: the days of the file one by one, with the date check, the check
// that no day comes twice, the problems, and the count of values without a place. Hands
// the summary of those to the file when it goes.
class DayCollector {
public:
    explicit DayCollector(ParsedFile& out) : m_out(out) {}
    ~DayCollector();
    DayCollector(const DayCollector&) = delete;
    DayCollector& operator=(const DayCollector&) = delete;

    // Reads the next CSV row that can be a day and starts that day (Begin). Rows that break
    // the CSV rules, have another number of fields than the `columns` of the header or no
    // good date in field `dateAt` are problems and passed over. False at the end.
    bool NextRow(CsvReader& reader, size_t columns, size_t dateAt,
                 std::vector<std::string>& fields);
    // Starts a day at `line` from its date (format and years). False (with the problem)
    // when the row cannot be a day.
    bool Begin(int line, std::string_view dateText, const std::string& dateColumn);
    ExchangeDay& Day() { return m_day; }
    // A problem of the current day.
    void Problem(std::string column, const char* pattern, std::vector<std::string> parts = {});
    // Reads a text value: valid UTF-8 of at most kMaxPropText UTF-16 units, else a problem.
    bool Text(const std::string& column, std::string_view text, std::u16string& out);
    // Ends the day: kept when it had no problem and is not in the file already; `keep` false
    // leaves it out (a day with nothing the diary can hold). An alarm turns the flag on.
    void End(bool keep = true);

    // A problem outside a day: of the file (line 0), a header or a row that is no day.
    void FileProblem(int line, std::string date, std::string column, const char* pattern,
                     std::vector<std::string> parts = {});
    // Notes that the current day has a value without a place under `key` (once a day).
    void Unmapped(const std::string& key, const char* pattern);

private:
    struct Count {
        std::string key;
        const char* pattern;
        int days;
        int lastLine;
    };

    ParsedFile& m_out;
    ExchangeDay m_day;
    int m_line = 0;
    std::string m_date;
    bool m_dayOk = false;
    std::map<long long, int> m_seen;  // day key -> first line
    std::vector<Count> m_unmapped;
};

}  // namespace velmora::exchange
