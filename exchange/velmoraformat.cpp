// Velmora's own files: the CSV columns and JSON keys, their keywords, the writers, and the
// readers of both.

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <span>

#include "exchange/csv.h"
#include "exchange/dayformat.h"
#include "exchange/texts.h"
#include "platform/calendar.h"

namespace velmora::exchange {

namespace {

namespace text = exchange_text;

// Keywords by code; the empty code 0 has none (an empty cell). "none" reads as 0 too.
constexpr const char* kFluidWords[kFluidCodeCount] = {"",         "light",  "normal",  "heavy",
                                                      "spotting", "sticky", "stretchy"};
constexpr const char* kAlarmWords[kAlarmTypeCount] = {
    "",      "appointment", "anniversary", "date",     "birthday",
    "party", "concert",     "pill",        "shopping", "alarm"};
constexpr const char* kDiaryWords[kDiaryTypeCount] = {
    "", "hairdresser", "beautician", "manicure", "fitness", "doctor", "other"};

// The Day View's sport and ache lists: the text a record stores for an item (the item's
// source text, "Плавание " with its space) and the keyword the files write for it.
struct KindWord {
    std::u16string_view stored;
    const char* word;
};
constexpr KindWord kSportWords[] = {
    {u"Плавание ", "swimming"}, {u"Фитнесс", "fitness"},     {u"Йога", "yoga"},
    {u"Теннис", "tennis"},      {u"Волейбол", "volleyball"}, {u"Баскетбол", "basketball"},
    {u"Другое", "other"},
};
constexpr KindWord kAcheWords[] = {
    {u"Зубн.боль", "toothache"},
    {u"Боль в жив.", "abdominal"},
    {u"Головная", "headache"},
    {u"Другое", "other"},
};

enum class Kind {
    Date,
    Fluid,
    Temperature,
    Weight,
    Flag,
    SportKind,
    AcheKind,
    Note,
    DiaryKind,
    DiaryText,
    AlarmType,
    AlarmTime
};

// The columns in their order; a flag's member, a slot's index.
struct Column {
    std::string name;
    Kind kind;
    bool ExchangeDay::*flag = nullptr;
    size_t slot = 0;
};

const std::vector<Column>& Columns() {
    static const std::vector<Column> columns = [] {
        std::vector<Column> c;
        auto flag = [&](const char* name, bool ExchangeDay::*member) {
            c.push_back({name, Kind::Flag, member});
        };
        c.push_back({"date", Kind::Date});
        c.push_back({"fluid", Kind::Fluid});
        c.push_back({"temperature", Kind::Temperature});
        c.push_back({"weight", Kind::Weight});
        flag("sex", &ExchangeDay::sex);
        flag("bloating", &ExchangeDay::bloating);
        flag("doctor", &ExchangeDay::doctor);
        flag("protection", &ExchangeDay::protection);
        flag("pms", &ExchangeDay::pms);
        flag("cramps", &ExchangeDay::cramps);
        flag("sport", &ExchangeDay::sport);
        c.push_back({"sport_kind", Kind::SportKind});
        flag("alarm", &ExchangeDay::alarm);
        flag("ache", &ExchangeDay::ache);
        c.push_back({"ache_kind", Kind::AcheKind});
        c.push_back({"note", Kind::Note});
        for (size_t k = 0; k < kDiarySlots; ++k) {
            const std::string n = "diary" + std::to_string(k + 1);
            c.push_back({n + "_kind", Kind::DiaryKind, nullptr, k});
            c.push_back({n + "_text", Kind::DiaryText, nullptr, k});
        }
        for (size_t k = 0; k < kAlarmSlots; ++k) {
            const std::string n = "alarm" + std::to_string(k + 1);
            c.push_back({n + "_type", Kind::AlarmType, nullptr, k});
            c.push_back({n + "_time", Kind::AlarmTime, nullptr, k});
        }
        return c;
    }();
    return columns;
}

const Column* FindColumn(std::string_view name) {
    for (const Column& c : Columns()) {
        if (c.name == name) {
            return &c;
        }
    }
    return nullptr;
}

template <size_t N>
int WordCode(const char* const (&words)[N], std::string_view cell) {
    for (size_t i = 1; i < N; ++i) {
        if (cell == words[i]) {
            return static_cast<int>(i);
        }
    }
    return cell.empty() || cell == "none" ? 0 : -1;
}

template <size_t N>
std::string KindCell(const KindWord (&words)[N], const std::u16string& stored) {
    for (const KindWord& w : words) {
        if (stored == w.stored) {
            return w.word;
        }
    }
    return ToUtf8(stored);
}

void TwoDigits(std::string& out, long v) {
    out += static_cast<char>('0' + v / 10 % 10);
    out += static_cast<char>('0' + v % 10);
}

// The local date and time of an alarm with the zone's offset then, so that an hour the
// clocks go through twice still names one instant: "2021-10-31T02:30+02:00".
std::string AlarmTimeText(CTime t) {
    const LocalTime lt = t.Local();
    std::string out = DateText(lt.year, lt.month, lt.day);
    out += 'T';
    TwoDigits(out, lt.hour);
    out += ':';
    TwoDigits(out, lt.minute);
    const long offset = std::labs(lt.gmtOffset) / 60;
    out += lt.gmtOffset < 0 ? '-' : '+';
    TwoDigits(out, offset / 60);
    out += ':';
    TwoDigits(out, offset % 60);
    return out;
}

bool Digits(std::string_view t, size_t at, size_t n, int& v) {
    v = 0;
    for (size_t i = at; i < at + n; ++i) {
        if (t[i] < '0' || t[i] > '9') {
            return false;
        }
        v = v * 10 + (t[i] - '0');
    }
    return true;
}

// "YYYY-MM-DDTHH:MM", then "Z" or "+hh:mm"/"-hh:mm" or nothing. With an offset the instant
// is that one when it shows those local fields here; otherwise (another zone, or none
// given) the local date and time is taken as it is written.
enum class TimeRead { Ok, Bad, OutOfRange };
TimeRead ParseAlarmTime(std::string_view t, CTime& out) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0;
    if (t.size() < 16 || t[10] != 'T' || t[13] != ':' || !ParseDate(t.substr(0, 10), y, mo, d) ||
        !Digits(t, 11, 2, h) || !Digits(t, 14, 2, mi) || h > 23 || mi > 59) {
        return TimeRead::Bad;
    }
    bool hasOffset = false;
    long offset = 0;
    const std::string_view rest = t.substr(16);
    if (rest == "Z") {
        hasOffset = true;
    } else if (rest.size() == 6 && (rest[0] == '+' || rest[0] == '-') && rest[3] == ':') {
        int oh = 0, om = 0;
        if (!Digits(rest, 1, 2, oh) || !Digits(rest, 4, 2, om) || oh > 23 || om > 59) {
            return TimeRead::Bad;
        }
        hasOffset = true;
        offset = (rest[0] == '-' ? -1 : 1) * (oh * 3600L + om * 60L);
    } else if (!rest.empty()) {
        return TimeRead::Bad;
    }
    if (y < 1970) {
        return TimeRead::OutOfRange;  // before the clock's epoch: no alarm of a diary's day
    }
    out = CTime(y, mo, d, h, mi, 0, -1);
    if (hasOffset) {
        const CTime exact(DayNumber(y, mo, d) * kSecondsPerDay + h * 3600 + mi * 60 - offset);
        const LocalTime lt = exact.Local();
        if (lt.year == y && lt.month == mo && lt.day == d && lt.hour == h && lt.minute == mi &&
            lt.second == 0) {
            out = exact;
        }
    }
    return TimeRead::Ok;
}

// Which alarm cells a day's row has written, for the check that every alarm has both.
struct AlarmCells {
    std::array<bool, kAlarmSlots> type{};
    std::array<bool, kAlarmSlots> time{};
};

// One cell (or JSON text) of a Velmora column into the day.
void ReadCell(const Column& c, std::string_view cell, DayCollector& dc, AlarmCells& given) {
    ExchangeDay& day = dc.Day();
    auto unknown = [&] { dc.Problem(c.name, text::kUnknownValue, {std::string(cell)}); };
    switch (c.kind) {
        case Kind::Date:
            break;
        case Kind::Fluid: {
            const int code = WordCode(kFluidWords, cell);
            code < 0 ? unknown() : void(day.fluid = static_cast<int16_t>(code));
            break;
        }
        case Kind::Temperature:
        case Kind::Weight: {
            double v = 0;
            if (!cell.empty() && !ParseNumber(cell, v)) {
                dc.Problem(c.name, text::kNotANumber, {std::string(cell)});
            }
            (c.kind == Kind::Temperature ? day.temperature : day.weight) = v;
            break;
        }
        case Kind::Flag:
            if (cell == "1" || cell == "true") {
                day.*c.flag = true;
            } else if (!(cell.empty() || cell == "0" || cell == "false")) {
                unknown();
            }
            break;
        case Kind::SportKind:
        case Kind::AcheKind: {
            const bool sport = c.kind == Kind::SportKind;
            std::u16string& kind = sport ? day.sportKind : day.acheKind;
            bool found = false;
            for (const KindWord& w : sport ? std::span<const KindWord>(kSportWords)
                                           : std::span<const KindWord>(kAcheWords)) {
                if (cell == w.word) {
                    kind = w.stored;
                    found = true;
                }
            }
            if (!found) {
                dc.Text(c.name, cell, kind);
            }
            break;
        }
        case Kind::Note:
            dc.Text(c.name, cell, day.note);
            break;
        case Kind::DiaryText:
            dc.Text(c.name, cell, day.diaryText[c.slot]);
            break;
        case Kind::DiaryKind: {
            const int code = WordCode(kDiaryWords, cell);
            code < 0 ? unknown() : void(day.diaryType[c.slot] = static_cast<int16_t>(code));
            break;
        }
        case Kind::AlarmType: {
            const int code = WordCode(kAlarmWords, cell);
            given.type[c.slot] = code != 0;
            code < 0 ? unknown() : void(day.alarmType[c.slot] = static_cast<uint16_t>(code));
            break;
        }
        case Kind::AlarmTime:
            if (cell.empty()) {
                break;
            }
            given.time[c.slot] = true;
            switch (ParseAlarmTime(cell, day.alarmTime[c.slot])) {
                case TimeRead::Ok:
                    break;
                case TimeRead::Bad:
                    dc.Problem(c.name, text::kNotATime, {std::string(cell)});
                    break;
                case TimeRead::OutOfRange:
                    dc.Problem(c.name, text::kOutOfRange, {std::string(cell)});
                    break;
            }
            break;
    }
}

// Every alarm has a type and a time, or neither; unused slots keep no time.
void CheckAlarms(DayCollector& dc, const AlarmCells& given) {
    ExchangeDay& day = dc.Day();
    for (size_t k = 0; k < kAlarmSlots; ++k) {
        if (given.type[k] != given.time[k]) {
            dc.Problem("alarm" + std::to_string(k + 1) + "_type", text::kAlarmHalf);
        }
        if (day.alarmType[k] == 0) {
            day.alarmTime[k] = CTime();
        }
    }
}

// The cells of a day in column order (the date first), "" where the day has none.
std::vector<std::string> Cells(const ExchangeDay& d) {
    std::vector<std::string> out;
    out.reserve(Columns().size());
    for (const Column& c : Columns()) {
        switch (c.kind) {
            case Kind::Date:
                out.push_back(DateText(d.year, d.month, d.day));
                break;
            case Kind::Fluid:
                out.push_back(d.fluid >= 0 && d.fluid < kFluidCodeCount ? kFluidWords[d.fluid]
                                                                        : "");
                break;
            case Kind::Temperature:
                out.push_back(d.temperature != 0 ? NumberText(d.temperature) : "");
                break;
            case Kind::Weight:
                out.push_back(d.weight != 0 ? NumberText(d.weight) : "");
                break;
            case Kind::Flag:
                out.push_back(d.*c.flag ? "1" : "0");
                break;
            case Kind::SportKind:
                out.push_back(KindCell(kSportWords, d.sportKind));
                break;
            case Kind::AcheKind:
                out.push_back(KindCell(kAcheWords, d.acheKind));
                break;
            case Kind::Note:
                out.push_back(ToUtf8(d.note));
                break;
            case Kind::DiaryKind: {
                const int t = d.diaryType[c.slot];
                out.push_back(t >= 0 && t < kDiaryTypeCount ? kDiaryWords[t] : "");
                break;
            }
            case Kind::DiaryText:
                out.push_back(ToUtf8(d.diaryText[c.slot]));
                break;
            case Kind::AlarmType: {
                const int t = d.alarmType[c.slot];
                out.push_back(t < kAlarmTypeCount ? kAlarmWords[t] : "");
                break;
            }
            case Kind::AlarmTime:
                out.push_back(d.alarmType[c.slot] != 0 ? AlarmTimeText(d.alarmTime[c.slot]) : "");
                break;
        }
    }
    return out;
}

}  // namespace

