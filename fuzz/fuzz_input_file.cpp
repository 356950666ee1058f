#include "fuzz_input_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace {

std::string inputPath;

void removeInputFile()
{
    if (!inputPath.empty())
        unlink(inputPath.c_str());
}

std::string makeInputFile()
{
    std::string folder = access("/dev/shm", W_OK) == 0 ? std::string("/dev/shm")
                                                        : std::filesystem::temp_directory_path().string();
    std::string pattern = folder + "/marivane-fuzz-XXXXXX";
    int fd = mkstemp(pattern.data());
    if (fd < 0) {
        std::perror("fuzz: cannot create the input file");
        std::abort();
    }
    close(fd);
    std::atexit(removeInputFile);
    return pattern;
}

}  // namespace

const std::string& writeFuzzInput(const std::uint8_t* data, std::size_t size)
{
    if (inputPath.empty())
        inputPath = makeInputFile();
    int fd = open(inputPath.c_str(), O_WRONLY | O_TRUNC);
    if (fd < 0)
        std::abort();
    std::size_t written = 0;
    while (written < size) {
        ssize_t got = write(fd, data + written, size - written);
        if (got <= 0)
            std::abort();
        written += static_cast<std::size_t>(got);
    }
    close(fd);
    return inputPath;
}
