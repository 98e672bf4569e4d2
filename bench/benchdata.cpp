#include "bench/benchdata.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>

#include "platform/calendar.h"
#include "platform/clock.h"
#include "platform/datapaths.h"
#include "platform/messagebox.h"
#include "platform/objectstore.h"
#include "platform/timezone.h"
#include "store/cedatabase.h"
#include "store/velmoradoc.h"
#include "tools/demo/demodiary.h"

namespace velmora::bench {

std::string UseTemporaryHome() {
    static std::string root;
    if (root.empty()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::abort();
        }
        root = pattern;
        setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(root, ec);
        });
    }
    return root;
}

void WriteDemoYears(CTime first, int days) {
    WriteDemoDiary(first, days);
}

namespace {

// The zone and the message guard every store benchmark runs under, set once.
void PrepareProcess() {
    static bool done = false;
    if (done) {
        return;
    }
    SetProcessTimeZone("Europe/Berlin");
    SetMessageBoxHandler([](const MessageBoxRequest& r) {
        std::fprintf(stderr, "unexpected message: %s\n", r.text.c_str());
        std::abort();
        return 0;
    });
    done = true;
}

// The civil day number of the last day of every store.
long long LastDayNumber() {
    static const long long last = [] {
        PrepareProcess();
        const LocalTime today = Clock::Now().Local();
        return DayNumber(today.year, today.month, today.day);
    }();
    return last;
}

}  // namespace

std::string StoreHome(int days) {
    return UseTemporaryHome() + "/days-" + std::to_string(days);
}

CTime LastDayOfStores() {
    return StoreDay(1, 0);
}

CTime StoreDay(int days, int index) {
    const CivilDate d = CivilFromDays(LastDayNumber() - (days - 1) + index);
    return CVelmoraMFCDoc::DayAtNoon(static_cast<int>(d.year), static_cast<int>(d.month),
                                     static_cast<int>(d.day));
}

namespace {

// Points the store at `home`; the cached connection to the file before is dropped.
void UseDataHome(const std::string& home) {
    const char* current = std::getenv("XDG_DATA_HOME");
    if (!current || home != current) {
        ObjectStore::CloseThreadConnection();
        setenv("XDG_DATA_HOME", home.c_str(), 1);
    }
}

// Where the stores are first written: a memory file system when there is one (empty when
// not). The demo writer saves every day in a durable transaction of its own; a disk's sync
// per day would make a hundred years take minutes. The finished files are copied to the
// disk and measured there.
std::string StagingRoot() {
    static std::string root;
    static bool tried = false;
    if (!tried) {
        tried = true;
        std::string pattern = "/dev/shm/velmora-bench-XXXXXX";
        if (mkdtemp(pattern.data())) {
            root = pattern;
            std::atexit([] {
                std::error_code ec;
                std::filesystem::remove_all(root, ec);
            });
        }
    }
    return root;
}

// Whether the memory file system has room for the store of `days` days (about 560 bytes a
// day, its log and a margin).
bool StagingHasRoom(int days) {
    struct statvfs fs {};
    return !StagingRoot().empty() && statvfs(StagingRoot().c_str(), &fs) == 0 &&
           static_cast<double>(fs.f_bavail) * static_cast<double>(fs.f_frsize) >=
               1200.0 * days + 16e6;
}

// Copies the files of the data folder `from` into the current one and syncs them.
void CopyDataDir(const std::string& from) {
    namespace fs = std::filesystem;
    const std::string to = DataPaths::DataDir();
    if (!DataPaths::EnsurePrivateDir(to)) {
        std::abort();
    }
    for (const fs::directory_entry& e : fs::directory_iterator(from)) {
        if (!e.is_regular_file()) {
            continue;
        }
        const fs::path target = fs::path(to) / e.path().filename();
        fs::copy_file(e.path(), target, fs::copy_options::overwrite_existing);
        fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
        const int fd = open(target.c_str(), O_RDONLY);
        if (fd < 0 || fsync(fd) != 0) {
            std::abort();
        }
        close(fd);
    }
}

}  // namespace

void EnsureStoreOfDays(int days) {
    static std::map<int, bool> made;
    PrepareProcess();
    const std::string home = StoreHome(days);
    if (made[days]) {
        UseDataHome(home);
        return;
    }
    const auto t0 = std::chrono::steady_clock::now();
    const std::string staging =
        StagingHasRoom(days) ? StagingRoot() + "/days-" + std::to_string(days) : home;
    UseDataHome(staging);
    const int written = WriteDemoDiary(StoreDay(days, 0), days);
    if (written != days) {
        std::fprintf(stderr, "the store of %d days took only %d\n", days, written);
        std::abort();
    }
    if (staging != home) {
        ObjectStore::CloseThreadConnection();  // the last connection folds its log back
        const std::string from = DataPaths::DataDir();
        UseDataHome(home);
        CopyDataDir(from);
        std::error_code ec;
        std::filesystem::remove_all(staging, ec);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::fprintf(stderr, "(the store of %d days made in %.1f s)\n", days, seconds);
    made[days] = true;
}

void StoreFloor(benchmark::State& state) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(DataPaths::StoreFile().c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT db, record, pos, prop, type, value FROM props "
                       "ORDER BY db, record, pos",
                       -1, &s, nullptr);
    int64_t rows = 0;
    for (auto _ : state) {
        int64_t sum = 0;
        while (sqlite3_step(s) == SQLITE_ROW) {
            for (int c = 0; c < 5; ++c) {
                sum += sqlite3_column_int64(s, c);
            }
            switch (sqlite3_column_type(s, 5)) {
                case SQLITE_INTEGER:
                    sum += sqlite3_column_int64(s, 5);
                    break;
                case SQLITE_FLOAT:
                    sum += static_cast<int64_t>(sqlite3_column_double(s, 5));
                    break;
                case SQLITE_TEXT:
                    benchmark::DoNotOptimize(sqlite3_column_text16(s, 5));
                    sum += sqlite3_column_bytes16(s, 5);
                    break;
                case SQLITE_BLOB:
                    benchmark::DoNotOptimize(sqlite3_column_blob(s, 5));
                    sum += sqlite3_column_bytes(s, 5);
                    break;
            }
            ++rows;
        }
        sqlite3_reset(s);
        benchmark::DoNotOptimize(sum);
    }
    state.counters["rows"] = static_cast<double>(rows) / static_cast<double>(state.iterations());
    sqlite3_finalize(s);
    sqlite3_close(db);
}

