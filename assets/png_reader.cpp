#include "assets/png_reader.h"

#include <cerrno>
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

// What libpng said while reading one file. Plain arrays: libpng leaves its
// error handler by longjmp, past any destructor.
struct PngMessages {
    char error[160];
    char warning[160];
};

void keepMessage(char (&into)[160], png_const_charp message)
{
    std::snprintf(into, sizeof into, "%s", message != nullptr ? message : "");
}

// libpng's messages go into the loader's one warning for the file, never to
// standard error on their own.
void onPngError(png_structp png, png_const_charp message)
{
    keepMessage(static_cast<PngMessages*>(png_get_error_ptr(png))->error, message);
    png_longjmp(png, 1);
}

void onPngWarning(png_structp png, png_const_charp message)
{
    PngMessages* messages = static_cast<PngMessages*>(png_get_error_ptr(png));
    if (messages->warning[0] == '\0')
        keepMessage(messages->warning, message);
}

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

// libpng's reason for giving up, in a user's words where it has a common cause.
std::string describeDecodeFailure(const PngMessages& messages)
{
    const std::string error = messages.error;
    if (error.find("CRC error") != std::string::npos)
        return "damaged: a checksum does not match its data";
    if (error == "Read Error" || error.find("Not enough image data") != std::string::npos)
        return "cut short: the file ends before the picture does";
    // A refused header is explained by the warning before it ("Image width is zero in IHDR").
    std::string detail = error;
    if (messages.warning[0] != '\0')
        detail = std::string(messages.warning) + "; " + error;
    return "corrupt or unsupported PNG data (" + detail + ")";
}

std::uint32_t bigEndian32(const unsigned char* bytes)
{
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           std::uint32_t{bytes[3]};
}

void setFailure(std::string* failure, std::string reason)
{
    if (failure != nullptr)
        *failure = std::move(reason);
}

}  // namespace

Image loadPng(const std::string& fileName, std::string* failure)
{
    Image result;
    setFailure(failure, "");
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) {
        setFailure(failure, errno == ENOENT ? std::string("missing")
                                            : std::string("cannot be opened: ") + std::strerror(errno));
        return result;
    }

    // The signature, then the header chunk's length, type, width and height.
    unsigned char head[24] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, file);
    if (got < 4 || png_sig_cmp(head, 0, 4) != 0) {
        setFailure(failure, "not a PNG file");
        std::fclose(file);
        return result;
    }
    if (got == sizeof head && std::memcmp(head + 12, "IHDR", 4) == 0) {
        const std::uint32_t width = bigEndian32(head + 16);
        const std::uint32_t height = bigEndian32(head + 20);
        if (width > maxImageSide || height > maxImageSide) {
            setFailure(failure, std::to_string(width) + "x" + std::to_string(height) +
                                    " is larger than the largest picture this program loads, " +
                                    std::to_string(maxImageSide) + "x" + std::to_string(maxImageSide));
            std::fclose(file);
            return result;
        }
    }
    if (std::fseek(file, 4, SEEK_SET) != 0) {
        setFailure(failure, std::string("cannot be read: ") + std::strerror(errno));
        std::fclose(file);
        return result;
    }

    PngMessages messages{};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &messages, onPngError, onPngWarning);
    if (png == nullptr) {
        setFailure(failure, "not enough memory to read it");
        std::fclose(file);
        return result;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        setFailure(failure, "not enough memory to read it");
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
            setFailure(failure, "not enough memory to hold the picture");
        }
    } else {
        setFailure(failure, describeDecodeFailure(messages));
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return result;
}
