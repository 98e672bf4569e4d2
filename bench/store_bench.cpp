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

constexpr int kDays = bench::kTwentyYears;


// The floor: the rows a full walk reads, straight from SQLite, no objects built.
void BM_Floor_OneStatementOverAllRows(benchmark::State& state) {
    bench::EnsureTwentyYearStore();
    bench::StoreFloor(state);
}
BENCHMARK(BM_Floor_OneStatementOverAllRows)->Unit(benchmark::kMillisecond);

// SeekFirst, LoadRecord, SeekNext over every day, as the cycle engine and the reports walk.
void BM_DocumentScan(benchmark::State& state) {
    bench::EnsureTwentyYearStore();
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
    bench::EnsureTwentyYearStore();
    CVelmoraMFCDoc doc;
    const CTime last = bench::TwentyYearsDay(kDays - 1);
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
    bench::EnsureTwentyYearStore();
    CVelmoraMFCDoc doc;
    const CTime absent = bench::TwentyYearsDay(kDays + 30);
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
    bench::EnsureTwentyYearStore();
    CVelmoraMFCDoc doc;
    const CTime day = bench::TwentyYearsDay(kDays / 2);
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
