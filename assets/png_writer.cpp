#include "assets/png_writer.h"

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <limits>

#include <png.h>

namespace {

struct WriteFailure {
    std::string message;
};

[[noreturn]] void onPngError(png_structp png, png_const_charp message)
{
    static_cast<WriteFailure*>(png_get_error_ptr(png))->message = message;
    png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

// What libpng needs besides the layout, built before anything is written.
struct Chunks {
    std::vector<png_color> palette;
    png_color_16 transparentColour{};
    bool hasTransparentColour = false;
};

// Checks what libpng would not, or would only report in its own words.
std::string layoutProblem(const PngLayout& layout, Chunks* chunks)
{
    const int channels = pngChannels(layout.colourType);
    if (channels == 0)
        return "unknown colour type " + std::to_string(layout.colourType);
    const bool isPalette = layout.colourType == PNG_COLOR_TYPE_PALETTE;
    if (!layout.paletteAlpha.empty() && (!isPalette || layout.paletteAlpha.size() > layout.palette.size()))
        return "palette transparency without as many palette entries";
    if (!layout.transparentColour.empty()) {
        const bool grey = layout.colourType == PNG_COLOR_TYPE_GRAY;
        const bool rgb = layout.colourType == PNG_COLOR_TYPE_RGB;
        if (!(grey && layout.transparentColour.size() == 1) && !(rgb && layout.transparentColour.size() == 3))
            return "a transparent colour takes 1 sample for grey, 3 for RGB, none for other colour types";
        chunks->hasTransparentColour = true;
        if (grey) {
            chunks->transparentColour.gray = layout.transparentColour[0];
        } else {
            chunks->transparentColour.red = layout.transparentColour[0];
            chunks->transparentColour.green = layout.transparentColour[1];
            chunks->transparentColour.blue = layout.transparentColour[2];
        }
    }
    for (const auto& entry : layout.palette)
        chunks->palette.push_back({entry[0], entry[1], entry[2]});
    return "";
}

void writeRows(png_structp png, std::uint32_t height, const PngRowSource& row)
{
    // One pass for a plain file, seven for Adam7; libpng takes from each full
    // row the pixels of the pass.
    const int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass) {
        for (std::uint32_t y = 0; y < height; ++y) {
            const unsigned char* bytes = row(y);
            if (bytes == nullptr)
                png_error(png, "no data for a row");
            png_write_row(png, bytes);
        }
    }
}

// libpng reports errors by longjmp: nothing with a destructor lives here.
bool encode(std::FILE* file, png_structp png, png_infop info, const PngLayout& layout, const Chunks& chunks,
            const PngRowSource& row)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, file);
    // Only the settings asked for and no time stamp, so the same picture
    // always gives the same bytes.
    if (layout.encoding.compressionLevel >= 0)
        png_set_compression_level(png, layout.encoding.compressionLevel);
    if (layout.encoding.filter == PngRowFilter::up)
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth, layout.colourType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (layout.colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_PLTE(png, info, chunks.palette.data(), static_cast<int>(chunks.palette.size()));
    if (!layout.paletteAlpha.empty())
        png_set_tRNS(png, info, layout.paletteAlpha.data(), static_cast<int>(layout.paletteAlpha.size()), nullptr);
    else if (chunks.hasTransparentColour)
        png_set_tRNS(png, info, nullptr, 0, &chunks.transparentColour);
    png_write_info(png, info);
    writeRows(png, layout.height, row);
    png_write_end(png, info);
    return true;
}

}  // namespace

int pngChannels(int colourType)
{
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY: return 1;
    case PNG_COLOR_TYPE_PALETTE: return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 0;
    }
}

std::size_t pngRowBytes(const PngLayout& layout)
{
    const std::size_t bits = static_cast<std::size_t>(layout.width) * pngChannels(layout.colourType) *
                             static_cast<std::size_t>(layout.bitDepth > 0 ? layout.bitDepth : 0);
    return (bits + 7) / 8;
}

