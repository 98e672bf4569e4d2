// The day store with twenty years of daily records (7,305 days): walking all days through
// the document, finding a day, and saving a day, beside the floor: one SQLite statement
// stepping over every property row and reading every column.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "bench/benchdata.h"
#include "platform/datapaths.h"
#include "platform/messagebox.h"
#include "platform/timezone.h"
#include "store/velmoradoc.h"

namespace velmora {
namespace {

constexpr int kDays = 7305;

const CTime& FirstDay() {
    static const CTime first = CVelmoraMFCDoc::DayAtNoon(2006, 1, 1);
    return first;
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

// SeekFirst, LoadRecord, SeekNext over every day, as the cycle engine and the reports walk.
void BM_DocumentScan(benchmark::State& state) {
    EnsureStore();
    CVelmoraMFCDoc doc;
    int days = 0;
    for (auto _ : state) {
        days = 0;
        if (!doc.m_db.IsOpen()) {
            doc.m_db.Open(kDayStoreName);
        }
        for (bool more = doc.m_db.SeekFirst(); more; more = doc.m_db.SeekNext()) {
            doc.LoadRecord();
            days += doc.m_fluid;
        }
        benchmark::DoNotOptimize(days);
    }
    doc.m_db.Close();
}
BENCHMARK(BM_DocumentScan)->Unit(benchmark::kMillisecond);

void BM_FindDay_LastWritten(benchmark::State& state) {
    EnsureStore();
    CVelmoraMFCDoc doc;
    const CTime last = FirstDay() + int64_t{kDays - 1} * kSecondsPerDay;
    for (auto _ : state) {
        if (!doc.FindDay(last)) {
            state.SkipWithError("last day not found");
            break;
        }
    }
    doc.m_db.Close();
}
BENCHMARK(BM_FindDay_LastWritten)->Unit(benchmark::kMillisecond);

void BM_FindDay_Absent(benchmark::State& state) {
    EnsureStore();
    CVelmoraMFCDoc doc;
    const CTime absent = FirstDay() + int64_t{kDays + 30} * kSecondsPerDay;
    for (auto _ : state) {
        if (doc.FindDay(absent)) {
            state.SkipWithError("absent day found");
            break;
        }
    }
    doc.m_db.Close();
}
BENCHMARK(BM_FindDay_Absent)->Unit(benchmark::kMillisecond);

// Save-a-day on a day that has a record: the old record goes, the new one comes, one
// durable transaction.
void BM_SaveDay(benchmark::State& state) {
    EnsureStore();
    CVelmoraMFCDoc doc;
    const CTime day = FirstDay() + int64_t{kDays / 2} * kSecondsPerDay;
    if (!doc.OpenDay(day)) {
        state.SkipWithError("day not found");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        doc.m_temperature = 36.0 + 0.05 * (++i % 40);
        if (doc.SaveDay() != SaveDayResult::Saved) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveDay)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