std::string FormatCsv(const std::vector<ExchangeDay>& days) {
    std::string out;
    out.reserve(64 * (days.size() + 1));
    for (size_t i = 0; i < Columns().size(); ++i) {
        out += i ? "," : "";
        out += Columns()[i].name;
    }
    out += "\r\n";
    for (const ExchangeDay& d : days) {
        const std::vector<std::string> cells = Cells(d);
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i) {
                out += ',';
            }
            AppendCsvField(out, cells[i]);
        }
        out += "\r\n";
    }
    return out;
}

std::string FormatJson(const std::vector<ExchangeDay>& days) {
    // One day a line: the text stays easy to compare and each day's line is its own.
    std::string out = "{\"format\":\"velmora\",\"version\":1,\"days\":[\n";
    for (size_t i = 0; i < days.size(); ++i) {
        const ExchangeDay& d = days[i];
        const std::vector<std::string> cells = Cells(d);
        nlohmann::ordered_json o;
        nlohmann::ordered_json diary = nlohmann::ordered_json::array();
        nlohmann::ordered_json alarms = nlohmann::ordered_json::array();
        const std::vector<Column>& columns = Columns();
        for (size_t c = 0; c < columns.size(); ++c) {
            const Column& col = columns[c];
            const std::string& cell = cells[c];
            switch (col.kind) {
                case Kind::Temperature:
                    if (d.temperature != 0) {
                        o[col.name] = d.temperature;
                    }
                    break;
                case Kind::Weight:
                    if (d.weight != 0) {
                        o[col.name] = d.weight;
                    }
                    break;
                case Kind::Flag:
                    if (d.*col.flag) {
                        o[col.name] = true;
                    }
                    break;
                case Kind::DiaryKind:
                case Kind::DiaryText:
                case Kind::AlarmType:
                case Kind::AlarmTime:
                    break;  // below, by slot
                default:
                    if (!cell.empty()) {
                        o[col.name] = cell;
                    }
                    break;
            }
        }
        for (size_t k = 0; k < kDiarySlots; ++k) {
            if (d.diaryType[k] == 0 && d.diaryText[k].empty()) {
                continue;
            }
            nlohmann::ordered_json e;
            e["slot"] = k + 1;
            if (d.diaryType[k] > 0 && d.diaryType[k] < kDiaryTypeCount) {
                e["kind"] = kDiaryWords[d.diaryType[k]];
            }
            if (!d.diaryText[k].empty()) {
                e["text"] = ToUtf8(d.diaryText[k]);
            }
            diary.push_back(std::move(e));
        }
        for (size_t k = 0; k < kAlarmSlots; ++k) {
            if (d.alarmType[k] == 0 || d.alarmType[k] >= kAlarmTypeCount) {
                continue;
            }
            nlohmann::ordered_json e;
            e["slot"] = k + 1;
            e["type"] = kAlarmWords[d.alarmType[k]];
            e["time"] = AlarmTimeText(d.alarmTime[k]);
            alarms.push_back(std::move(e));
        }
        if (!diary.empty()) {
            o["diary"] = std::move(diary);
        }
        if (!alarms.empty()) {
            o["alarms"] = std::move(alarms);
        }
        out += o.dump();
        out += i + 1 < days.size() ? ",\n" : "\n";
    }
    out += "]}\n";
    return out;
}

