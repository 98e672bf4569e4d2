// The predictions as an iCalendar file (RFC 5545).

#include "exchange/ics.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string_view>

#include "exchange/dayformat.h"
#include "exchange/texts.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/messagebox.h"

namespace velmora {

namespace {

namespace text = exchange_text;

// A content line holds at most 75 octets before its line break; the rest goes on in lines
// that start with a space, which counts towards their 75.
constexpr size_t kLineOctets = 75;

// SEQUENCE counts seconds from 2000-01-01 00:00 UTC: a later export always has the higher
// number, so a calendar takes it over the earlier one, and the number fits the 32-bit
// integer calendars read until 2068 (then it stays at the largest, and DTSTAMP decides).
constexpr int64_t kSequenceEpoch = 946684800;

std::string Digits(long long value, size_t width = 0) {
    char buf[24];
    char* end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    std::string digits(buf, end);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return digits;
}

long long LocalDay(CTime t) {
    const LocalTime lt = t.Local();
    return DayNumber(lt.year, lt.month, lt.day);
}

// A DATE value: YYYYMMDD.
std::string DateValue(long long dayNumber) {
    const CivilDate d = CivilFromDays(dayNumber);
    return Digits(d.year, 4) + Digits(d.month, 2) + Digits(d.day, 2);
}

// A DATE-TIME value in UTC: YYYYMMDDTHHMMSSZ.
std::string UtcValue(CTime t) {
    const int64_t s = t.GetTime();
    const int64_t day = s >= 0 ? s / kSecondsPerDay : -((-s + kSecondsPerDay - 1) / kSecondsPerDay);
    const int64_t second = s - day * kSecondsPerDay;
    return DateValue(day) + 'T' + Digits(second / 3600, 2) + Digits(second / 60 % 60, 2) +
           Digits(second % 60, 2) + 'Z';
}

// A TEXT value: backslash, semicolon and comma escaped, every line break (CRLF, LF, CR) as
// \n; other control characters have no place in it and are left out.
std::string Escaped(std::string_view in) {
    std::string out;
    out.reserve(in.size() + 8);
    for (size_t i = 0; i < in.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(in[i]);
        if (c == '\\' || c == ';' || c == ',') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\r' || c == '\n') {
            i += c == '\r' && i + 1 < in.size() && in[i + 1] == '\n';
            out += "\\n";
        } else if (c >= 0x20 ? c != 0x7F : c == '\t') {
            out += static_cast<char>(c);
        }
    }
    return out;
}

// Appends one content line, folded: a fold never falls inside a UTF-8 character, so each
// physical line is valid UTF-8 on its own (some calendars decode them one by one).
void Line(std::string& out, std::string_view line) {
    size_t room = kLineOctets;
    while (line.size() > room) {
        size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) {
            --cut;  // back to the first byte of the character that does not fit
        }
        if (cut == 0) {
            cut = room;  // not UTF-8 at all: cut anywhere rather than loop
        }
        out.append(line.substr(0, cut));
        out += "\r\n ";
        line.remove_prefix(cut);
        room = kLineOctets - 1;
    }
    out.append(line);
    out += "\r\n";
}

}  // namespace

bool CanExportPredictions(const CycleInfo& info, ExchangeError& why) {
    if (info.m_windowEnd != CTime() && info.m_start[0] >= info.m_windowStart) {
        return true;
    }
    why = ExchangeText{text::kNothingToPredict, {Digits(kWindowDays)}};
    return false;
}

bool FormatPredictions(const CycleInfo& info, CTime now, const TranslatePattern& translate,
                       std::string& out, ExchangeError& error) {
    if (!CanExportPredictions(info, error)) {
        return false;
    }
    auto tr = [&](const char* pattern, const std::vector<std::string>& parts = {}) {
        return Escaped(FillPattern(translate ? translate(pattern) : std::string(pattern), parts));
    };
    const long long lastStart = LocalDay(info.m_start[0]);
    const CivilDate last = CivilFromDays(lastStart);
    const std::string cycle = Digits(LocalDay(info.m_start[1]) - lastStart);
    const int menses = std::max(1, info.m_avgMenses);
    const std::string stamp = UtcValue(now);
    const std::string sequence = Digits(std::clamp<int64_t>(now.GetTime() - kSequenceEpoch, 0,
                                                            std::numeric_limits<int32_t>::max()));
    // A calendar that imports the file again updates the events whose UID it already holds
    // and adds the others. The predicted cycles are counted from the last recorded start, so
    // the UID names that start and the count: new data that moves a prediction (another
    // average, an edited bleeding length) keeps the UID and updates the event's dates, while
    // a new period (a new last start) begins new UIDs, because "the next period" is then
    // another cycle. A UID by position alone ("period 1") would instead move last month's
    // event onto this month's dates, and a UID by date would duplicate every moved event.
    const std::string uidTail =
        '-' +
        exchange::DateText(static_cast<int>(last.year), static_cast<int>(last.month),
                           static_cast<int>(last.day)) +
        '-';
    const std::string periodSummary = tr(text::kPeriodSummary);
    const std::string fertileSummary = tr(text::kFertileSummary);
    const std::string periodDescription = tr(text::kPeriodDescription, {cycle, Digits(menses)});
    const std::string fertileDescription = tr(text::kFertileDescription, {cycle});

    std::string ics;
    Line(ics, "BEGIN:VCALENDAR");
    Line(ics, "VERSION:2.0");
    Line(ics, "PRODID:-//Tessaryn//Velmora//EN");
    Line(ics, "CALSCALE:GREGORIAN");
    Line(ics, "METHOD:PUBLISH");
    auto event = [&](const char* kind, int k, long long first, int days, const std::string& summary,
                     const std::string& description) {
        Line(ics, "BEGIN:VEVENT");
        Line(ics, "UID:velmora-" + std::string(kind) + uidTail + Digits(k));
        Line(ics, "DTSTAMP:" + stamp);
        Line(ics, "SEQUENCE:" + sequence);
        Line(ics, "DTSTART;VALUE=DATE:" + DateValue(first));
        Line(ics, "DTEND;VALUE=DATE:" + DateValue(first + days));  // the day after the last
        Line(ics, "SUMMARY:" + summary);
        Line(ics, "DESCRIPTION:" + description);
        Line(ics, "TRANSP:TRANSPARENT");
        Line(ics, "END:VEVENT");
    };
    for (int k = 1; k < kStartCount; ++k) {
        event("fertile", k, LocalDay(info.m_ovulation[k]), kFertileDays, fertileSummary,
              fertileDescription);
        event("period", k, LocalDay(info.m_start[k]), menses, periodSummary, periodDescription);
    }
    Line(ics, "END:VCALENDAR");
    out = std::move(ics);
    return true;
}

bool ExportPredictionsToFile(const std::string& path, const CycleInfo& info,
                             const TranslatePattern& translate, ExchangeError& error) {
    std::string bytes;
    return FormatPredictions(info, Clock::Now(), translate, bytes, error) &&
           exchange::ReplaceFile(path, bytes, error);
}

}  // namespace velmora
