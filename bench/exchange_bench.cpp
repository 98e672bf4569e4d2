// Export and import of twenty years of daily records (7,305 days of the demo diary: periods,
// temperatures, weights, symptoms, notes, diary entries, alarms): the whole diary to CSV and
// to JSON, and the preview plus the apply of those files into an empty diary, beside the
// floor: reading the same file into memory.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "bench/benchdata.h"
#include "exchange/exchange.h"
#include "platform/datapaths.h"
#include "platform/objectstore.h"

namespace velmora {
namespace {

const char* Name(ExchangeFormat f) {
    return f == ExchangeFormat::Csv ? "csv" : "json";
}

// The twenty years exported once into files beside the store.
std::string ExportedFile(ExchangeFormat format) {
    bench::EnsureTwentyYearStore();
    const std::string path = bench::UseTemporaryHome() + "/diary." + Name(format);
    static bool made[2] = {false, false};
    if (!made[static_cast<int>(format)]) {
        ExchangeError error;
        if (!ExportDiaryToFile(path, format, error)) {
            std::fprintf(stderr, "export failed: %s\n", error.Text().c_str());
            std::abort();
        }
        made[static_cast<int>(format)] = true;
    }
    return path;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Runs in a diary of its own, emptied before every round, and returns to the twenty years.
class EmptyDiaryHome {
public:
    EmptyDiaryHome() {
        const char* old = std::getenv("XDG_DATA_HOME");
        m_old = old ? old : "";
        ObjectStore::CloseThreadConnection();
        setenv("XDG_DATA_HOME", (bench::UseTemporaryHome() + "/import-data").c_str(), 1);
        Empty();
    }
    ~EmptyDiaryHome() {
        Empty();
        setenv("XDG_DATA_HOME", m_old.c_str(), 1);
    }
    static void Empty() {
        ObjectStore::CloseThreadConnection();
        const std::string file = DataPaths::StoreFile();
        for (const char* suffix : {"", "-wal", "-shm"}) {
            unlink((file + suffix).c_str());
        }
    }

private:
    std::string m_old;
};

void BM_Floor_ReadFile(benchmark::State& state) {
    const std::string path = ExportedFile(static_cast<ExchangeFormat>(state.range(0)));
    for (auto _ : state) {
        std::string bytes = ReadAll(path);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetLabel(Name(static_cast<ExchangeFormat>(state.range(0))));
}
BENCHMARK(BM_Floor_ReadFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole diary into text: the walk over the store and the writing.
void BM_ExportDiary(benchmark::State& state) {
    const auto format = static_cast<ExchangeFormat>(state.range(0));
    bench::EnsureTwentyYearStore();
    size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        ExchangeError error;
        if (!ExportDiary(format, out, error)) {
            state.SkipWithError("export failed");
            break;
        }
        bytes = out.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetLabel(Name(format));
}
BENCHMARK(BM_ExportDiary)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The same into a file: written, synced and renamed into place.
void BM_ExportDiaryToFile(benchmark::State& state) {
    const auto format = static_cast<ExchangeFormat>(state.range(0));
    bench::EnsureTwentyYearStore();
    const std::string path = bench::UseTemporaryHome() + "/again." + Name(format);
    for (auto _ : state) {
        ExchangeError error;
        if (!ExportDiaryToFile(path, format, error)) {
            state.SkipWithError("export failed");
            break;
        }
    }
    state.SetLabel(Name(format));
}
BENCHMARK(BM_ExportDiaryToFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The preview of the file against an empty diary: reading, parsing, comparing.
void BM_PlanImport(benchmark::State& state) {
    const auto format = static_cast<ExchangeFormat>(state.range(0));
    const std::string path = ExportedFile(format);
    EmptyDiaryHome home;
    for (auto _ : state) {
        const ImportPlan plan = PlanImportFile(path);
        if (plan.newDays != bench::kTwentyYears || !plan.CanApply()) {
            state.SkipWithError("the file does not read back");
            break;
        }
    }
    state.SetLabel(Name(format));
}
BENCHMARK(BM_PlanImport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Preview and apply into an empty diary: every day written, one transaction, one commit.
void BM_PlanAndApplyImport(benchmark::State& state) {
    const auto format = static_cast<ExchangeFormat>(state.range(0));
    const std::string path = ExportedFile(format);
    EmptyDiaryHome home;
    for (auto _ : state) {
        state.PauseTiming();
        EmptyDiaryHome::Empty();
        state.ResumeTiming();
        const ImportPlan plan = PlanImportFile(path);
        ExchangeError error;
        int written = 0;
        if (!ApplyImport(plan, ImportMode::Merge, nullptr, error, &written) ||
            written != bench::kTwentyYears) {
            state.SkipWithError("the import failed");
            break;
        }
    }
    state.SetLabel(Name(format));
}
BENCHMARK(BM_PlanAndApplyImport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