// ---- Reading ----

void ReadVelmoraCsv(const std::vector<std::string>& header, CsvReader& reader, int headerLine,
                    ParsedFile& out) {
    out.source = ImportSource::VelmoraCsv;
    DayCollector dc(out);
    std::vector<const Column*> columns(header.size(), nullptr);
    size_t dateAt = 0;
    for (size_t i = 0; i < header.size(); ++i) {
        columns[i] = FindColumn(header[i]);
        for (size_t j = 0; j < i; ++j) {
            if (header[j] == header[i]) {
                dc.FileProblem(headerLine, "", header[i], text::kColumnTwice, {header[i]});
                return;  // which of the two would be meant is anyone's guess
            }
        }
        if (header[i] == "date") {
            dateAt = i;
        }
    }
    std::vector<std::string> fields;
    while (dc.NextRow(reader, header.size(), dateAt, fields)) {
        AlarmCells given;
        for (size_t i = 0; i < fields.size(); ++i) {
            if (columns[i]) {
                ReadCell(*columns[i], fields[i], dc, given);
            } else if (!fields[i].empty()) {
                dc.Unmapped(header[i], text::kUnknownColumn);
            }
        }
        CheckAlarms(dc, given);
        dc.End();
    }
}

bool IsVelmoraCsvHeader(const std::vector<std::string>& header) {
    bool date = false;
    bool fluid = false;
    for (const std::string& h : header) {
        date = date || h == "date";
        fluid = fluid || h == "fluid";
    }
    return date && fluid;
}

