// Reading a PNG file into an image: 8-bit samples, rows bottom-up and tightly
// packed, ready for OpenGL. Every failure gives the empty image, silently:
// libpng's own messages never reach standard error, and the reason is handed
// to the caller for its one warning about the file.
#pragma once

#include <cstdint>
#include <string>

struct Image {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 0;
    std::uint8_t channels = 0;       // 1 grey or palette index, 2 grey+alpha, 3 RGB, 4 RGBA
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

// When the image comes back empty and `failure` is given, it says why in a
// user's words ("missing", "not a PNG file", "20000x20000 is larger than the
// largest picture this program loads, 16384x16384", ...); otherwise it is
// left empty.
Image loadPng(const std::string& fileName, std::string* failure = nullptr);
