// Writing PNG files of any colour type and bit depth with libpng, so tests
// can feed the reader exactly the file they need, and helpers to damage them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TestPng {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int colourType = 0;  // a PNG_COLOR_TYPE_* value
    int bitDepth = 8;
    bool interlaced = false;
    // Samples in file order: rows top-down, pixels left to right, channels in
    // PNG order; each in 0 .. 2^bitDepth - 1. Packed by the writer.
    std::vector<std::uint16_t> samples;
    // Palette pictures: the RGB entries (the samples are indices into it).
    std::vector<std::array<unsigned char, 3>> palette;
};

// Samples per pixel in the file: 1 grey or index, 2 grey+alpha, 3 RGB, 4 RGBA.
int channelsOf(int colourType);
// Sizes png.samples and fills it from value(x, y, channel).
void fillSamples(TestPng& png, const std::function<std::uint16_t(std::uint32_t, std::uint32_t, int)>& value);
// Writes the file with libpng; false on any failure.
bool writeTestPng(const std::string& path, const TestPng& png);

// Whole-file access, for truncating and corrupting.
std::string readBytes(const std::string& path);
bool writeBytes(const std::string& path, const std::string& bytes);
// Offset of the length field of the first chunk of `type` ("IHDR", "IDAT"),
// or std::string::npos.
std::size_t findChunk(const std::string& bytes, const char* type);
// Length of the chunk starting at `chunkOffset` (its data only).
std::uint32_t chunkLength(const std::string& bytes, std::size_t chunkOffset);
// Recomputes the CRC of the chunk at `chunkOffset` after its data was edited.
void refreshCrc(std::string& bytes, std::size_t chunkOffset);
// A whole chunk (length, type, data, CRC), ready to insert.
std::string makeChunk(const char* type, const std::string& data);
