#include "png_writer.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

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

// libpng reports errors by longjmp: nothing with a destructor lives here.
bool encode(std::FILE* file, png_structp png, png_infop info, const Raster& raster, png_bytep* rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_init_io(png, file);
    // Fixed settings and no time stamp, so every run writes the same bytes.
    png_set_compression_level(png, 9);
    // Every row "up"-filtered: on these noisy surfaces it compresses as well as
    // the adaptive choice and decodes about half again as fast (Paeth rows are
    // the slow part of reading them), which the program pays at every start.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_set_IHDR(png, info, static_cast<png_uint_32>(raster.width), static_cast<png_uint_32>(raster.height), 8,
                 raster.channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    return true;
}

}  // namespace

bool writePng(const std::string& path, const Raster& raster, std::string* error)
{
    if ((raster.channels != 3 && raster.channels != 4) || raster.width <= 0 || raster.height <= 0) {
        *error = "unsupported picture layout";
        return false;
    }
    std::vector<png_bytep> rows(static_cast<std::size_t>(raster.height));
    for (int y = 0; y < raster.height; ++y)
        rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(raster.at(0, y));

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        *error = std::strerror(errno);
        return false;
    }
    WriteFailure failure;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, onPngError, onPngWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool written = info != nullptr && encode(file, png, info, raster, rows.data());
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
