#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <functional>
#include <map>
#include <tuple>

#include "exchange/exchange.h"
#include "platform/clock.h"
#include "platform/objectstore.h"
#include "tests/support/faultvfs.h"
#include "tests/support/saveday.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

class ExchangeTest : public test::StoreTest {
protected:
    static std::string Export(ExchangeFormat format) {
        ObjectStore::CloseThreadConnection();
        std::string out;
        ExchangeError error;
        EXPECT_TRUE(ExportDiary(format, out, error)) << error.Text();
        return out;
    }
    static bool Apply(const ImportPlan& plan, ImportMode mode, int* written = nullptr) {
        ExchangeError error;
        const bool ok = ApplyImport(plan, mode, nullptr, error, written);
        EXPECT_TRUE(ok) << error.Text();
        return ok;
    }

    // Berlin: the clocks go forward on 28 March 2021 and back on 31 October 2021.
    test::ScopedTimeZone tz{"Europe/Berlin"};
    ScopedClockPin pin{CTime(2024, 6, 1, 12, 0, 0)};
};

// Days with every field and code, texts a CSV or JSON writer can get wrong, the two days
// the clocks change, and kinds the lists do not have.
void WriteAwkwardDiary() {
    const std::u16string longNote = std::u16string(197, u'x') + u"\U0001F600";  // 199 units
    const std::u16string odd = u"\"Quoted\", comma; Кириллица € 🌷\r\nCRLF\nLF\rCR ";
    test::SaveDay(2021, 10, 31, [](CVelmoraMFCDoc& d) {
        d.m_fluid = 2;
        d.m_temperature = 36.6;
        d.m_weight = 61.25;
        d.m_sex = d.m_bloating = d.m_doctor = d.m_protection = d.m_pms = d.m_cramps = true;
        d.m_sport = d.m_alarm = d.m_ache = true;
        d.m_sportKind = u"Плавание ";
        d.m_acheKind = u"Боль в жив.";
        d.m_note = u"a, \"b\"\nc";
        d.m_diaryType = {1, 0, 6, 0};
        d.m_diaryText = {u"hair", u"", u"misc", u"no kind"};
        d.m_alarmType = {7, 9, 0, 4};
        d.m_alarmTime = {CTime(2021, 10, 31, 2, 30, 0, 1), CTime(2021, 10, 31, 2, 30, 0, 0),
                         CTime(), CTime(2021, 10, 31, 23, 59, 0)};
    });
    test::SaveDay(2021, 3, 28, [&](CVelmoraMFCDoc& d) {
        d.m_note = longNote;
        d.m_alarm = true;
        d.m_alarmType = {0, 0, 0, 1};
        d.m_alarmTime[3] = CTime(2021, 3, 28, 3, 0, 0);
    });
    for (int code = 0; code < 10; ++code) {
        test::SaveDay(2021, 4, 1 + code, [&](CVelmoraMFCDoc& d) {
            d.m_fluid = static_cast<int16_t>(code % 7);
            d.m_temperature = code ? 36.0 + 0.05 * code : 0;
            d.m_weight = code ? 0.1 * code + 0.2 : 0;
            d.m_diaryType[code % 4] = static_cast<int16_t>(code % 7);
            d.m_diaryText[code % 4] = code == 3 ? odd : u"";
            d.m_alarm = code != 0;
            d.m_alarmType[(code + 1) % 4] = static_cast<uint16_t>(code);
            d.m_alarmTime[(code + 1) % 4] = CTime(2021, 4, 1 + code, code, 5 * code, 0);
            static const char16_t* const kSports[] = {
                u"Фитнесс", u"Йога", u"Теннис", u"Волейбол", u"Баскетбол",
                u"Другое",  u"Бег",  u"yoga",   u"",         u"Sport"};
            static const char16_t* const kAches[] = {u"Зубн.боль", u"Головная", u"Другое",
                                                     u"Спина"};
            d.m_sport = code % 2;
            d.m_sportKind = kSports[code];
            d.m_acheKind = kAches[code % 4];
            d.m_note = code == 5 ? odd : u"";
        });
    }
}

