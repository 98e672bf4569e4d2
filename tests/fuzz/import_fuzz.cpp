// Fuzz target for the import: arbitrary bytes as a file to import (Velmora CSV or JSON, drip
// CSV, or anything else).
//
// Input: the bytes as they are; or, when the first byte is below 0x10, one of the seed files
// below with the rest of the input written into it (byte 1 says where, as a fraction of the
// seed, byte 2 how many of the seed's bytes it replaces), so that both libFuzzer and the
// random driver reach the readers' depths from the first run. The seeds: Velmora CSV with
// quotes, line breaks and alarms; Velmora JSON; drip CSV; a truncated file with an open
// quote; a duplicate day; reordered and unknown columns; out-of-range dates; huge fields;
// text in another encoding (Windows-1251, UTF-16); truncated JSON.
//
// Checks: the preview never crashes, reads no byte outside the input (the driver and
// libFuzzer hand it exact heap blocks) and names real lines; a preview without problems is
// applied to an empty diary, must succeed without a message box, and what it wrote must
// come back: the diary exported as CSV and as JSON reads back without a problem, every day
// the same, and the two exports carry the same days.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

#include <unistd.h>

#include "exchange/exchange.h"
#include "platform/clock.h"
#include "platform/datapaths.h"
#include "platform/messagebox.h"
#include "platform/objectstore.h"
#include "platform/timezone.h"

namespace {

using namespace velmora;

int g_boxes = 0;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "import_fuzz: %s\n", what);
    std::abort();
}

std::string Seed(size_t index) {
    const std::string vh =
        "date,fluid,temperature,weight,sex,sport,sport_kind,alarm,note,"
        "diary1_kind,diary1_text,alarm1_type,alarm1_time\r\n";
    const std::string json = "{\"format\":\"velmora\",\"version\":1,\"days\":[\n";
    switch (index) {
        case 0:
            return vh +
                   "2021-03-28,light,36.6,61.25,1,1,yoga,1,\"a, \"\"b\"\"\r\nc\",doctor,x,pill,"
                   "2021-03-28T08:00+02:00\r\n2021-10-31,stretchy,,,0,0,Бег,0,🌷,,,,\r\n";
        case 1:
            return json +
                   "{\"date\":\"2021-10-31\",\"fluid\":\"heavy\",\"temperature\":36.55,"
                   "\"ache\":true,\"ache_kind\":\"headache\",\"note\":\"n\\u00e9\\n\","
                   "\"diary\":[{\"slot\":2,\"kind\":\"other\",\"text\":\"t\"}],\"alarms\":["
                   "{\"slot\":1,\"type\":\"alarm\",\"time\":\"2021-10-31T02:30+01:00\"}]},\n"
                   "{\"date\":\"2021-11-01\"}\n]}\n";
        case 2:
            return "date,temperature.value,temperature.exclude,bleeding.value,mucus.texture,"
                   "note.value,sex.partner,sex.pill,pain.cramps,pain.migraine,pain.nausea,"
                   "mood.happy,cervix.position\n2021-01-01,36.5,true,1,,note,true,true,,,,"
                   "true,1\n2021-01-02,,,,2,,,,true,true,true,,\n2021-01-03,,,,,,,,,,,true,\n";
        case 3:
            return vh + "2021-01-01,light,,,0,0,,0,\"never closed\r\n2021-01-02";
        case 4:
            return "date,fluid\r\n2021-01-01,light\r\n2021-01-02,heavy\r\n2021-01-01,normal\r\n";
        case 5:
            return "note,extra,fluid,date\r\nhi,1,spotting,2021-01-01\r\n,,sticky,2021-01-02\r\n";
        case 6:
            return "date,fluid\r\n1994-12-31,light\r\n9999-12-31,light\r\n2021-13-01,x\r\n";
        case 7:
            return "date,fluid,note\r\n2021-01-01,light," + std::string(199, 'n') +
                   "\r\n2021-01-02,,\"" + std::string(70000, 'h') + "\"\r\n";
        case 8:
            return "date,fluid,note\r\n2021-01-01,light,\xcf\xf0\xe8\xe2\xe5\xf2\r\n";
        case 9:
            return std::string(
                "\xff\xfe"
                "d\0a\0t\0e\0,\0f\0l\0u\0i\0d\0\n\0",
                24);
        default:
            return json + "{\"date\":\"2021-01-01\",\"note\":\"open";
    }
}
constexpr size_t kSeedCount = 11;

