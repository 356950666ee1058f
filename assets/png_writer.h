// Writing PNG files with libpng: the generated assets, the pictures tests
// feed the reader, the benchmarks' large image and screenshots of the window.
// A library of its own, apart from the program's core, so the asset generator
// can link it without linking the program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// How rows are prepared for compression: it changes the file's bytes and how
// fast it decodes, never the picture.
enum class PngRowFilter {
    libpngChoice,  // libpng's adaptive choice, row by row
    up,            // every row "up"-filtered
};

struct PngEncoding {
    PngRowFilter filter = PngRowFilter::libpngChoice;
    int compressionLevel = -1;  // zlib's 0 to 9; -1 keeps libpng's default
};

// What the header, palette and transparency chunks of the file say.
struct PngLayout {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int colourType = 0;  // a PNG_COLOR_TYPE_* value
    int bitDepth = 8;
    bool interlaced = false;  // Adam7
    // Palette pictures: the RGB entries, and the alpha of the first entries
    // when some are see-through (a tRNS chunk; empty for none).
    std::vector<std::array<unsigned char, 3>> palette;
    std::vector<unsigned char> paletteAlpha;
    // Grey or RGB pictures: the one colour that is fully transparent, 1 or 3
    // samples (a tRNS chunk; empty for none).
    std::vector<std::uint16_t> transparentColour;
    PngEncoding encoding;
};

// Samples per pixel: 1 grey or palette index, 2 grey and alpha, 3 RGB, 4 RGBA;
// 0 for a colour type PNG does not have.
int pngChannels(int colourType);
// Bytes of one row as the file stores it, samples packed, before filtering.
std::size_t pngRowBytes(const PngLayout& layout);

// Gives row y (0 is the top row) packed as the file stores it, pngRowBytes
// long. A plain file asks for each row once, top to bottom; an interlaced one
// asks for every row once per pass.
using PngRowSource = std::function<const unsigned char*(std::uint32_t y)>;

// Every writer: on failure returns false, puts the reason in *error and leaves
// no file at path.

// The general form, for rows already packed.
bool writePngRows(const std::string& path, const PngLayout& layout, const PngRowSource& row, std::string* error);

// A picture given one sample per channel, packed here: any colour type and
// bit depth.
struct PngSamplePicture {
    PngLayout layout;
    // Rows top-down, pixels left to right, channels in PNG order; each in
    // 0 .. 2^bitDepth - 1.
    std::vector<std::uint16_t> samples;
};
bool writePngSamples(const std::string& path, const PngSamplePicture& picture, std::string* error);

// Tightly packed 8-bit RGB or RGBA pixels: pictures are drawn top-down,
// OpenGL reads a window back bottom-up.
enum class PngRowOrder { topDown, bottomUp };
struct RgbPixels {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int channels = 0;  // 3 RGB, 4 RGBA
    const unsigned char* pixels = nullptr;  // height rows of width * channels bytes
    PngRowOrder rowOrder = PngRowOrder::topDown;
};
bool writeRgbPng(const std::string& path, const RgbPixels& picture, const PngEncoding& encoding, std::string* error);