TEST_F(ExchangeTest, EveryFieldComesBackByteForByteThroughBothFormats) {
    // The locale of the environment, as the program's window layer takes it (the suite also
    // runs under ru_RU.UTF-8, whose decimal point is a comma).
    const std::string oldLocale = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "");
    struct Restore {
        std::string locale;
        ~Restore() { std::setlocale(LC_ALL, locale.c_str()); }
    } restore{oldLocale};
    WriteAwkwardDiary();
    const std::string csv = Export(ExchangeFormat::Csv);
    const std::string json = Export(ExchangeFormat::Json);
    // The format as docs/export-format.md gives it, for the day with everything.
    EXPECT_EQ(csv.substr(0, csv.find("\r\n2021-04-01")),
              "date,fluid,temperature,weight,sex,bloating,doctor,protection,pms,cramps,sport,"
              "sport_kind,alarm,ache,ache_kind,note,diary1_kind,diary1_text,diary2_kind,"
              "diary2_text,diary3_kind,diary3_text,diary4_kind,diary4_text,alarm1_type,"
              "alarm1_time,alarm2_type,alarm2_time,alarm3_type,alarm3_time,alarm4_type,"
              "alarm4_time\r\n2021-03-28,,,,0,0,0,0,0,0,0,,1,0,," +
                  std::string(197, 'x') +
                  "\xF0\x9F\x98\x80,,,,,,,,,,,,,,,appointment,2021-03-28T03:00+02:00");
    EXPECT_NE(csv.find("\r\n2021-10-31,normal,36.6,61.25,1,1,1,1,1,1,1,swimming,1,1,abdominal,"
                       "\"a, \"\"b\"\"\nc\",hairdresser,hair,,,other,misc,,no kind,pill,"
                       "2021-10-31T02:30+02:00,alarm,2021-10-31T02:30+01:00,,,birthday,"
                       "2021-10-31T23:59+01:00\r\n"),
              std::string::npos)
        << csv;
    EXPECT_NE(
        json.find(
            "\n{\"date\":\"2021-04-04\",\"fluid\":\"heavy\",\"temperature\":36.15,"
            "\"weight\":0.5,\"sport\":true,\"sport_kind\":\"volleyball\",\"alarm\":true,"
            "\"ache_kind\":\"Спина\",\"diary\":[{\"slot\":4,\"kind\":\"manicure\","
            "\"text\":\"\\\"Quoted\\\", comma; Кириллица € 🌷\\r\\nCRLF\\nLF\\rCR \"}],"
            "\"alarms\":[{\"slot\":1,\"type\":\"date\",\"time\":\"2021-04-04T03:15+02:00\"}]},\n"),
        std::string::npos)
        << json;

    for (const std::string* file : {&csv, &json}) {
        SCOPED_TRACE(file == &csv ? "CSV" : "JSON");
        FreshDiary();
        const ImportPlan plan = PlanImport(*file);
        ASSERT_TRUE(plan.problems.empty()) << plan.problems[0].reason.Text();
        EXPECT_EQ(plan.newDays, 12);
        EXPECT_TRUE(plan.unmapped.empty());
        ASSERT_TRUE(Apply(plan, ImportMode::Replace));
        EXPECT_EQ(Export(ExchangeFormat::Csv), csv);
        EXPECT_EQ(Export(ExchangeFormat::Json), json);
        // Against the diary it made, the file is nothing new.
        const ImportPlan again = PlanImport(*file);
        EXPECT_EQ(again.identicalDays, 12);
        EXPECT_EQ(again.mergeWrites + again.replaceWrites, 0);
    }
    CVelmoraMFCDoc back;
    ASSERT_TRUE(back.OpenDay(2021, 4, 8));
    EXPECT_EQ(back.m_sportKind, u"Йога");  // a stored text spelling a keyword reads as the item
    ASSERT_TRUE(back.OpenDay(2021, 4, 9));
    EXPECT_EQ(back.m_sportKind, u"Sport");
    EXPECT_EQ(boxes.Count(), 0u);
}

// (line, column, reason); a reason ending in '*' is matched by its beginning.
using Expected = std::vector<std::tuple<int, std::string, std::string>>;