namespace {

using Json = nlohmann::json;

// Reads a JSON text through an iterator that counts the lines it has gone past, so that the
// parser's events can tell where each day starts.
struct LineCountingIterator {
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    const char* p = nullptr;
    int* line = nullptr;

    reference operator*() const { return *p; }
    LineCountingIterator& operator++() {
        *line += *p == '\n';
        ++p;
        return *this;
    }
    LineCountingIterator operator++(int) {
        LineCountingIterator was = *this;
        ++*this;
        return was;
    }
    bool operator==(const LineCountingIterator& o) const { return p == o.p; }
};

int LineOfOffset(std::string_view text, size_t offset) {
    int line = 1;
    for (size_t i = 0; i < offset && i < text.size(); ++i) {
        line += text[i] == '\n';
    }
    return line;
}

bool IsNumber(const Json& v) {
    return v.is_number();
}

void ReadJsonDay(const Json& o, int line, DayCollector& dc) {
    const auto date = o.find("date");
    if (date == o.end() || !date->is_string()) {
        dc.FileProblem(line, "", "date", date == o.end() ? text::kMissing : text::kWrongType);
        return;
    }
    if (!dc.Begin(line, date->get_ref<const std::string&>(), "date")) {
        return;
    }
    ExchangeDay& day = dc.Day();
    AlarmCells given;
    // The slots of "diary" and "alarms": objects with "slot" 1-4, each slot once.
    auto slots = [&](const Json& list, const char* key, const char* prefix,
                     const char* const(&parts)[2]) {
        if (list.is_null()) {
            return;
        }
        if (!list.is_array()) {
            dc.Problem(key, text::kWrongType);
            return;
        }
        std::array<bool, 4> used{};
        for (const Json& e : list) {
            const auto slot = e.is_object() ? e.find("slot") : e.end();
            if (!e.is_object() || slot == e.end() || !slot->is_number_integer()) {
                dc.Problem(key,
                           e.is_object() && slot == e.end() ? text::kMissing : text::kWrongType);
                continue;
            }
            const long long k = slot->get<long long>();
            if (k < 1 || k > 4) {
                dc.Problem(key, text::kOutOfRange, {slot->dump()});
                continue;
            }
            if (used[static_cast<size_t>(k - 1)]) {
                dc.Problem(key, text::kSlotTwice, {std::to_string(k)});
                continue;
            }
            used[static_cast<size_t>(k - 1)] = true;
            for (const auto& [name, value] : e.items()) {
                if (name == "slot") {
                    continue;
                }
                const std::string column = prefix + std::to_string(k) + "_" + name;
                const Column* c =
                    name == parts[0] || name == parts[1] ? FindColumn(column) : nullptr;
                if (!c) {
                    dc.Unmapped(std::string(key) + "." + name, text::kUnknownColumn);
                } else if (value.is_string()) {
                    ReadCell(*c, value.get_ref<const std::string&>(), dc, given);
                } else if (!value.is_null()) {
                    dc.Problem(column, text::kWrongType);
                }
            }
        }
    };
    static const char* const kDiaryParts[2] = {"kind", "text"};
    static const char* const kAlarmParts[2] = {"type", "time"};
    for (const auto& [key, value] : o.items()) {
        if (key == "date") {
            continue;
        }
        if (key == "diary") {
            slots(value, "diary", "diary", kDiaryParts);
            continue;
        }
        if (key == "alarms") {
            slots(value, "alarms", "alarm", kAlarmParts);
            continue;
        }
        const Column* c = FindColumn(key);
        if (!c || c->kind == Kind::DiaryKind || c->kind == Kind::DiaryText ||
            c->kind == Kind::AlarmType || c->kind == Kind::AlarmTime) {
            dc.Unmapped(key, text::kUnknownColumn);
            continue;
        }
        if (value.is_null()) {
            continue;
        }
        switch (c->kind) {
            case Kind::Temperature:
            case Kind::Weight:
                if (!IsNumber(value)) {
                    dc.Problem(key, text::kWrongType);
                } else if (!std::isfinite(value.get<double>())) {
                    dc.Problem(key, text::kNotANumber, {value.dump()});
                } else {
                    (c->kind == Kind::Temperature ? day.temperature : day.weight) =
                        value.get<double>();
                }
                break;
            case Kind::Flag:
                if (!value.is_boolean()) {
                    dc.Problem(key, text::kWrongType);
                } else {
                    day.*c->flag = value.get<bool>();
                }
                break;
            default:
                if (!value.is_string()) {
                    dc.Problem(key, text::kWrongType);
                } else {
                    ReadCell(*c, value.get_ref<const std::string&>(), dc, given);
                }
                break;
        }
    }
    CheckAlarms(dc, given);
    dc.End();
}

}  // namespace

