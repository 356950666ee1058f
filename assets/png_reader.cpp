#include "assets/png_reader.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include <png.h>

#include "language/translation.h"
#include "platform/regular_file.h"

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

// Ancillary chunks this program has no use for. libpng skips them unread
// instead of allocating, inflating and keeping them: a text chunk that claims
// 2 GB then costs nothing. tRNS stays: it is the transparency.
constexpr png_byte unusedChunks[] = "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0sBIT\0sCAL\0sPLT\0sRGB\0"
                                    "tEXt\0tIME\0zTXt";

// The header stage: libpng reads everything up to the picture data, learns
// the limits first, and is told the transforms. libpng reports errors by
// longjmp, so this part holds nothing with a destructor.
bool decodePngHeader(std::FILE* file, png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, file);
    png_set_sig_bytes(png, 4);
    // Refuse sizes no texture can hold before anything is allocated for them.
    png_set_user_limits(png, maxImageSide, maxImageSide);
    // No chunk this program reads needs more than a palette's bytes; unknown
    // and unused chunks are dropped, and only a few may be kept at all.
    png_set_chunk_malloc_max(png, maxPngChunkBytes);
    png_set_chunk_cache_max(png, 32);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, unusedChunks,
                                static_cast<int>(sizeof unusedChunks / 5));
    png_read_info(png, info);
    // As the picture's author sees it: palette colours rather than indices,
    // grey of 1, 2 or 4 bits scaled to 0..255, a tRNS colour key as alpha,
    // and 16-bit samples cut to their high byte. 8-bit grey, grey+alpha, RGB
    // and RGBA without tRNS pass through untouched.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_packing(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return true;
}

// The picture stage: rows straight into the caller's buffer through `rows`.
bool decodePngRows(png_structp png, png_infop info, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    png_read_end(png, info);
    return true;
}

// libpng's reason for giving up, in a user's words where it has a common cause.
std::string describeDecodeFailure(const PngMessages& messages)
{
    const std::string error = messages.error;
    if (error.find("CRC error") != std::string::npos)
        return tr("damaged: a checksum does not match its data");
    if (error == "Read Error" || error.find("Not enough image data") != std::string::npos)
        return tr("cut short: the file ends before the picture does");
    // A refused header is explained by the warning before it ("Image width is zero in IHDR").
    std::string detail = error;
    if (messages.warning[0] != '\0')
        detail = std::string(messages.warning) + "; " + error;
    // TRANSLATORS: libpng's own message, in English, follows.
    return formatted(tr("corrupt or unsupported PNG data (%s)"), detail.c_str());
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

// Decodes the picture after the signature into `image`; returns the reason
// when it cannot, with `image` then in any state.
std::string decodeInto(std::FILE* file, png_structp png, png_infop info, const PngMessages& messages, Image& image)
{
    if (!decodePngHeader(file, png, info))
        return describeDecodeFailure(messages);
    const std::uint32_t width = png_get_image_width(png, info);
    const std::uint32_t height = png_get_image_height(png, info);
    const std::uint8_t bitDepth = png_get_bit_depth(png, info);
    const std::uint8_t channels = png_get_channels(png, info);
    const std::uint64_t rowBytes = png_get_rowbytes(png, info);
    if (bitDepth != 8 || channels < 1 || channels > 4 || rowBytes != std::uint64_t{width} * channels)
        return tr("corrupt or unsupported PNG data (unexpected sample layout)");
    const std::uint64_t bytes = rowBytes * height;
    if (bytes > maxImageBytes)
        // TRANSLATORS: width, height, the number of colour channels, the memory they need, the most allowed.
        return formatted(trn("%ux%u pixels of %u channel take %s, more than the largest texture this program loads, %s",
                             "%ux%u pixels of %u channels take %s, more than the largest texture this program loads, %s",
                             channels),
                         static_cast<unsigned>(width), static_cast<unsigned>(height), static_cast<unsigned>(channels),
                         describeByteCount(bytes).c_str(), describeByteCount(maxImageBytes).c_str());
    image.width = width;
    image.height = height;
    image.bitDepth = bitDepth;
    image.channels = channels;
    // A picture too big to hold is one that did not load: no exception may
    // leave the file and libpng's structures behind.
    image.pixels = new (std::nothrow) unsigned char[static_cast<std::size_t>(bytes)];
    std::unique_ptr<png_bytep[]> rows(new (std::nothrow) png_bytep[height]);
    if (image.pixels == nullptr || rows == nullptr)
        return tr("not enough memory to hold the picture");
    // libpng delivers rows top-down; OpenGL wants the bottom row first, so
    // the file's first row goes to the end of the buffer.
    for (std::uint32_t i = 0; i < height; ++i)
        rows[i] = image.pixels + static_cast<std::size_t>(height - 1 - i) * rowBytes;
    if (!decodePngRows(png, info, rows.get()))
        return describeDecodeFailure(messages);
    return {};
}

}  // namespace

Image loadPng(const std::string& fileName, std::string* failure)
{
    Image result;
    setFailure(failure, "");
    std::string refused;
    std::FILE* file = openRegularFile(fileName, maxPngFileBytes, refused);
    if (file == nullptr) {
        setFailure(failure, refused);
        return result;
    }

    // The signature, then the header chunk's length, type, width and height.
    unsigned char head[24] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, file);
    if (got < 4 || png_sig_cmp(head, 0, 4) != 0) {
        setFailure(failure, tr("not a PNG file"));
        std::fclose(file);
        return result;
    }
    if (got == sizeof head && std::memcmp(head + 12, "IHDR", 4) == 0) {
        const std::uint32_t width = bigEndian32(head + 16);
        const std::uint32_t height = bigEndian32(head + 20);
        if (width > maxImageSide || height > maxImageSide) {
            // TRANSLATORS: the picture's width and height, then the largest allowed.
            setFailure(failure, formatted(tr("%ux%u is larger than the largest picture this program loads, %ux%u"),
                                          static_cast<unsigned>(width), static_cast<unsigned>(height),
                                          static_cast<unsigned>(maxImageSide), static_cast<unsigned>(maxImageSide)));
            std::fclose(file);
            return result;
        }
    }
    if (std::fseek(file, 4, SEEK_SET) != 0) {
        setFailure(failure, cannotBeRead(errno));
        std::fclose(file);
        return result;
    }

    PngMessages messages{};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &messages, onPngError, onPngWarning);
    if (png == nullptr) {
        setFailure(failure, tr("not enough memory to read it"));
        std::fclose(file);
        return result;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        setFailure(failure, tr("not enough memory to read it"));
        png_destroy_read_struct(&png, nullptr, nullptr);
        std::fclose(file);
        return result;
    }

    const std::string failed = decodeInto(file, png, info, messages, result);
    if (!failed.empty()) {
        result = Image();
        setFailure(failure, failed);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return result;
}
