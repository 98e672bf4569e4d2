// drip's CSV export: one row a day, columns named after drip's data ("bleeding.value"),
// empty cells for no value, true/false for its check boxes. What the diary has a place for
// is mapped; the rest is counted for the summary.

#include <charconv>

#include "exchange/csv.h"
#include "exchange/dayformat.h"
#include "exchange/texts.h"

namespace velmora::exchange {

namespace {

namespace text = exchange_text;

enum class Role {
    Date,
    TemperatureValue,
    TemperatureExclude,
    BleedingValue,
    BleedingExclude,
    MucusTexture,
    Note,
    Sex,            // any of them: m_sex
    Contraceptive,  // any of them: m_protection
    Cramps,
    Headache,
    OtherPain,
    NoPlace,
    Unknown,
};

struct DripColumn {
    std::string_view name;
    Role role;
};

constexpr DripColumn kColumns[] = {
    {"date", Role::Date},
    {"temperature.value", Role::TemperatureValue},
    {"temperature.exclude", Role::TemperatureExclude},
    {"temperature.time", Role::NoPlace},
    {"temperature.note", Role::NoPlace},
    {"bleeding.value", Role::BleedingValue},
    {"bleeding.exclude", Role::BleedingExclude},
    {"mucus.feeling", Role::NoPlace},
    {"mucus.texture", Role::MucusTexture},
    {"mucus.value", Role::NoPlace},
    {"mucus.exclude", Role::NoPlace},
    {"note.value", Role::Note},
    {"sex.solo", Role::Sex},
    {"sex.partner", Role::Sex},
    {"sex.condom", Role::Contraceptive},
    {"sex.pill", Role::Contraceptive},
    {"sex.iud", Role::Contraceptive},
    {"sex.patch", Role::Contraceptive},
    {"sex.ring", Role::Contraceptive},
    {"sex.implant", Role::Contraceptive},
    {"sex.diaphragm", Role::Contraceptive},
    {"sex.none", Role::NoPlace},
    {"sex.other", Role::NoPlace},
    {"sex.note", Role::NoPlace},
    {"pain.cramps", Role::Cramps},
    {"pain.ovulationPain", Role::OtherPain},
    {"pain.headache", Role::Headache},
    {"pain.backache", Role::OtherPain},
    {"pain.nausea", Role::OtherPain},
    {"pain.tenderBreasts", Role::OtherPain},
    {"pain.migraine", Role::Headache},
    {"pain.other", Role::OtherPain},
    {"pain.note", Role::NoPlace},
};
// Groups the diary has no place for at all, whatever their columns: counted as one.
constexpr std::string_view kNoPlaceGroups[] = {"mood", "desire", "cervix"};

// drip's bleeding 0-3 (spotting, light, medium, heavy) as fluid codes, and its mucus
// textures 1 (creamy) and 2 (egg white).
constexpr int16_t kFluidOfBleeding[4] = {4, 1, 2, 3};
constexpr int16_t kFluidOfTexture[3] = {0, 5, 6};

// The Day View's ache items as a record stores them.
constexpr std::u16string_view kHeadacheKind = u"Головная";
constexpr std::u16string_view kOtherAcheKind = u"Другое";

struct Mapped {
    Role role;
    std::string key;  // where the summary counts a value without a place
};

Mapped MapColumn(std::string_view name) {
    const std::string_view group = name.substr(0, name.find('.'));
    for (std::string_view g : kNoPlaceGroups) {
        if (name.find('.') != std::string_view::npos && group == g) {
            return {Role::NoPlace, std::string(g)};
        }
    }
    for (const DripColumn& c : kColumns) {
        if (c.name == name) {
            return {c.role, std::string(name)};
        }
    }
    return {Role::Unknown, std::string(name)};
}

}  // namespace

bool IsDripCsvHeader(const std::vector<std::string>& header) {
    bool date = false;
    bool dotted = false;
    for (const std::string& h : header) {
        date = date || h == "date";
        dotted = dotted || h.find('.') != std::string::npos;
    }
    return date && dotted;
}

void ReadDripCsv(const std::vector<std::string>& header, CsvReader& reader, int headerLine,
                 ParsedFile& out) {
    out.source = ImportSource::DripCsv;
    DayCollector dc(out);
    std::vector<Mapped> columns;
    size_t dateAt = 0;
    for (size_t i = 0; i < header.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (header[j] == header[i]) {
                dc.FileProblem(headerLine, "", header[i], text::kColumnTwice, {header[i]});
                return;
            }
        }
        columns.push_back(MapColumn(header[i]));
        if (columns.back().role == Role::Date) {
            dateAt = i;
        }
    }

