// Frame time: the full scene's drawFrame against an empty frame (clear and
// swap) in the same process and window, and the GUI overlay's own draw.
#include <chrono>
#include <string>
#include <vector>

#include <GL/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include "app/app_state.h"
#include "bench_groups.h"
#include "in_process_program.h"
#include "render/environment_box.h"
#include "render/frame.h"
#include "sample_stats.h"

namespace {

enum class FrameKind { scene, empty, overlay };

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One frame of the kind; returns the seconds to count for it.
double drawOneFrame(FrameKind kind)
{
    switch (kind) {
    case FrameKind::scene: {
        const auto start = Clock::now();
        drawFrame();
        const double seconds = secondsSince(start);
        // The water moves as in the main loop (its cost does not depend on the step).
        environmentBox->clock += 1.0f / 60.0f;
        return seconds;
    }
    case FrameKind::empty: {
        const auto start = Clock::now();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SDL_GL_SwapBuffers();
        return secondsSince(start);
    }
    case FrameKind::overlay: {
        // Only the overlay's own work: its commands and their rasterisation,
        // fenced by glFinish on both sides. The GL state is the one drawFrame
        // leaves before it calls draw (the warm-up frames set it).
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        guiContext->resetView();
        glFinish();
        const auto start = Clock::now();
        guiContext->draw();
        glFinish();
        const double seconds = secondsSince(start);
        SDL_GL_SwapBuffers();
        return seconds;
    }
    }
    return 0.0;
}

void benchFrames(benchmark::State& state, FrameKind kind, int width, int height)
{
    std::string reason;
    if (!startProgramInProcess(reason)) {
        state.SkipWithError(reason.c_str());
        return;
    }
    setProgramWindowSize(width, height);
    for (int i = 0; i < 10; ++i) {
        drawFrame();
        drawOneFrame(kind);
    }

    std::vector<double> frames;
    frames.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        const double seconds = drawOneFrame(kind);
        state.SetIterationTime(seconds);
        frames.push_back(seconds);
    }
    state.counters["median_ms"] = median(frames) * 1e3;
    state.counters["p95_ms"] = quantile(frames, 0.95) * 1e3;
    state.counters["frames"] = static_cast<double>(frames.size());
    state.SetLabel(glRendererName());
}

}  // namespace

void registerFrameBenchmarks(bool quick)
{
    struct Size {
        int width;
        int height;
        int frames;
    };
    const Size sizes[] = {{640, 480, quick ? 40 : 400}, {1920, 1080, quick ? 20 : 200}};
    const std::pair<FrameKind, const char*> kinds[] = {
        {FrameKind::scene, "scene"}, {FrameKind::empty, "empty"}, {FrameKind::overlay, "overlay"}};
    for (const Size& size : sizes) {
        for (const auto& [kind, kindName] : kinds) {
            const std::string name =
                "frame/" + std::string(kindName) + "/" + std::to_string(size.width) + "x" + std::to_string(size.height);
            benchmark::RegisterBenchmark(name.c_str(),
                                         [kind = kind, size](benchmark::State& state) {
                                             benchFrames(state, kind, size.width, size.height);
                                         })
                ->Iterations(size.frames)
                ->Repetitions(quick ? 2 : 5)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        }
    }
}
