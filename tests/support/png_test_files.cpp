#include "png_test_files.h"

#include <fstream>
#include <sstream>

#include <zlib.h>

void fillSamples(PngSamplePicture& picture,
                 const std::function<std::uint16_t(std::uint32_t, std::uint32_t, int)>& value)
{
    const PngLayout& layout = picture.layout;
    const int channels = pngChannels(layout.colourType);
    picture.samples.clear();
    for (std::uint32_t y = 0; y < layout.height; ++y)
        for (std::uint32_t x = 0; x < layout.width; ++x)
            for (int c = 0; c < channels; ++c)
                picture.samples.push_back(value(x, y, c));
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
