#pragma once

// CSV as RFC 4180 has it: fields separated by commas, records by line breaks, a field with a
// comma, a quote or a line break in double quotes with its quotes doubled.

#include <string>
#include <string_view>
#include <vector>

namespace velmora::exchange {

// Appends one field, quoted when it must be.
void AppendCsvField(std::string& out, std::string_view field);

// Reads records one by one. Line breaks may be CRLF, LF or CR; blank lines are skipped.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : m_text(text) {}

    // The next record's fields and the 1-based line it starts on; false at the end. A
    // record that breaks the rules still comes back, as far as it could be read, with
    // `error` set to the pattern of its problem (nullptr when it is well formed).
    bool Next(std::vector<std::string>& fields, int& line, const char*& error);

private:
    // Consumes a line break at the current position, if there is one.
    bool LineBreak();

    std::string_view m_text;
    size_t m_pos = 0;
    int m_line = 1;
};

}  // namespace velmora::exchange
