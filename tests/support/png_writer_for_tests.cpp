#include "png_writer_for_tests.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include <png.h>
#include <zlib.h>

namespace {

std::vector<unsigned char> packRow(const TestPng& png, std::uint32_t y)
{
    const int channels = channelsOf(png.colourType);
    const std::size_t samplesPerRow = static_cast<std::size_t>(png.width) * channels;
    const std::uint16_t* row = png.samples.data() + samplesPerRow * y;
    std::vector<unsigned char> bytes((samplesPerRow * png.bitDepth + 7) / 8, 0);
    for (std::size_t i = 0; i < samplesPerRow; ++i) {
        if (png.bitDepth == 16) {
            bytes[2 * i] = static_cast<unsigned char>(row[i] >> 8);
            bytes[2 * i + 1] = static_cast<unsigned char>(row[i] & 0xFF);
        } else if (png.bitDepth == 8) {
            bytes[i] = static_cast<unsigned char>(row[i]);
        } else {
            // Leftmost sample in the highest bits.
            std::size_t bit = i * png.bitDepth;
            int shift = 8 - png.bitDepth - static_cast<int>(bit % 8);
            bytes[bit / 8] |= static_cast<unsigned char>(row[i] << shift);
        }
    }
    return bytes;
}

bool encode(std::FILE* file, png_structp writer, png_infop info, const TestPng& png, png_bytep* rows,
            const png_color* palette)
{
    if (setjmp(png_jmpbuf(writer)))
        return false;
    png_init_io(writer, file);
    png_set_IHDR(writer, info, png.width, png.height, png.bitDepth, png.colourType,
                 png.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (png.colourType == PNG_COLOR_TYPE_PALETTE)
        png_set_PLTE(writer, info, palette, static_cast<int>(png.palette.size()));
    png_write_info(writer, info);
    png_write_image(writer, rows);
    png_write_end(writer, info);
    return true;
}

}  // namespace

int channelsOf(int colourType)
{
    switch (colourType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 1;
    }
}

void fillSamples(TestPng& png, const std::function<std::uint16_t(std::uint32_t, std::uint32_t, int)>& value)
{
    const int channels = channelsOf(png.colourType);
    png.samples.clear();
    for (std::uint32_t y = 0; y < png.height; ++y)
        for (std::uint32_t x = 0; x < png.width; ++x)
            for (int c = 0; c < channels; ++c)
                png.samples.push_back(value(x, y, c));
}

bool writeTestPng(const std::string& path, const TestPng& png)
{
    const std::size_t expected = static_cast<std::size_t>(png.width) * png.height * channelsOf(png.colourType);
    if (png.samples.size() != expected)
        return false;
    std::vector<std::vector<unsigned char>> packed;
    std::vector<png_bytep> rows;
    for (std::uint32_t y = 0; y < png.height; ++y)
        packed.push_back(packRow(png, y));
    for (auto& row : packed)
        rows.push_back(row.data());
    std::vector<png_color> palette;
    for (const auto& entry : png.palette)
        palette.push_back({entry[0], entry[1], entry[2]});

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    png_structp writer = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = writer != nullptr ? png_create_info_struct(writer) : nullptr;
    bool ok = info != nullptr && encode(file, writer, info, png, rows.data(), palette.data());
    if (writer != nullptr)
        png_destroy_write_struct(&writer, info != nullptr ? &info : nullptr);
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::uint32_t chunkLength(const std::string& bytes, std::size_t chunkOffset)
{
    std::uint32_t length = 0;
    for (std::size_t i = 0; i < 4 && chunkOffset + i < bytes.size(); ++i)
        length = (length << 8) | static_cast<unsigned char>(bytes[chunkOffset + i]);
    return length;
}

std::size_t findChunk(const std::string& bytes, const char* type)
{
    // Walk the chunks from just after the 8-byte signature.
    std::size_t at = 8;
    while (at + 8 <= bytes.size()) {
        if (bytes.compare(at + 4, 4, type) == 0)
            return at;
        at += 12 + static_cast<std::size_t>(chunkLength(bytes, at));
    }
    return std::string::npos;
}

void refreshCrc(std::string& bytes, std::size_t chunkOffset)
{
    // The CRC covers the type and the data.
    const std::size_t covered = 4 + static_cast<std::size_t>(chunkLength(bytes, chunkOffset));
    if (chunkOffset + 8 + covered > bytes.size())
        return;
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(bytes.data() + chunkOffset + 4), static_cast<uInt>(covered));
    for (int i = 0; i < 4; ++i)
        bytes[chunkOffset + 4 + covered + static_cast<std::size_t>(i)] = static_cast<char>((crc >> (24 - 8 * i)) & 0xFF);
}

std::string makeChunk(const char* type, const std::string& data)
{
    std::string chunk;
    const std::uint32_t length = static_cast<std::uint32_t>(data.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk += static_cast<char>((length >> shift) & 0xFF);
    chunk += std::string(type, 4) + data + std::string(4, '\0');
    refreshCrc(chunk, 0);
    return chunk;
}
