// Start-up: the real program from its process start to the end of its first
// complete frame, split by the phases its start-up trace reports; and, in
// this process, the texture phase's two halves (decoding, mipmaps and upload)
// in CPU time of the thread that does them.
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include "assets/png_reader.h"
#include "assets/texture_set.h"
#include "bench_groups.h"
#include "bench_paths.h"
#include "child_process.h"
#include "cpu_time.h"
#include "in_process_program.h"
#include "program_preconditions.h"

namespace {

// Trace phases in order; each figure is the time since the one before.
// "main" is measured from the spawn: exec, dynamic linking, static set-up.
const char* const tracePhases[] = {"main", "sdl_window", "gui", "first_frame", "textures",
                                   "environment_box", "mesh", "complete_frame"};

bool readTrace(const std::string& output, std::map<std::string, double>& marks)
{
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string tag, phase;
        double seconds = 0.0;
        if (fields >> tag >> phase >> seconds && tag == "startup-trace")
            marks[phase] = seconds;
    }
    for (const char* phase : tracePhases) {
        if (marks.count(phase) == 0)
            return false;
    }
    return true;
}

ChildRun startTracedProgram()
{
    return runChild(executableDir() + "/marivane", {}, assetsDir(), {"MARIVANE_STARTUP_TRACE=1"}, 60.0);
}

void benchProgramStartup(benchmark::State& state)
{
    if (std::string reason = whyProgramCannotRun(); !reason.empty()) {
        state.SkipWithError(reason.c_str());
        return;
    }
    // One unmeasured start, so every measured one finds the files in the page cache.
    static const ChildRun warmUp = startTracedProgram();
    (void)warmUp;

    std::map<std::string, std::vector<double>> phaseMs;
    for (auto _ : state) {
        const ChildRun run = startTracedProgram();
        std::map<std::string, double> marks;
        if (run.exitStatus != 0 || !readTrace(run.output, marks)) {
            state.SkipWithError(("traced start-up failed: " + run.output.substr(0, 300)).c_str());
            break;
        }
        double previous = run.spawnedAt;
        for (const char* phase : tracePhases) {
            phaseMs[phase].push_back((marks[phase] - previous) * 1e3);
            previous = marks[phase];
        }
        state.SetIterationTime(marks["complete_frame"] - run.spawnedAt);
        phaseMs["total"].push_back((marks["complete_frame"] - run.spawnedAt) * 1e3);
        phaseMs["cpu"].push_back(run.cpuSeconds * 1e3);
    }
    // One iteration per repetition: these are that start's own figures.
    for (const auto& [phase, values] : phaseMs)
        state.counters[phase + "_ms"] = values.empty() ? 0.0 : values.back();
}

void benchTextureDecoding(benchmark::State& state)
{
    if (std::string missing = missingAssets(); !missing.empty()) {
        state.SkipWithError(("assets missing: " + missing).c_str());
        return;
    }
    const std::vector<std::string> names = textureFileNames();
    double total = 0.0;
    for (auto _ : state) {
        const double start = threadCpuSeconds();
        for (const std::string& name : names) {
            Image image = loadPng(assetPath(name));
            benchmark::DoNotOptimize(image.pixels);
        }
        const double seconds = threadCpuSeconds() - start;
        state.SetIterationTime(seconds);
        total += seconds;
    }
    state.counters["set_ms"] = total / static_cast<double>(state.iterations()) * 1e3;
}

// The GL half of the texture set: what loadTextures does once each image is
// decoded, for the same eleven images.
void benchTextureUpload(benchmark::State& state)
{
    std::string reason;
    if (!startProgramInProcess(reason)) {
        state.SkipWithError(reason.c_str());
        return;
    }
    std::vector<Image> images;
    for (const std::string& name : textureFileNames())
        images.push_back(loadPng(assetPath(name)));

    double total = 0.0;
    double mipmapTotal = 0.0;
    for (auto _ : state) {
        GLuint names[textureCount] = {};
        glFinish();
        const double start = threadCpuSeconds();
        double mipmapSeconds = 0.0;
        for (int i = 0; i < textureCount; ++i) {
            const Image& image = images[static_cast<std::size_t>(i)];
            const GLenum format = image.channels == 4 ? GL_RGBA : image.channels == 3 ? GL_RGB
                                : image.channels == 2 ? GL_LUMINANCE_ALPHA : GL_LUMINANCE;
            glGenTextures(1, &names[i]);
            glBindTexture(GL_TEXTURE_2D, names[i]);
            const auto w = static_cast<GLsizei>(image.width);
            const auto h = static_cast<GLsizei>(image.height);
            if (textureFiles[i].mipmapped) {
                const double mipmapStart = threadCpuSeconds();
                gluBuild2DMipmaps(GL_TEXTURE_2D, static_cast<GLint>(format), w, h, format, GL_UNSIGNED_BYTE,
                                  image.pixels);
                mipmapSeconds += threadCpuSeconds() - mipmapStart;
            } else {
                glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), w, h, 0, format, GL_UNSIGNED_BYTE,
                             image.pixels);
            }
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                            textureFiles[i].mipmapped ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        }
        glFinish();
        const double seconds = threadCpuSeconds() - start;
        state.SetIterationTime(seconds);
        total += seconds;
        mipmapTotal += mipmapSeconds;
        glDeleteTextures(textureCount, names);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["set_ms"] = total / iterations * 1e3;
    state.counters["mipmaps_ms"] = mipmapTotal / iterations * 1e3;
}

}  // namespace

void registerStartupBenchmarks(bool quick)
{
    benchmark::RegisterBenchmark("startup/program", benchProgramStartup)
        ->Iterations(1)
        ->Repetitions(quick ? 3 : 15)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("startup/textures_decode", benchTextureDecoding)
        ->Iterations(quick ? 2 : 10)
        ->Repetitions(quick ? 2 : 7)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("startup/textures_upload", benchTextureUpload)
        ->Iterations(quick ? 2 : 10)
        ->Repetitions(quick ? 2 : 7)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}
