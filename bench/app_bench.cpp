// The calendar: drawing a month in the worst case (31 days, every icon on every day) beside
// a memcpy of the whole buffer; and the program's start, from process start to the first
// calendar frame, with the start picture's wait set to zero, on diaries of three sizes
// (the argument: 365, 7,305 and 36,525 daily records, all ending today).

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "bench/benchdata.h"
#include "res/programresources.h"
#include "ui/calendarpainter.h"

extern char** environ;

namespace velmora {
namespace {

void BM_DrawMonth_EveryIcon(benchmark::State& state) {
    RegisterProgramResources();
    GraphicBuffer buffer(240, 268);
    PictureCache pictures;
    const DayMarks marks = bench::EveryIcon();
    CalendarMonth month;
    month.month = 10;
    month.year = 2022;  // 31 days that need a sixth row
    month.mondayFirst = false;
    month.today = 17;
    DrawCalendarMonth(buffer, marks, month, pictures);  // decode the pictures once
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawCalendarMonth(buffer, marks, month, pictures));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawMonth_EveryIcon)->Unit(benchmark::kMicrosecond);

void BM_Floor_MemcpyOfTheBuffer(benchmark::State& state) {
    std::vector<uint8_t> from(240 * 268 * 2, 7), to(240 * 268 * 2);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Floor_MemcpyOfTheBuffer)->Unit(benchmark::kMicrosecond);

// Starts `program` once per iteration and times it to its end; the program is told to end
// after its first frame. One start before the timed ones leaves today's backup of the
// diary made and the files in the page cache.
void TimeStarts(benchmark::State& state, const char* program) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        env.emplace_back(*e);
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.emplace_back("SDL_AUDIODRIVER=dummy");
    env.emplace_back("VELMORA_TEST_SPLASH_MS=0");
    env.emplace_back("VELMORA_TEST_EXIT_AFTER_FIRST_FRAME=1");
    std::vector<char*> envp;
    for (auto& kv : env) {
        envp.push_back(kv.data());
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program), nullptr};
    // The seconds of one start to its end, or a negative number when it failed.
    auto start = [&]() -> double {
        const auto t0 = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, program, nullptr, nullptr, argv, envp.data()) != 0) {
            return -1;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        const auto t1 = std::chrono::steady_clock::now();
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            return -1;
        }
        return std::chrono::duration<double>(t1 - t0).count();
    };
    if (start() < 0) {
        state.SkipWithError("the program did not start and end normally");
        return;
    }
    for (auto _ : state) {
        const double seconds = start();
        if (seconds < 0) {
            state.SkipWithError("the program did not start and end normally");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

// Process start to the first painted month (today's, full of records), on the diary of
// the benchmark's size.
void BM_StartToFirstFrame(benchmark::State& state) {
    bench::EnsureStoreOfDays(static_cast<int>(state.range(0)));  // the program's XDG_DATA_HOME
    TimeStarts(state, VELMORA_EXE);
}
BENCHMARK(BM_StartToFirstFrame)
    ->Apply(bench::StoreSizes)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// The floor: a bare Qt window of the same size, to its first frame.
void BM_Floor_BareQtWindowToFirstFrame(benchmark::State& state) {
    TimeStarts(state, VELMORA_FLOOR_EXE);
}
BENCHMARK(BM_Floor_BareQtWindowToFirstFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