void ReadVelmoraJson(std::string_view text, ParsedFile& out) {
    DayCollector dc(out);
    int line = 1;
    std::vector<int> dayLines;
    std::string topKey;
    const auto callback = [&](int depth, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::key && depth == 1) {
            topKey = parsed.is_string() ? parsed.get<std::string>() : std::string();
        } else if (event == Json::parse_event_t::object_start && depth == 2 && topKey == "days") {
            dayLines.push_back(line);
        }
        return true;
    };
    Json root;
    try {
        root = Json::parse(LineCountingIterator{text.data(), &line},
                           LineCountingIterator{text.data() + text.size(), &line}, callback);
    } catch (const Json::parse_error& e) {
        dc.FileProblem(LineOfOffset(text, e.byte > 0 ? e.byte - 1 : 0), "", "", text::kBadJson,
                       {e.what()});
        return;
    } catch (const Json::exception& e) {  // a number too large for a double, ...
        dc.FileProblem(line, "", "", text::kBadJson, {e.what()});
        return;
    }
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (format == root.end() || *format != "velmora") {
        dc.FileProblem(0, "", "", text::kUnknownFormat);
        return;
    }
    out.source = ImportSource::VelmoraJson;
    const auto version = root.find("version");
    if (version == root.end()) {
        dc.FileProblem(0, "", "version", text::kMissing);
        return;
    }
    if (!version->is_number_integer()) {
        dc.FileProblem(0, "", "version", text::kWrongType);
        return;
    }
    if (version->get<long long>() > 1 || version->get<long long>() < 1) {
        dc.FileProblem(0, "", "version",
                       version->get<long long>() > 1 ? text::kNewerVersion : text::kOutOfRange,
                       {version->dump()});
        return;
    }
    const auto days = root.find("days");
    if (days == root.end() || !days->is_array()) {
        dc.FileProblem(0, "", "days", days == root.end() ? text::kMissing : text::kWrongType);
        return;
    }
    size_t object = 0;
    for (const Json& d : *days) {
        if (!d.is_object()) {
            dc.FileProblem(0, "", "days", text::kWrongType);
            continue;
        }
        const int dayLine = object < dayLines.size() ? dayLines[object] : 0;
        ++object;
        ReadJsonDay(d, dayLine, dc);
    }
}

}  // namespace velmora::exchange
