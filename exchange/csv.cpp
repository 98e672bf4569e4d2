#include "exchange/csv.h"

#include "exchange/texts.h"

namespace velmora::exchange {

void AppendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

bool CsvReader::LineBreak() {
    if (m_pos >= m_text.size()) {
        return false;
    }
    if (m_text[m_pos] == '\r') {
        ++m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '\n') {
            ++m_pos;
        }
    } else if (m_text[m_pos] == '\n') {
        ++m_pos;
    } else {
        return false;
    }
    ++m_line;
    return true;
}

bool CsvReader::Next(std::vector<std::string>& fields, int& line, const char*& error) {
    const size_t n = m_text.size();
    while (m_pos < n) {
        line = m_line;
        fields.clear();
        error = nullptr;
        bool quotedAny = false;
        for (;;) {
            std::string field;
            bool quoted = false;
            if (m_pos < n && m_text[m_pos] == '"') {
                quoted = quotedAny = true;
                ++m_pos;
                bool closed = false;
                while (m_pos < n) {
                    const char c = m_text[m_pos];
                    if (c == '"') {
                        if (m_pos + 1 < n && m_text[m_pos + 1] == '"') {
                            field += '"';
                            m_pos += 2;
                            continue;
                        }
                        ++m_pos;
                        closed = true;
                        break;
                    }
                    // Line breaks inside quotes are the field's own; they still count as lines.
                    const size_t at = m_pos;
                    if (LineBreak()) {
                        field.append(m_text.substr(at, m_pos - at));
                    } else {
                        field += c;
                        ++m_pos;
                    }
                }
                if (!closed) {
                    error = exchange_text::kOpenQuote;
                    fields.push_back(std::move(field));
                    return true;
                }
            }
            // Unquoted text, or whatever follows a closing quote up to the field's end.
            const size_t start = m_pos;
            while (m_pos < n && m_text[m_pos] != ',' && m_text[m_pos] != '\r' &&
                   m_text[m_pos] != '\n') {
                ++m_pos;
            }
            const std::string_view rest = m_text.substr(start, m_pos - start);
            if (!error && (quoted ? !rest.empty() : rest.find('"') != std::string_view::npos)) {
                error = exchange_text::kStrayQuote;
            }
            field.append(rest);
            fields.push_back(std::move(field));
            if (m_pos < n && m_text[m_pos] == ',') {
                ++m_pos;
                continue;
            }
            LineBreak();
            break;
        }
        if (fields.size() == 1 && fields[0].empty() && !quotedAny) {
            continue;  // a blank line
        }
        return true;
    }
    return false;
}

}  // namespace velmora::exchange
