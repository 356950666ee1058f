// The readers take a path, so every fuzz input goes through one file,
// rewritten for each input, in memory-backed /dev/shm when there is one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the input to the file and returns the file's path.
const std::string& writeFuzzInput(const std::uint8_t* data, std::size_t size);
