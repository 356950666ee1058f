#include "assets/png_reader.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

#include <png.h>

Image::Image(const Image& other)
    : width(other.width), height(other.height), bitDepth(other.bitDepth), channels(other.channels)
{
    if (other.pixels != nullptr) {
        std::size_t size = static_cast<std::size_t>(stride()) * height;
        pixels = new unsigned char[size];
        std::memcpy(pixels, other.pixels, size);
    }
}

Image::Image(Image&& other) noexcept
    : width(other.width), height(other.height), bitDepth(other.bitDepth), channels(other.channels),
      pixels(std::exchange(other.pixels, nullptr))
{
    other.width = other.height = 0;
    other.bitDepth = other.channels = 0;
}

Image& Image::operator=(const Image& other)
{
    if (this == &other)
        return *this;
    width = other.width;
    height = other.height;
    bitDepth = other.bitDepth;
    channels = other.channels;
    delete[] pixels;
    pixels = nullptr;
    if (other.pixels != nullptr) {
        std::size_t size = static_cast<std::size_t>(stride()) * height;
        pixels = new unsigned char[size];
        std::memcpy(pixels, other.pixels, size);
    }
    return *this;
}

Image& Image::operator=(Image&& other) noexcept
{
    if (this == &other)
        return *this;
    delete[] pixels;
    width = std::exchange(other.width, 0);
    height = std::exchange(other.height, 0);
    bitDepth = std::exchange(other.bitDepth, 0);
    channels = std::exchange(other.channels, 0);
    pixels = std::exchange(other.pixels, nullptr);
    return *this;
}

Image::~Image()
{
    delete[] pixels;
}

std::uint32_t Image::stride() const
{
    std::uint32_t bits = width * channels * bitDepth;
    return (bits >> 3) + ((bits & 7u) != 0 ? 1u : 0u);
}

namespace {

// libpng reports errors by longjmp, so this part holds nothing with a
// destructor. On success the decoded rows stay in the read structures.
bool decodePng(std::FILE* file, png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, file);
    png_set_sig_bytes(png, 4);
    // Refuse sizes no texture can hold before anything is allocated for them.
    png_set_user_limits(png, maxImageSide, maxImageSide);
    png_read_png(png, info, PNG_TRANSFORM_STRIP_16 | PNG_TRANSFORM_PACKING, nullptr);
    return true;
}

}  // namespace

Image loadPng(const std::string& fileName)
{
    Image result;
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr)
        return result;

    png_byte signature[4] = {};
    if (std::fread(signature, 1, sizeof signature, file) != sizeof signature ||
        png_sig_cmp(signature, 0, sizeof signature) != 0) {
        std::fclose(file);
        return result;
    }

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        std::fclose(file);
        return result;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        std::fclose(file);
        return result;
    }

    if (decodePng(file, png, info)) {
        result.width = png_get_image_width(png, info);
        result.height = png_get_image_height(png, info);
        result.bitDepth = png_get_bit_depth(png, info);
        result.channels = png_get_channels(png, info);
        const std::uint32_t stride = result.stride();
        png_bytepp rows = png_get_rows(png, info);
        // A picture too big to copy is one that did not load: no exception
        // may leave the file and libpng's structures behind.
        if (rows != nullptr && stride <= png_get_rowbytes(png, info))
            result.pixels = new (std::nothrow) unsigned char[static_cast<std::size_t>(stride) * result.height];
        if (result.pixels != nullptr) {
            // Rows come top-down from libpng; OpenGL wants the bottom row first.
            for (std::uint32_t i = 0; i < result.height; ++i)
                std::memcpy(result.pixels + static_cast<std::size_t>(i) * stride, rows[result.height - 1 - i], stride);
        } else {
            result = Image();
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return result;
}
