// PNG decoding: loadPng against a bare libpng decode (the same png_read_png
// call and transforms, without the row flip into one buffer), libspng and
// stb_image, on the eleven assets together and on one 4096 by 4096 RGBA image.
// Figures are the decoding thread's CPU time, with wall time beside.
#include <chrono>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <png.h>
#include <spng.h>
#include <stb_image.h>

#include "assets/png_reader.h"
#include "bench_groups.h"
#include "bench_paths.h"
#include "cpu_time.h"
#include "generated_inputs.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::string> pngInputFiles(const std::string& input)
{
    if (input == "4096") {
        const std::string path = largeRgbaPng();
        return path.empty() ? std::vector<std::string>{} : std::vector<std::string>{path};
    }
    if (!missingAssets().empty())
        return {};
    std::vector<std::string> paths;
    for (const std::string& name : textureFileNames())
        paths.push_back(assetPath(name));
    return paths;
}

// Each decoder returns the bytes of decoded samples it produced, 0 on failure.
std::size_t decodeOurs(const std::string& path)
{
    const Image image = loadPng(path);
    benchmark::DoNotOptimize(image.pixels);
    return static_cast<std::size_t>(image.stride()) * image.height;
}

bool readWithLibpng(std::FILE* file, png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, file);
    png_read_png(png, info, PNG_TRANSFORM_STRIP_16 | PNG_TRANSFORM_PACKING, nullptr);
    return true;
}

std::size_t decodeBareLibpng(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return 0;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::size_t bytes = 0;
    if (readWithLibpng(file, png, info)) {
        png_bytepp rows = png_get_rows(png, info);
        benchmark::DoNotOptimize(rows);
        bytes = png_get_rowbytes(png, info) * png_get_image_height(png, info);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return bytes;
}

std::size_t decodeSpng(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return 0;
    spng_ctx* context = spng_ctx_new(0);
    std::size_t bytes = 0;
    spng_ihdr header{};
    if (spng_set_png_file(context, file) == 0 && spng_get_ihdr(context, &header) == 0) {
        // The file's own layout, 8 bits a sample, as loadPng gives it.
        const int format = header.bit_depth == 8 ? SPNG_FMT_PNG : SPNG_FMT_RGBA8;
        std::size_t size = 0;
        if (spng_decoded_image_size(context, format, &size) == 0) {
            auto* pixels = static_cast<unsigned char*>(std::malloc(size));
            if (pixels != nullptr && spng_decode_image(context, pixels, size, format, 0) == 0)
                bytes = size;
            benchmark::DoNotOptimize(pixels);
            std::free(pixels);
        }
    }
    spng_ctx_free(context);
    std::fclose(file);
    return bytes;
}

std::size_t decodeStb(const std::string& path)
{
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &channels, 0);
    benchmark::DoNotOptimize(pixels);
    stbi_image_free(pixels);
    return pixels == nullptr ? 0 : static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                                       static_cast<std::size_t>(channels);
}

using Decoder = std::size_t (*)(const std::string&);

struct NamedDecoder {
    const char* name;
    Decoder decode;
};

const NamedDecoder decoders[] = {
    {"ours", decodeOurs}, {"libpng", decodeBareLibpng}, {"spng", decodeSpng}, {"stb_image", decodeStb}};
constexpr int decoderCount = sizeof decoders / sizeof *decoders;

// Every iteration decodes the input with each decoder in turn, starting with
// a different one each time: a paired comparison on a shared machine.
void benchDecoders(benchmark::State& state, const std::string& input)
{
    const std::vector<std::string> files = pngInputFiles(input);
    if (files.empty()) {
        const std::string reason = input == "4096" ? "cannot write the generated input in " + benchDataDir()
                                                   : "assets missing in " + assetsDir() + ": " + missingAssets();
        state.SkipWithError(reason.c_str());
        return;
    }
    // The same byte count for every decoder: loadPng's decoded samples.
    double bytes = 0.0;
    for (const std::string& file : files)
        bytes += static_cast<double>(decodeOurs(file));
    double cpuTotals[decoderCount] = {};
    double wallTotals[decoderCount] = {};
    long round = 0;
    for (auto _ : state) {
        double iterationCpu = 0.0;
        for (int k = 0; k < decoderCount; ++k) {
            const int which = static_cast<int>((round + k) % decoderCount);
            const double cpuStart = threadCpuSeconds();
            const auto wallStart = Clock::now();
            std::size_t produced = 0;
            for (const std::string& file : files)
                produced += decoders[which].decode(file);
            const double cpu = threadCpuSeconds() - cpuStart;
            if (produced == 0) {
                state.SkipWithError((std::string(decoders[which].name) + " produced nothing").c_str());
                return;
            }
            cpuTotals[which] += cpu;
            wallTotals[which] += std::chrono::duration<double>(Clock::now() - wallStart).count();
            iterationCpu += cpu;
        }
        ++round;
        state.SetIterationTime(iterationCpu);
    }
    const auto iterations = static_cast<double>(state.iterations());
    for (int k = 0; k < decoderCount; ++k) {
        const std::string name = decoders[k].name;
        state.counters[name + "_mb_per_s"] = bytes * iterations / cpuTotals[k] / 1e6;
        state.counters[name + "_ms"] = cpuTotals[k] / iterations * 1e3;
        state.counters[name + "_wall_ms"] = wallTotals[k] / iterations * 1e3;
        if (k > 0)
            state.counters["ours_over_" + name] = cpuTotals[k] / cpuTotals[0];
    }
}

}  // namespace

void registerPngBenchmarks(bool quick)
{
    for (const std::string input : {"assets", "4096"}) {
        benchmark::RegisterBenchmark(("png/compare/" + input).c_str(),
                                     [input](benchmark::State& state) { benchDecoders(state, input); })
            ->Iterations(quick ? 2 : (input == "4096" ? 2 : 15))
            ->Repetitions(quick ? 2 : 7)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}