    std::vector<std::string> fields;
    while (dc.NextRow(reader, header.size(), dateAt, fields)) {
        ExchangeDay& d = dc.Day();
        int bleeding = -1;
        int texture = -1;
        bool temperatureExcluded = false;
        bool bleedingExcluded = false;
        bool headache = false;
        bool otherPain = false;
        for (size_t i = 0; i < fields.size(); ++i) {
            const std::string& cell = fields[i];
            const std::string& name = header[i];
            auto yes = [&] {
                if (cell == "true") {
                    return true;
                }
                if (!cell.empty() && cell != "false") {
                    dc.Problem(name, text::kUnknownValue, {cell});
                }
                return false;
            };
            auto number = [&](int most) {
                int v = -1;
                if (cell.empty()) {
                    return -1;
                }
                const auto r = std::from_chars(cell.data(), cell.data() + cell.size(), v);
                if (r.ec == std::errc::result_out_of_range ||
                    (r.ec == std::errc() && r.ptr == cell.data() + cell.size() &&
                     (v < 0 || v > most))) {
                    dc.Problem(name, text::kOutOfRange, {cell});
                    return -1;
                }
                if (r.ec != std::errc() || r.ptr != cell.data() + cell.size()) {
                    dc.Problem(name, text::kNotANumber, {cell});
                    return -1;
                }
                return v;
            };
            switch (columns[i].role) {
                case Role::Date:
                    break;
                case Role::TemperatureValue: {
                    double v = 0;
                    if (!cell.empty() && !ParseNumber(cell, v)) {
                        dc.Problem(name, text::kNotANumber, {cell});
                    }
                    d.temperature = v;
                    break;
                }
                case Role::TemperatureExclude:
                    temperatureExcluded = yes();
                    break;
                case Role::BleedingValue:
                    bleeding = number(3);
                    break;
                case Role::BleedingExclude:
                    bleedingExcluded = yes();
                    break;
                case Role::MucusTexture:
                    texture = number(2);
                    break;
                case Role::Note:
                    dc.Text(name, cell, d.note);
                    break;
                case Role::Sex:
                    d.sex = yes() || d.sex;
                    break;
                case Role::Contraceptive:
                    d.protection = yes() || d.protection;
                    break;
                case Role::Cramps:
                    d.cramps = yes() || d.cramps;
                    break;
                case Role::Headache:
                    headache = yes() || headache;
                    break;
                case Role::OtherPain:
                    otherPain = yes() || otherPain;
                    break;
                case Role::NoPlace:
                    if (!cell.empty() && cell != "false") {
                        dc.Unmapped(columns[i].key, text::kNoPlace);
                    }
                    break;
                case Role::Unknown:
                    if (!cell.empty()) {
                        dc.Unmapped(columns[i].key, text::kUnknownColumn);
                    }
                    break;
            }
        }
        if (bleeding >= 0) {
            d.fluid = kFluidOfBleeding[bleeding];
            if (texture > 0) {
                dc.Unmapped("mucus.texture", text::kMucusWithBleeding);
            }
            if (bleedingExcluded) {
                dc.Unmapped("bleeding.exclude", text::kExcludedKept);
            }
        } else if (texture >= 0) {
            d.fluid = kFluidOfTexture[texture];
        }
        if (temperatureExcluded && d.temperature != 0) {
            dc.Unmapped("temperature.exclude", text::kExcludedKept);
        }
        if (headache || otherPain) {
            d.ache = true;
            d.acheKind = headache ? kHeadacheKind : kOtherAcheKind;
            if (headache && otherPain) {
                dc.Unmapped("pain", text::kOtherPainsLost);
            }
        }
        ExchangeDay nothing;
        nothing.year = d.year;
        nothing.month = d.month;
        nothing.day = d.day;
        if (d == nothing) {
            dc.Unmapped("", text::kNothingToKeep);
            dc.End(false);
        } else {
            dc.End();
        }
    }
}

}  // namespace velmora::exchange
