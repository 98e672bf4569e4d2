#pragma once

#include <benchmark/benchmark.h>

namespace velmora::bench {

// Google Benchmark's own main, for the programs that read options of their own first.
inline int RunBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace velmora::bench
