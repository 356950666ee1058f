// marivane_bench [--json=PATH] [--quick] [Google Benchmark flags]
// Runs the five groups in order and prints one table; --json writes the same
// figures to PATH. Needs a display for the frame, start-up and memory groups
// (scripts/bench starts a private Xvfb when there is none).
#include <cstring>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench_groups.h"
#include "summary_reporter.h"

int main(int argc, char** argv)
{
    std::string jsonPath;
    bool quick = false;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--json=", 7) == 0)
            jsonPath = argv[i] + 7;
        else if (std::strcmp(argv[i], "--quick") == 0)
            quick = true;
        else
            rest.push_back(argv[i]);
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data()))
        return 2;

    registerFrameBenchmarks(quick);
    registerStartupBenchmarks(quick);
    registerObjBenchmarks(quick);
    registerPngBenchmarks(quick);
    registerMemoryBenchmarks(quick);

    SummaryReporter reporter(jsonPath);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.anyFailed() ? 1 : 0;
}
