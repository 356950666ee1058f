// Frame time: the full scene's drawFrame against an empty frame (clear and
// swap) in the same process and window, and the GUI overlay's own draw.
// Figures are wall time per frame; the process's CPU time per frame (all
// llvmpipe threads) is kept beside them, as the work a frame takes.
#include <string>
#include <vector>

#include <GL/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>

#include "app/colour_overlay.h"
#include "bench_groups.h"
#include "cpu_time.h"
#include "in_process_program.h"
#include "render/environment_box.h"
#include "render/frame.h"
#include "sample_stats.h"
#include "state/program_state.h"

namespace {

enum class FrameKind { scene, sceneWaterTorch, empty, overlay, overlayWithChart };

// A frame's CPU time is every thread's: llvmpipe draws on its own.
Stopwatch frameStopwatch()
{
    return Stopwatch(processCpuSeconds);
}

// One frame of the kind; returns the time to count for it.
Elapsed drawOneFrame(FrameKind kind)
{
    switch (kind) {
    case FrameKind::scene:
    case FrameKind::sceneWaterTorch: {
        const Stopwatch stopwatch = frameStopwatch();
        drawFrame();
        const Elapsed time = stopwatch.elapsed();
        // The water moves as in the main loop (its cost does not depend on the step).
        environmentBox->clock += 1.0f / 60.0f;
        return time;
    }
    case FrameKind::empty: {
        const Stopwatch stopwatch = frameStopwatch();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SDL_GL_SwapBuffers();
        return stopwatch.elapsed();
    }
    case FrameKind::overlay:
    case FrameKind::overlayWithChart: {
        // Only the overlay's own work: its commands and their rasterisation,
        // fenced by glFinish on both sides. The GL state is the one drawFrame
        // leaves before it calls draw (the warm-up frames set it).
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        guiContext->resetView();
        glFinish();
        const Stopwatch stopwatch = frameStopwatch();
        guiContext->draw();
        glFinish();
        const Elapsed time = stopwatch.elapsed();
        SDL_GL_SwapBuffers();
        return time;
    }
    }
    return {};
}

void benchFrames(benchmark::State& state, FrameKind kind, int width, int height)
{
    std::string reason;
    if (!startProgramInProcess(reason)) {
        state.SkipWithError(reason.c_str());
        return;
    }
    setProgramWindowSize(width, height);
    // The chart as a user sees it in clear ocean: the warm-up frames hand it over.
    const bool withChart = kind == FrameKind::overlayWithChart;
    // The measured water's frame: clear ocean with its veil and the torch on.
    const bool water = kind == FrameKind::sceneWaterTorch;
    colourModel = withChart || water ? 1 : 0;
    colourChartShown = withChart;
    torchOn = water;
    for (int i = 0; i < 10; ++i) {
        // As the main loop does, so the chart reaches the GUI.
        syncColourOverlay();
        drawFrame();
        drawOneFrame(kind);
    }

    std::vector<double> wall;
    std::vector<double> cpu;
    wall.reserve(static_cast<std::size_t>(state.max_iterations));
    cpu.reserve(static_cast<std::size_t>(state.max_iterations));
    for (auto _ : state) {
        const Elapsed time = drawOneFrame(kind);
        state.SetIterationTime(time.wall);
        wall.push_back(time.wall);
        cpu.push_back(time.cpu);
    }
    state.counters["median_ms"] = median(wall) * 1e3;
    state.counters["p95_ms"] = quantile(wall, 0.95) * 1e3;
    state.counters["cpu_median_ms"] = median(cpu) * 1e3;
    state.counters["frames"] = static_cast<double>(wall.size());
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
        {FrameKind::scene, "scene"},
        {FrameKind::sceneWaterTorch, "scene_water_torch"},
        {FrameKind::empty, "empty"},
        {FrameKind::overlay, "overlay"},
        {FrameKind::overlayWithChart, "overlay_chart"}};
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