TEST_F(ExchangeTest, EachBadValueIsNamedByLineColumnAndReason) {
    const std::string veh = "date,fluid,temperature,note,alarm1_type,alarm1_time\r\n";
    const std::string json = "{\"format\":\"velmora\",\"version\":1,\"days\":[\n";
    const std::pair<std::string, Expected> cases[] = {
        {veh + "2021-01-01,lite,36.6x,,,\r\n2021-01-02,none,-,,,\r\n",
         {{2, "fluid", "Unknown value: lite"},
          {2, "temperature", "Not a number: 36.6x"},
          {3, "temperature", "Not a number: -"}}},
        {veh + "1994-12-31,,,,,\r\n2026-01-01,,,,,\r\n2021-02-29,,,,,\r\n",
         {{2, "date", "The date is outside the years 1995 to 2025"},
          {3, "date", "The date is outside the years 1995 to 2025"},
          {4, "date", "Not a date (YYYY-MM-DD): 2021-02-29"}}},
        {veh + "2021-01-01,,,\"two\r\nlines\",,\r\n2021-01-02,,,,,\n2021-01-01,,,,,\r\n",
         {{5, "date", "The day 2021-01-01 is in the file more than once (first on line 2)"}}},
        {veh + "2021-01-01,,," + std::string(199, 'x') + "é,,\r\n2021-01-02,,,\xC3\x28,,\r\n",
         {{2, "note", "The text is too long for the diary (200 characters, at most 199)"},
          {3, "note", "The text is not valid UTF-8"}}},
        {veh + "2021-01-01,,,ab\"c,,\r\n2021-01-02,,,\"x\"y,,\r\n2021-01-03,,,\"open,,\r\n",
         {{2, "", "A quote in the middle of a field"},
          {3, "", "A quote in the middle of a field"},
          {4, "", "A quoted field is not closed"}}},
        {veh + "2021-01-01,,,,pill,\r\n2021-01-02,,,,,2021-01-02T25:00\r\n"
               "2021-01-03,,,,walk,2021-01-03T08:00\r\n"
               "2021-01-04,,,,pill,2021-01-04T08:30x01:00\r\n",
         {{2, "alarm1_type", "An alarm needs both a type and a time"},
          {3, "alarm1_time", "Not a date and time (YYYY-MM-DDTHH:MM): 2021-01-02T25:00"},
          {3, "alarm1_type", "An alarm needs both a type and a time"},
          {4, "alarm1_type", "Unknown value: walk"},
          {5, "alarm1_time", "Not a date and time (YYYY-MM-DDTHH:MM): 2021-01-04T08:30x01:00"}}},
        {"date,date,fluid\r\n", {{1, "date", "The column date is in the header more than once"}}},
        {"temperature.value,date,bleeding.value,sex.partner,mucus.texture\n"
         "36.5,2021-01-01,7,yes,\n,2021-01-02,,,1.5\n36,6,2021-01-03,,,\n",
         {{2, "bleeding.value", "Out of range: 7"},
          {2, "sex.partner", "Unknown value: yes"},
          {3, "mucus.texture", "Not a number: 1.5"},
          {4, "", "The row has 6 fields, the header has 5"}}},
        {json + "{\"date\":\"2021-01-01\"},\n{\"date\":\"2021-01-02\",\n\"temperature\":\"36.6\","
                "\"alarms\":[{\"slot\":5,\"type\":\"pill\"}]}\n]}",
         {{3, "alarms", "Out of range: 5"}, {3, "temperature", "The value has the wrong type"}}},
        {json + "{\"date\":\"2021-01-01\",\"sex\":1},\n{\"date\":\"2021-01-01\",}\n]}",
         {{3, "", "The JSON text is not valid: *"}}},
        {"{\"format\":\"velmora\",\"version\":2,\"days\":[]}",
         {{0, "version", "The file was written by a newer Velmora (format version 2)"}}},
        {"\xEF\xBB\xBFname,value\r\n",
         {{0, "",
           "This is neither a Velmora export (CSV or JSON) "
           "nor a drip CSV export"}}},
    };
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file.substr(0, 120));
        const ImportPlan plan = PlanImport(file);
        EXPECT_FALSE(plan.CanApply());
        ASSERT_EQ(plan.problems.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const auto& [line, column, reason] = expected[i];
            const ImportProblem& got = plan.problems[i];
            EXPECT_EQ(got.line, line) << i;
            EXPECT_EQ(got.column, column) << i;
            if (reason.back() == '*') {
                EXPECT_EQ(got.reason.Text().substr(0, reason.size() - 1),
                          reason.substr(0, reason.size() - 1));
            } else {
                EXPECT_EQ(got.reason.Text(), reason) << i;
            }
        }
    }
}

