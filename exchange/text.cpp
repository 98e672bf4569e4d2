// Texts: patterns filled in, UTF-8 and UTF-16, numbers.

#include <charconv>
#include <cmath>

#include "exchange/dayformat.h"
#include "platform/messagebox.h"

namespace velmora {

std::string ExchangeText::Text() const {
    if (Empty()) {
        return {};
    }
    std::string filled = pattern;
    if (count >= 0) {
        // English plurals the way the pattern spells them: "%n day(s)". The parts go in
        // afterwards, so that a part is never taken for either.
        const std::string n = std::to_string(count);
        for (size_t at; (at = filled.find("%n")) != std::string::npos;) {
            filled.replace(at, 2, n);
        }
        for (size_t at; (at = filled.find("(s)")) != std::string::npos;) {
            filled.replace(at, 3, count == 1 ? "" : "s");
        }
    }
    return FillPattern(filled, parts);
}

namespace exchange {

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool FromUtf8(std::string_view text, std::u16string& out) {
    out.clear();
    out.reserve(text.size());
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        const unsigned char b = *p;
        uint32_t c = 0;
        int more = 0;
        uint32_t least = 0;
        if (b == 0) {
            return false;
        } else if (b < 0x80) {
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            more = 1;
            least = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            more = 2;
            least = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            more = 3;
            least = 0x10000;
        } else {
            return false;
        }
        ++p;
        if (end - p < more) {
            return false;
        }
        for (int k = 0; k < more; ++k, ++p) {
            if ((*p & 0xC0) != 0x80) {
                return false;
            }
            c = (c << 6) | (*p & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            return false;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return true;
}

std::string NumberText(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

bool ParseNumber(std::string_view text, double& v) {
    // Decimal notation with '.', as to_chars writes it; from_chars alone would also take
    // "inf" and "nan".
    if (text.empty() || !(text[0] == '-' || text[0] == '.' || (text[0] >= '0' && text[0] <= '9'))) {
        return false;
    }
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    return r.ec == std::errc() && r.ptr == text.data() + text.size() && std::isfinite(v);
}

}  // namespace exchange
}  // namespace velmora
