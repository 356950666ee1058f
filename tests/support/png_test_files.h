// Helpers for the PNG files tests write with the program's PNG writer: filling
// a picture's samples, and reading, truncating and corrupting whole files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "assets/png_writer.h"

// Sizes picture.samples from its layout and fills it from value(x, y, channel).
void fillSamples(PngSamplePicture& picture,
                 const std::function<std::uint16_t(std::uint32_t, std::uint32_t, int)>& value);

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
