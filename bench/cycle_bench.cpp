// The cycle engine over twenty years of daily records (7,305 days): Analyze, and clearing
// and loading one month's model, beside the floor: one SQLite statement stepping over every
// property row and reading every column.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "bench/benchdata.h"
#include "cycle/cycleinfo.h"
#include "cycle/monthmodel.h"
#include "platform/clock.h"
#include "platform/datapaths.h"
#include "platform/messagebox.h"
#include "platform/timezone.h"
#include "store/settings.h"
#include "store/velmoradoc.h"

namespace velmora {
namespace {

constexpr int kDays = 7305;

const CTime& FirstDay() {
    static const CTime first = CVelmoraMFCDoc::DayAtNoon(2006, 1, 1);
    return first;
}

// "Today" is the last day of the store, so the window is full of records.
CTime Today() {
    return FirstDay() + int64_t{kDays - 1} * kSecondsPerDay;
}

void EnsureStore() {
    static bool made = false;
    if (!made) {
        SetProcessTimeZone("Europe/Berlin");
        SetMessageBoxHandler([](const MessageBoxRequest& r) {
            std::fprintf(stderr, "unexpected message: %s\n", r.text.c_str());
            std::abort();
            return 0;
        });
        bench::UseTemporaryHome();
        bench::WriteDemoYears(FirstDay(), kDays);
        Clock::Pin(Today());
        made = true;
    }
}

// The floor: the rows a full walk reads, straight from SQLite, no objects built.
void BM_Floor_OneStatementOverAllRows(benchmark::State& state) {
    EnsureStore();
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
BENCHMARK(BM_Floor_OneStatementOverAllRows)->Unit(benchmark::kMillisecond);

// What the calendar runs after the Day View closes: the whole analysis from the store.
void BM_Analyze(benchmark::State& state) {
    EnsureStore();
    CycleInfo info;
    for (auto _ : state) {
        info.Analyze();
        benchmark::DoNotOptimize(info);
    }
    if (info.m_windowEnd.GetTime() == 0 || info.m_avgMenses <= 0) {
        state.SkipWithError("nothing analysed");
    }
}
BENCHMARK(BM_Analyze)->Unit(benchmark::kMillisecond);

// Clearing and loading the model of the month shown, through the calendar's document,
// whose store stays open between months.
void BM_ClearAndLoadMonthModel(benchmark::State& state) {
    EnsureStore();
    TheCycleInfo.Analyze();
    const LocalTime today = Today().Local();
    CVelmoraMFCDoc view;
    DayMarks marks;
    int marked = 0;
    for (auto _ : state) {
        ClearMonthModel(marks);
        LoadMonthModel(marks, view, today.month, today.year, TheCycleInfo);
        benchmark::DoNotOptimize(marks);
    }
    for (const DayMark& m : marks) {
        marked += m.cycle != 0 || m.events != 0;
    }
    if (marked == 0) {
        state.SkipWithError("the month came out empty");
    }
    state.counters["marked"] = marked;
}
BENCHMARK(BM_ClearAndLoadMonthModel)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