bool writePngRows(const std::string& path, const PngLayout& layout, const PngRowSource& row, std::string* error)
{
    Chunks chunks;
    const std::string problem = layoutProblem(layout, &chunks);
    if (!problem.empty()) {
        *error = problem;
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        *error = std::strerror(errno);
        return false;
    }
    WriteFailure failure;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, onPngError, onPngWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool written = info != nullptr && encode(file, png, info, layout, chunks, row);
    if (png != nullptr)
        png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
    if (!written)
        *error = png == nullptr || info == nullptr ? std::string("libpng could not start") : failure.message;

    // A full disk may only show when the buffered bytes are flushed.
    if (std::fclose(file) != 0 && written) {
        *error = std::strerror(errno);
        written = false;
    }
    if (!written)
        std::remove(path.c_str());
    return written;
}

bool writePngSamples(const std::string& path, const PngSamplePicture& picture, std::string* error)
{
    const PngLayout& layout = picture.layout;
    const std::size_t channels = static_cast<std::size_t>(pngChannels(layout.colourType));
    if (channels == 0 || (layout.bitDepth != 1 && layout.bitDepth != 2 && layout.bitDepth != 4 &&
                          layout.bitDepth != 8 && layout.bitDepth != 16)) {
        *error = "unsupported colour type or bit depth";
        return false;
    }
    const std::size_t samplesPerRow = layout.width * channels;
    if (layout.height != 0 && samplesPerRow > std::numeric_limits<std::size_t>::max() / layout.height) {
        *error = "picture too large";
        return false;
    }
    if (picture.samples.size() != samplesPerRow * layout.height) {
        *error = "sample count does not match the picture's size";
        return false;
    }
    const unsigned limit = layout.bitDepth == 16 ? 0xFFFFu : (1u << layout.bitDepth) - 1u;
    for (std::uint16_t sample : picture.samples) {
        if (sample > limit) {
            *error = "a sample is out of range for the bit depth";
            return false;
        }
    }

    std::vector<unsigned char> packed(pngRowBytes(layout));
    auto packRow = [&](std::uint32_t y) -> const unsigned char* {
        const std::uint16_t* samples = picture.samples.data() + samplesPerRow * y;
        std::fill(packed.begin(), packed.end(), 0);
        for (std::size_t i = 0; i < samplesPerRow; ++i) {
            if (layout.bitDepth == 16) {
                packed[2 * i] = static_cast<unsigned char>(samples[i] >> 8);
                packed[2 * i + 1] = static_cast<unsigned char>(samples[i] & 0xFF);
            } else if (layout.bitDepth == 8) {
                packed[i] = static_cast<unsigned char>(samples[i]);
            } else {
                // Leftmost sample in the highest bits.
                const std::size_t bit = i * static_cast<std::size_t>(layout.bitDepth);
                const int shift = 8 - layout.bitDepth - static_cast<int>(bit % 8);
                packed[bit / 8] |= static_cast<unsigned char>(samples[i] << shift);
            }
        }
        return packed.data();
    };
    return writePngRows(path, layout, packRow, error);
}

bool writeRgbPng(const std::string& path, const RgbPixels& picture, const PngEncoding& encoding, std::string* error)
{
    if ((picture.channels != 3 && picture.channels != 4) || picture.width == 0 || picture.height == 0 ||
        picture.pixels == nullptr) {
        *error = "unsupported picture layout";
        return false;
    }
    PngLayout layout;
    layout.width = picture.width;
    layout.height = picture.height;
    layout.colourType = picture.channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
    layout.encoding = encoding;
    const std::size_t stride = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.channels);
    auto row = [&](std::uint32_t y) {
        const std::uint32_t stored = picture.rowOrder == PngRowOrder::topDown ? y : picture.height - 1 - y;
        return picture.pixels + stride * stored;
    };
    return writePngRows(path, layout, row, error);
}
