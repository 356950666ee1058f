// Reading a PNG file into an image as its author sees it: palette colours,
// grey scaled to 8 bits, transparency as alpha; 8-bit samples, rows bottom-up
// and tightly packed, ready for OpenGL. Every failure gives the empty image, silently:
// libpng's own messages never reach standard error, and the reason is handed
// to the caller for its one warning about the file.
#pragma once

#include <cstdint>
#include <string>

struct Image {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 0;
    std::uint8_t channels = 0;       // 1 grey, 2 grey+alpha, 3 RGB, 4 RGBA
    unsigned char* pixels = nullptr; // owned, stride() * height bytes; bottom row first

    Image() = default;
    Image(const Image& other);
    Image(Image&& other) noexcept;
    Image& operator=(const Image& other);
    Image& operator=(Image&& other) noexcept;
    ~Image();

    // Bytes per row: width * channels * bitDepth bits, rounded up to whole bytes.
    std::uint32_t stride() const;
    bool empty() const { return pixels == nullptr; }
};

// The largest width or height the reader accepts: no texture can be larger,
// and refusing early keeps a lying header from costing gigabytes.
constexpr std::uint32_t maxImageSide = 16384;

// The most decoded bytes a picture may take: a 4096x4096 RGBA texture, the
// largest with a full mipmap chain that the OpenGL 1.x drivers this program
// runs on take, and several times the largest shipped picture. The buffer is
// the reader's only large allocation, so a picture costs at most this much.
constexpr std::uint64_t maxImageBytes = 4096ull * 4096ull * 4ull;

// The largest PNG file opened: its compressed data can be no larger than
// the decoded picture, so twice that leaves room for any chunks around it.
constexpr std::uint64_t maxPngFileBytes = 2 * maxImageBytes;

// The largest chunk libpng may allocate: a palette (768 bytes) and its
// transparency (256) are the biggest this program keeps in memory.
constexpr std::uint32_t maxPngChunkBytes = 64 * 1024;

// When the image comes back empty and `failure` is given, it says why in a
// user's words ("missing", "a folder, not a file", "not a PNG file",
// "20000x20000 is larger than the largest picture this program loads,
// 16384x16384", ...); otherwise it is left empty.
Image loadPng(const std::string& fileName, std::string* failure = nullptr);