namespace {

// FILETIME (100 ns units since 1601) of an instant.
int64_t FileTimeOf(CTime t) {
    return (t.GetTime() + 11644473600LL) * 10000000LL;
}

}  // namespace

void DayLookUpFloor(benchmark::State& state, CTime day) {
    sqlite3* db = nullptr;
    sqlite3_stmt* s = nullptr;
    auto fail = [&](const char* what) {
        state.SkipWithError(what);
        sqlite3_finalize(s);
        sqlite3_close(db);
    };
    if (sqlite3_open_v2(DataPaths::StoreFile().c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
            SQLITE_OK ||
        sqlite3_busy_timeout(db, 5000) != SQLITE_OK ||
        sqlite3_exec(db,
                     "CREATE INDEX IF NOT EXISTS props_day ON props(db, prop, value, record) "
                     "WHERE prop = 0",
                     nullptr, nullptr, nullptr) != SQLITE_OK) {
        return fail("cannot open the store or index its days");
    }
    int64_t dbId = 0;
    sqlite3_prepare_v2(db, "SELECT id FROM databases WHERE name = ?1", -1, &s, nullptr);
    sqlite3_bind_text16(s, 1, kDayStoreName.data(), static_cast<int>(kDayStoreName.size() * 2),
                        SQLITE_STATIC);
    if (sqlite3_step(s) != SQLITE_ROW) {
        return fail("no day store in the file");
    }
    dbId = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
    s = nullptr;

    // The record whose date falls on the local calendar day of `day`, all its properties;
    // SQLite must find the record through the index, or this is no floor.
    const char* const kLookUp =
        "SELECT p.prop, p.type, p.value FROM props p WHERE p.db = ?1 AND "
        "p.record = (SELECT record FROM props WHERE db = ?1 AND prop = 0 AND "
        "value BETWEEN ?2 AND ?3 LIMIT 1) ORDER BY p.pos";
    sqlite3_prepare_v2(db, (std::string("EXPLAIN QUERY PLAN ") + kLookUp).c_str(), -1, &s, nullptr);
    bool indexed = false;
    while (sqlite3_step(s) == SQLITE_ROW) {
        const auto* detail = reinterpret_cast<const char*>(sqlite3_column_text(s, 3));
        indexed = indexed || (detail && std::strstr(detail, "props_day"));
    }
    sqlite3_finalize(s);
    s = nullptr;
    if (!indexed) {
        return fail("SQLite does not take the index of the days for the look-up");
    }
    sqlite3_prepare_v2(db, kLookUp, -1, &s, nullptr);
    const LocalTime lt = day.Local();
    const CTime midnight(lt.year, lt.month, lt.day, 0, 0, 0);
    const CTime nextMidnight(lt.year, lt.month, lt.day + 1, 0, 0, 0);
    sqlite3_bind_int64(s, 1, dbId);
    sqlite3_bind_int64(s, 2, FileTimeOf(midnight));
    sqlite3_bind_int64(s, 3, FileTimeOf(nextMidnight) - 1);

    int rows = 0;
    for (auto _ : state) {
        int64_t sum = 0;
        rows = 0;
        while (sqlite3_step(s) == SQLITE_ROW) {
            sum += sqlite3_column_int64(s, 0) + sqlite3_column_int64(s, 1);
            switch (sqlite3_column_type(s, 2)) {
                case SQLITE_INTEGER:
                    sum += sqlite3_column_int64(s, 2);
                    break;
                case SQLITE_FLOAT:
                    sum += static_cast<int64_t>(sqlite3_column_double(s, 2));
                    break;
                case SQLITE_TEXT:
                    benchmark::DoNotOptimize(sqlite3_column_text16(s, 2));
                    sum += sqlite3_column_bytes16(s, 2);
                    break;
                case SQLITE_BLOB:
                    benchmark::DoNotOptimize(sqlite3_column_blob(s, 2));
                    sum += sqlite3_column_bytes(s, 2);
                    break;
            }
            ++rows;
        }
        sqlite3_reset(s);
        benchmark::DoNotOptimize(sum);
    }
    if (rows != kDayPropCount) {
        return fail("the day's record was not read whole");
    }
    state.counters["rows"] = rows;
    sqlite3_finalize(s);
    sqlite3_close(db);
}

}  // namespace velmora::bench
