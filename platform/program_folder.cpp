#include "platform/program_folder.h"

#if defined(_WIN32)
#include <windows.h>

#include <vector>

std::string programFolder()
{
    // The ANSI form: the C library's fopen, which FreeType and the PNG reader
    // use, takes the same code page.
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            const std::string path(buffer.data(), length);
            const std::size_t separator = path.find_last_of("\\/");
            return separator == std::string::npos ? std::string() : path.substr(0, separator);
        }
        // Truncated: a longer path than MAX_PATH.
        if (buffer.size() >= 32768)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

#else

#include <filesystem>
#include <system_error>

std::string programFolder()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || exe.empty())
        return {};
    return exe.parent_path().string();
}

#endif
