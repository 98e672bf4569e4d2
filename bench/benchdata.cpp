#include "bench/benchdata.h"

#include <cstdlib>
#include <filesystem>

#include <sqlite3.h>

#include <cstdio>

#include "platform/datapaths.h"
#include "platform/messagebox.h"
#include "platform/timezone.h"
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

CTime TwentyYearsFirstDay() {
    return CVelmoraMFCDoc::DayAtNoon(2006, 1, 1);
}

CTime TwentyYearsDay(int index) {
    return TwentyYearsFirstDay() + int64_t{index} * kSecondsPerDay;
}

void EnsureTwentyYearStore() {
    static bool made = false;
    if (made) {
        return;
    }
    SetProcessTimeZone("Europe/Berlin");
    SetMessageBoxHandler([](const MessageBoxRequest& r) {
        std::fprintf(stderr, "unexpected message: %s\n", r.text.c_str());
        std::abort();
        return 0;
    });
    UseTemporaryHome();
    WriteDemoYears(TwentyYearsFirstDay(), kTwentyYears);
    made = true;
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

}  // namespace velmora::bench