TEST_F(ExchangeTest, DripRowsMapToTheDiaryAndTheRestIsCounted) {
    const std::string drip =
        "bleeding.value,date,temperature.value,temperature.exclude,mucus.texture,note.value,"
        "sex.partner,sex.condom,pain.cramps,pain.headache,pain.backache,mood.happy,mood.sad,"
        "desire.value,fitbit.steps\r\n"
        "0,2021-03-01,36.55,true,,,,,,,,,,,\r\n"
        "2,2021-03-02,,,2,,true,true,true,false,,,,,\r\n"
        ",2021-03-03,36.7,false,1,,false,,,true,true,true,true,,\r\n"
        ",2021-03-04,,,2,\"Cramps, \"\"bad\"\"\nday\",,,,,true,,,2,\r\n"
        ",2021-03-05,,,,,,,,,,,true,,1000\r\n"
        ",2021-03-06,,,0,,false,,,,,,,,\r\n";
    const ImportPlan plan = PlanImport(drip);
    EXPECT_EQ(plan.source, ImportSource::DripCsv);
    ASSERT_TRUE(plan.CanApply()) << plan.problems[0].reason.Text();
    std::vector<std::string> summary;
    for (const ImportUnmapped& u : plan.unmapped) {
        summary.push_back(u.text.Text());
    }
    EXPECT_EQ(summary,
              (std::vector<std::string>{
                  "temperature.exclude: 1 day marked as excluded; Velmora has no exclusion and "
                  "keeps the value",
                  "mucus.texture: 1 day had cervical mucus beside bleeding; Velmora keeps the "
                  "bleeding",
                  "mood: 2 days had values Velmora has no place for",
                  "pain: 1 day had other pains beside a headache; Velmora keeps the headache",
                  "desire: 1 day had values Velmora has no place for",
                  "fitbit.steps: not a column Velmora knows, ignored (1 day had values)",
                  "2 days had nothing Velmora has a place for and are left out"}));
    ASSERT_TRUE(Apply(plan, ImportMode::Merge));
    // (fluid, temperature, sex, protection, cramps, ache, ache kind, note) by day of March.
    using Row = std::tuple<int, double, bool, bool, bool, bool, std::u16string, std::u16string>;
    const std::map<int, Row> want = {
        {1, {4, 36.55, false, false, false, false, u"Ache", u""}},
        {2, {2, 0.0, true, true, true, false, u"Ache", u""}},
        {3, {5, 36.7, false, false, false, true, u"Головная", u""}},
        {4, {6, 0.0, false, false, false, true, u"Другое", u"Cramps, \"bad\"\nday"}},
    };
    CVelmoraMFCDoc doc;
    for (int day = 1; day <= 6; ++day) {
        ASSERT_EQ(doc.OpenDay(2021, 3, day), want.count(day) == 1) << day;
        if (want.count(day)) {
            EXPECT_EQ(Row(doc.m_fluid, doc.m_temperature, doc.m_sex, doc.m_protection, doc.m_cramps,
                          doc.m_ache, doc.m_acheKind, doc.m_note),
                      want.at(day))
                << day;
        }
    }
}

TEST_F(ExchangeTest, MergeFillsGapsAndReplaceTakesTheFileForEveryKindOfDay) {
    // Days of May 2021 as (fluid, weight, note): stored, and after each kind of import.
    using Day = std::tuple<int, double, std::u16string>;
    const std::map<int, Day> stored = {{1, {2, 0, u""}},
                                       {2, {2, 0, u""}},
                                       {3, {2, 0, u"diary"}},
                                       {4, {1, 55, u""}},
                                       {6, {3, 0, u"kept"}}};
    const std::string file =
        "date,fluid,weight,note,alarm1_type,alarm1_time\r\n2021-05-01,normal,,,,\r\n"
        "2021-05-02,normal,,x,,\r\n2021-05-03,heavy,60,file,,\r\n"
        "2021-05-04,light,,,pill,2021-05-04T08:30\r\n2021-05-05,,,new,,\r\n";
    const std::vector<DayStatus> status = {DayStatus::Identical, DayStatus::Changed,
                                           DayStatus::Conflict, DayStatus::Changed, DayStatus::New};
    const std::map<ImportMode, std::vector<Day>> after = {
        {ImportMode::Merge,
         {{2, 0, u""},
          {2, 0, u"x"},
          {2, 60, u"diary"},
          {1, 55, u""},
          {0, 0, u"new"},
          {3, 0, u"kept"}}},
        {ImportMode::Replace,
         {{2, 0, u""},
          {2, 0, u"x"},
          {3, 60, u"file"},
          {1, 0, u""},
          {0, 0, u"new"},
          {3, 0, u"kept"}}},
    };
    for (const auto& [mode, want] : after) {
        SCOPED_TRACE(mode == ImportMode::Merge ? "merge" : "replace");
        FreshDiary();
        for (const auto& [d, day] : stored) {
            test::SaveDay(2021, 5, d, [&](CVelmoraMFCDoc& doc) {
                std::tie(doc.m_fluid, doc.m_weight, doc.m_note) = day;
            });
        }
        const ImportPlan plan = PlanImport(file);
        ASSERT_TRUE(plan.CanApply());
        ASSERT_EQ(plan.days.size(), status.size());
        for (const PlannedDay& p : plan.days) {
            EXPECT_EQ(p.status, status.at(p.day.day - 1)) << p.day.day;
        }
        EXPECT_EQ(std::tie(plan.mergeWrites, plan.replaceWrites), std::make_tuple(4, 4));
        int written = 0;
        ASSERT_TRUE(Apply(plan, mode, &written));
        EXPECT_EQ(written, 4);
        std::vector<Day> got(6);
        int records = 0;
        CVelmoraMFCDoc walk;
        walk.ForEachDay([&](CVelmoraMFCDoc& d) {
            got.at(d.m_date.GetDay() - 1) = Day(d.m_fluid, d.m_weight, d.m_note);
            return ++records > 0;
        });
        EXPECT_EQ(records, 6);  // one record a day
        EXPECT_EQ(got, want);
        ASSERT_TRUE(walk.OpenDay(2021, 5, 4));  // the file's alarm, its time too
        EXPECT_EQ(walk.m_alarmTime[0], CTime(2021, 5, 4, 8, 30, 0));
    }
}

