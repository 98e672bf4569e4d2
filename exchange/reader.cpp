// What every reader shares, and the choice of reader by the file's content.

#include <cstring>

#include "exchange/csv.h"
#include "exchange/dayformat.h"
#include "exchange/texts.h"
#include "store/names.h"

namespace velmora::exchange {

namespace text = exchange_text;

std::string Shown(std::string_view value) {
    constexpr size_t kMost = 60;
    std::string out;
    std::u16string unused;
    size_t i = 0;
    while (i < value.size() && out.size() < kMost) {
        const auto b = static_cast<unsigned char>(value[i]);
        const size_t len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : 4;
        if (i + len <= value.size() && FromUtf8(value.substr(i, len), unused)) {
            out.append(value.substr(i, len));
            i += len;
        } else {
            out += '?';
            ++i;
        }
    }
    if (i < value.size()) {
        out += "...";
    }
    return out;
}

ImportProblem MakeProblem(int line, std::string date, std::string column, const char* pattern,
                          std::vector<std::string> parts) {
    for (std::string& p : parts) {
        p = Shown(p);
    }
    return ImportProblem{line, Shown(date), Shown(column), ExchangeText{pattern, std::move(parts)}};
}

DayCollector::~DayCollector() {
    for (const Count& c : m_unmapped) {
        const std::string key = Shown(c.key);
        m_out.unmapped.push_back({key, c.days, ExchangeText{c.pattern, {key}, c.days}});
    }
}

bool DayCollector::NextRow(CsvReader& reader, size_t columns, size_t dateAt,
                           std::vector<std::string>& fields) {
    int line = 0;
    const char* error = nullptr;
    while (reader.Next(fields, line, error)) {
        const std::string date = dateAt < fields.size() ? fields[dateAt] : std::string();
        if (error) {
            FileProblem(line, date, "", error);
        } else if (fields.size() != columns) {
            FileProblem(line, date, "", text::kFieldCount,
                        {std::to_string(fields.size()), std::to_string(columns)});
        } else if (Begin(line, date, "date")) {
            return true;
        }
    }
    return false;
}

bool DayCollector::Begin(int line, std::string_view dateText, const std::string& dateColumn) {
    m_line = line;
    m_day = ExchangeDay();
    m_date = std::string(dateText);
    m_dayOk = false;
    if (dateText.empty()) {
        Problem(dateColumn, text::kMissing);
        return false;
    }
    if (!ParseDate(dateText, m_day.year, m_day.month, m_day.day)) {
        Problem(dateColumn, text::kNotADate, {m_date});
        return false;
    }
    if (m_day.year < FirstYear() || m_day.year > LastYear()) {
        Problem(dateColumn, text::kYearOutside,
                {std::to_string(FirstYear()), std::to_string(LastYear())});
        return false;
    }
    const auto [first, fresh] = m_seen.emplace(DayKey(m_day), line);
    if (!fresh) {
        Problem(dateColumn, text::kDayTwice, {m_date, std::to_string(first->second)});
        return false;
    }
    m_dayOk = true;
    return true;
}

void DayCollector::Problem(std::string column, const char* pattern,
                           std::vector<std::string> parts) {
    m_out.problems.push_back(
        MakeProblem(m_line, m_date, std::move(column), pattern, std::move(parts)));
    m_dayOk = false;
}

bool DayCollector::Text(const std::string& column, std::string_view text, std::u16string& out) {
    std::u16string read;
    if (!FromUtf8(text, read)) {
        Problem(column, text::kNotUtf8);
        return false;
    }
    // Never cut: a cut note would be a silent loss.
    if (read.size() > kMaxPropText) {
        Problem(column, text::kTooLong,
                {std::to_string(read.size()), std::to_string(kMaxPropText)});
        return false;
    }
    out = std::move(read);
    return true;
}

void DayCollector::End(bool keep) {
    if (!m_dayOk || !keep) {
        return;
    }
    for (uint16_t type : m_day.alarmType) {
        m_day.alarm = m_day.alarm || type != 0;  // the store keeps no alarm without its flag
    }
    m_out.days.push_back({std::move(m_day), m_line, DayStatus::New});
    m_dayOk = false;
}

void DayCollector::FileProblem(int line, std::string date, std::string column, const char* pattern,
                               std::vector<std::string> parts) {
    m_out.problems.push_back(
        MakeProblem(line, std::move(date), std::move(column), pattern, std::move(parts)));
}

void DayCollector::Unmapped(const std::string& key, const char* pattern) {
    for (Count& c : m_unmapped) {
        if (c.key == key && std::strcmp(c.pattern, pattern) == 0) {
            if (c.lastLine != m_line) {
                ++c.days;
                c.lastLine = m_line;
            }
            return;
        }
    }
    m_unmapped.push_back({key, pattern, 1, m_line});
}

void ReadCsv(std::string_view text, ParsedFile& out) {
    CsvReader reader(text);
    std::vector<std::string> header;
    int line = 0;
    const char* error = nullptr;
    if (!reader.Next(header, line, error)) {
        return;  // nothing at all: no known kind of file
    }
    if (error) {
        out.problems.push_back(MakeProblem(line, "", "", error));
        return;
    }
    if (IsVelmoraCsvHeader(header)) {
        ReadVelmoraCsv(header, reader, line, out);
    } else if (IsDripCsvHeader(header)) {
        ReadDripCsv(header, reader, line, out);
    }
}

ParsedFile ParseFile(std::string_view bytes) {
    ParsedFile out;
    std::string_view text = bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && text[first] == '{') {
        ReadVelmoraJson(text, out);
    } else {
        ReadCsv(text, out);
    }
    if (out.source == ImportSource::Unknown && out.problems.empty()) {
        out.problems.push_back(MakeProblem(0, "", "", text::kUnknownFormat));
    }
    return out;
}

}  // namespace velmora::exchange
