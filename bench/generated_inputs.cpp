#include "generated_inputs.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <png.h>

#include "assets/png_writer.h"
#include "bench_paths.h"

namespace {

// Writes through a temporary name, so a run stopped half-way leaves nothing
// that a later run would take for finished.
template <typename Writer>
std::string makeOnce(const std::string& name, Writer write)
{
    const std::string path = benchDataDir() + "/" + name;
    if (fileSize(path) > 0)
        return path;
    const std::string partial = path + ".partial";
    if (!write(partial) || std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        return "";
    }
    return path;
}

bool printSheetObj(std::FILE* file)
{
    constexpr int columns = 1000;
    constexpr int rows = 500;  // 2 * columns * rows = 1,000,000 triangles
    std::fprintf(file, "# Wavy sheet, %d triangles\n", 2 * columns * rows);
    auto height = [](double x, double z) { return 3.0 * std::sin(x * 0.1) * std::cos(z * 0.13); };
    for (int i = 0; i <= columns; ++i) {
        for (int j = 0; j <= rows; ++j) {
            const double x = -100.0 + 200.0 * i / columns;
            const double z = -50.0 + 100.0 * j / rows;
            std::fprintf(file, "v %f %f %f\n", x, height(x, z), z);
        }
    }
    for (int i = 0; i <= columns; ++i) {
        for (int j = 0; j <= rows; ++j)
            std::fprintf(file, "vt %f %f\n", static_cast<double>(i) / columns, static_cast<double>(j) / rows);
    }
    for (int i = 0; i <= columns; ++i) {
        for (int j = 0; j <= rows; ++j) {
            const double x = -100.0 + 200.0 * i / columns;
            const double z = -50.0 + 100.0 * j / rows;
            const double dx = 0.3 * std::cos(x * 0.1) * std::cos(z * 0.13);
            const double dz = -0.39 * std::sin(x * 0.1) * std::sin(z * 0.13);
            const double length = std::sqrt(dx * dx + 1.0 + dz * dz);
            std::fprintf(file, "vn %f %f %f\n", -dx / length, 1.0 / length, -dz / length);
        }
    }
    auto vertex = [](int i, int j) { return i * (rows + 1) + j + 1; };
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) {
            const int a = vertex(i, j), b = vertex(i, j + 1), c = vertex(i + 1, j + 1), d = vertex(i + 1, j);
            std::fprintf(file, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", a, a, a, b, b, b, c, c, c);
            std::fprintf(file, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", a, a, a, c, c, c, d, d, d);
        }
    }
    return std::ferror(file) == 0;
}

bool writeSheetObj(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool printed = printSheetObj(file);
    return std::fclose(file) == 0 && printed;
}

// 8-bit RGBA waves with a little noise, made row by row as the writer asks:
// a whole 4096 x 4096 picture would hold 64 MB for nothing.
bool writeNoisyPng(const std::string& path)
{
    constexpr std::uint32_t side = 4096;
    PngLayout layout;
    layout.width = side;
    layout.height = side;
    layout.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
    std::vector<unsigned char> row(static_cast<std::size_t>(side) * 4);
    std::uint32_t noise = 2463534242u;
    // A plain file asks for each row once, top to bottom, so the noise runs on.
    auto makeRow = [&](std::uint32_t y) -> const unsigned char* {
        for (std::uint32_t x = 0; x < side; ++x) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            const int jitter = static_cast<int>(noise & 15u) - 8;
            const double u = x / 256.0;
            const double v = y / 256.0;
            auto channel = [&](double wave) {
                const int value = static_cast<int>(128.0 + 100.0 * wave) + jitter;
                return static_cast<unsigned char>(value < 0 ? 0 : value > 255 ? 255 : value);
            };
            unsigned char* pixel = &row[static_cast<std::size_t>(x) * 4];
            pixel[0] = channel(std::sin(u * 3.1 + v));
            pixel[1] = channel(std::sin(v * 2.3 - u * 0.7));
            pixel[2] = channel(std::cos((u + v) * 1.7));
            pixel[3] = static_cast<unsigned char>(255 - (x + y) / 64);
        }
        return row.data();
    };
    std::string error;
    if (writePngRows(path, layout, makeRow, &error))
        return true;
    std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), error.c_str());
    return false;
}

}  // namespace

std::string millionTriangleObj()
{
    return makeOnce("million_triangles.obj", writeSheetObj);
}

std::string largeRgbaPng()
{
    return makeOnce("rgba_4096.png", writeNoisyPng);
}
