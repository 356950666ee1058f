// Memory: the program's own start-up and main loop (the soak driver) at
// frame 1000 and frame 10000: peak resident size, and how much the resident
// size and the heap grew in between.
#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include <benchmark/benchmark.h>

#include "bench_groups.h"
#include "bench_paths.h"
#include "child_process.h"
#include "program_preconditions.h"

namespace {

struct Checkpoint {
    double residentKb = 0;
    double peakResidentKb = 0;
    double heapBytes = 0;
    double programBytes = 0;
    double orlinBytes = 0;
    double otherBytes = 0;
};

std::map<long, Checkpoint> readCheckpoints(const std::string& output)
{
    std::map<long, Checkpoint> checkpoints;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        long frame = 0;
        Checkpoint point;
        if (std::sscanf(line.c_str(),
                        "soak frame=%ld rss_kb=%lf peak_rss_kb=%lf heap_bytes=%lf program_bytes=%lf "
                        "orlin_bytes=%lf other_bytes=%lf",
                        &frame, &point.residentKb, &point.peakResidentKb, &point.heapBytes, &point.programBytes,
                        &point.orlinBytes, &point.otherBytes) == 7)
            checkpoints[frame] = point;
    }
    return checkpoints;
}

void benchProgramMemory(benchmark::State& state, long firstFrame, long lastFrame)
{
    if (std::string reason = whyProgramCannotRun(); !reason.empty()) {
        state.SkipWithError(reason.c_str());
        return;
    }
    for (auto _ : state) {
        const ChildRun run = runChild(executableDir() + "/marivane_soak",
                                      {std::to_string(firstFrame), std::to_string(lastFrame)}, assetsDir(), {},
                                      600.0);
        std::map<long, Checkpoint> points = readCheckpoints(run.output);
        if (run.exitStatus != 0 || points.count(firstFrame) == 0 || points.count(lastFrame) == 0) {
            state.SkipWithError(("soak run failed: " + run.output.substr(0, 300)).c_str());
            break;
        }
        const Checkpoint& first = points[firstFrame];
        const Checkpoint& last = points[lastFrame];
        state.SetIterationTime(monotonicSeconds() - run.spawnedAt);
        state.counters["peak_rss_mb"] = first.peakResidentKb / 1024.0;
        state.counters["rss_growth_kb"] = last.residentKb - first.residentKb;
        state.counters["peak_rss_growth_kb"] = last.peakResidentKb - first.peakResidentKb;
        state.counters["heap_growth_bytes"] = last.heapBytes - first.heapBytes;
        // Whose blocks: ours (the program's and Orlin's) or the driver's and
        // the system libraries'.
        state.counters["heap_growth_program_bytes"] = last.programBytes - first.programBytes;
        state.counters["heap_growth_orlin_bytes"] = last.orlinBytes - first.orlinBytes;
        state.counters["heap_growth_other_bytes"] = last.otherBytes - first.otherBytes;
        state.counters["first_frame"] = static_cast<double>(firstFrame);
        state.counters["last_frame"] = static_cast<double>(lastFrame);
    }
}

}  // namespace

void registerMemoryBenchmarks(bool quick)
{
    // The soak's first eight seconds (the help panel's fade) and the first
    // thousand frames after them (the driver's first shader variants) are
    // warm-up, in the quick run too.
    const long firstFrame = 1000;
    const long lastFrame = quick ? 2000 : 10000;
    benchmark::RegisterBenchmark("memory/program",
                                 [=](benchmark::State& state) { benchProgramMemory(state, firstFrame, lastFrame); })
        ->Iterations(1)
        ->Repetitions(quick ? 1 : 3)
        ->UseManualTime()
        ->Unit(benchmark::kSecond);
}