void Setup() {
    static bool done = false;
    if (done) {
        return;
    }
    done = true;
    // In memory where there is such a folder: every clean input makes two diaries, and
    // their syncs would be most of the time.
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string dir = (base / "velmora-import-fuzz-XXXXXX").string();
    if (!mkdtemp(dir.data())) {
        Fail("no temporary folder");
    }
    static const std::string root = dir;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    });
    setenv("XDG_DATA_HOME", (dir + "/data").c_str(), 1);
    SetProcessTimeZone("Europe/Berlin");
    SetMessageBoxHandler([](const MessageBoxRequest& r) {
        ++g_boxes;
        return DefaultAnswer(r.buttons);
    });
    Clock::Pin(CTime(2024, 6, 1, 10, 0, 0));
}

void EmptyDiary() {
    ObjectStore::CloseThreadConnection();
    const std::string file = DataPaths::StoreFile();
    for (const char* suffix : {"", "-wal", "-shm"}) {
        unlink((file + suffix).c_str());
    }
}

void CheckPlan(const ImportPlan& plan, const std::string& bytes) {
    int lines = 1;
    for (char c : bytes) {
        lines += c == '\n' || c == '\r';
    }
    for (const ImportProblem& p : plan.problems) {
        if (p.reason.Empty() || p.line < 0 || p.line > lines) {
            Fail("a problem without a reason or a real line");
        }
    }
    for (size_t i = 0; i < plan.days.size(); ++i) {
        const PlannedDay& d = plan.days[i];
        if (d.line < 1 || d.line > lines) {
            Fail("a day without its line");
        }
        if (i > 0 &&
            std::tie(plan.days[i - 1].day.year, plan.days[i - 1].day.month,
                     plan.days[i - 1].day.day) >= std::tie(d.day.year, d.day.month, d.day.day)) {
            Fail("days not sorted, or a day twice");
        }
        if (d.day.note.size() > 199) {
            Fail("a note longer than the store holds");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Setup();
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] < 0x10) {
        std::string seed = Seed(data[0] % kSeedCount);
        const size_t at = size > 1 ? seed.size() * data[1] / 256 : seed.size();
        const size_t cut = size > 2 ? std::min<size_t>(data[2], seed.size() - at) : 0;
        seed.replace(at, cut, bytes.substr(std::min<size_t>(size, 3)));
        bytes = std::move(seed);
    }
    EmptyDiary();
    const ImportPlan plan = PlanImport(bytes);
    CheckPlan(plan, bytes);
    if (!plan.CanApply()) {
        return 0;
    }
    if (plan.newDays != static_cast<int>(plan.days.size())) {
        Fail("a day of an empty diary that is not new");
    }
    g_boxes = 0;
    ExchangeError error;
    int written = 0;
    if (!ApplyImport(plan, ImportMode::Replace, nullptr, error, &written) ||
        written != plan.newDays || g_boxes != 0) {
        Fail("a clean plan did not go into an empty diary");
    }
    std::string csv;
    std::string json;
    if (!ExportDiary(ExchangeFormat::Csv, csv, error) ||
        !ExportDiary(ExchangeFormat::Json, json, error)) {
        Fail("the diary cannot be exported");
    }
    for (const std::string* file : {&csv, &json}) {
        const ImportPlan back = PlanImport(*file);
        if (!back.problems.empty() || back.identicalDays != written ||
            back.days.size() != static_cast<size_t>(written)) {
            Fail("an export does not read back as the same days");
        }
    }
    // The JSON export into an empty diary gives the same CSV: both carry every field.
    EmptyDiary();
    if (!ApplyImport(PlanImport(json), ImportMode::Replace, nullptr, error)) {
        Fail("the JSON export cannot be imported");
    }
    std::string again;
    if (!ExportDiary(ExchangeFormat::Csv, again, error) || again != csv) {
        Fail("CSV and JSON exports differ");
    }
    return 0;
}