// Whatever stops an import, the diary is exactly as it was.
TEST_F(ExchangeTest, AnImportThatFailsLeavesTheDiaryAsItWas) {
    for (int d = 1; d <= 20; ++d) {
        test::SaveDay(2001, 1, d,
                      [&](CVelmoraMFCDoc& doc) { doc.m_note = u"old " + std::u16string(d, u'*'); });
    }
    const std::string before = Export(ExchangeFormat::Csv);
    // Days of 2001-2011 (replacing the twenty), enough that the store writes pages to its
    // file before the end.
    std::string rows = "date,fluid,note\r\n";
    for (int i = 0; i < 4000; ++i) {
        const CTime day = CVelmoraMFCDoc::DayAtNoon(2001, 1, 1) + int64_t{i} * kSecondsPerDay;
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.GetYear(), day.GetMonth(),
                      day.GetDay());
        rows += std::string(date) + ",heavy,an imported day with a note to fill pages\r\n";
    }
    test::FaultVfs vfs;
    struct Case {
        const char* name;
        std::string file;
        std::function<bool(ExchangeError&)> backup;
        std::string error;
        bool midImport;
    };
    const Case cases[] = {
        {"problems", "date,fluid\r\n2001-01-01,lots\r\n",
         [](ExchangeError&) {
             ADD_FAILURE() << "no backup for a file with problems";
             return true;
         },
         "The file has problems; nothing was imported", false},
        {"backup", rows,
         [](ExchangeError& e) {
             e = ExchangeText{"No room for the backup", {}};
             return false;
         },
         "No room for the backup", false},
        {"disk full", rows,
         [&](ExchangeError&) {
             vfs.FailWrites(SQLITE_FULL);
             return true;
         },
         "The disk is full; nothing was imported", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        ExchangeError error;
        int written = -1;
        EXPECT_FALSE(
            ApplyImport(PlanImport(c.file), ImportMode::Replace, c.backup, error, &written));
        vfs.Heal();
        EXPECT_EQ(error.Text(), c.error);
        EXPECT_EQ(written, 0);
        // A record's write failed, not the commit: the failure came in the middle.
        EXPECT_EQ(boxes.CountText("Can not write in the prop!"), c.midImport ? 1u : 0u);
        EXPECT_EQ(Export(ExchangeFormat::Csv), before);
    }
    // A store that cannot be read to its end exports nothing.
    ObjectStore::CloseThreadConnection();
    vfs.FailOneReadAfter(8, SQLITE_IOERR_READ);
    std::string out;
    ExchangeError error;
    EXPECT_FALSE(ExportDiary(ExchangeFormat::Json, out, error));
    EXPECT_EQ(error.Text(), "The diary cannot be read completely");
    EXPECT_EQ(PlanImportFile(home->Root()).problems.at(0).reason.Text(),  // opens, a read fails
              "The file " + home->Root() + " cannot be read: " + std::strerror(EISDIR));
}

}  // namespace
}  // namespace velmora
