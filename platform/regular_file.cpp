#include "platform/regular_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

std::string describeOpenError(int error)
{
    switch (error) {
    case ENOENT: return "missing";
    case EACCES:
    case EPERM: return "permission denied";
    case EISDIR: return "a folder, not a file";
    case ELOOP: return "a link that leads in a circle";
    case ENOTDIR: return "missing (a part of its path is not a folder)";
    default: return std::string("cannot be opened: ") + std::strerror(error);
    }
}

#ifndef _WIN32
// Everything that is not a regular file, by what it is.
std::string describeKind(unsigned mode)
{
    if (S_ISDIR(mode))
        return "a folder, not a file";
#ifdef S_ISFIFO
    if (S_ISFIFO(mode))
        return "not a regular file but a named pipe";
#endif
#ifdef S_ISSOCK
    if (S_ISSOCK(mode))
        return "not a regular file but a socket";
#endif
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "not a regular file but a device";
    return "not a regular file";
}
#endif

std::string tooLarge(std::uint64_t size, std::uint64_t maxBytes)
{
    return "larger than " + describeByteCount(maxBytes) + " (" + describeByteCount(size) +
           "), more than any asset of this program holds";
}

}  // namespace

std::string describeByteCount(std::uint64_t bytes)
{
    constexpr std::uint64_t kilo = 1024, mega = kilo * 1024, giga = mega * 1024;
    if (bytes >= giga && bytes % giga == 0)
        return std::to_string(bytes / giga) + " GB";
    if (bytes >= mega)
        return std::to_string((bytes + mega / 2) / mega) + " MB";
    if (bytes >= kilo)
        return std::to_string((bytes + kilo / 2) / kilo) + " kB";
    return std::to_string(bytes) + " bytes";
}

#ifdef _WIN32

// Windows has no named pipes in the file system and no endless device files
// under ordinary names: looking before opening is enough.
std::FILE* openRegularFile(const std::string& path, std::uint64_t maxBytes, std::string& failure)
{
    failure.clear();
    struct _stat64 info;
    if (_stat64(path.c_str(), &info) != 0) {
        failure = describeOpenError(errno);
        return nullptr;
    }
    if ((info.st_mode & _S_IFMT) != _S_IFREG) {
        failure = (info.st_mode & _S_IFMT) == _S_IFDIR ? "a folder, not a file" : "not a regular file";
        return nullptr;
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        failure = tooLarge(static_cast<std::uint64_t>(info.st_size), maxBytes);
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        failure = describeOpenError(errno);
    return file;
}

#else

std::FILE* openRegularFile(const std::string& path, std::uint64_t maxBytes, std::string& failure)
{
    failure.clear();
    // O_NONBLOCK: opening a named pipe without a writer returns at once
    // instead of waiting for one; the checks below then refuse it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        failure = describeOpenError(errno);
        return nullptr;
    }
    struct stat info;
    if (::fstat(fd, &info) != 0) {
        failure = std::string("cannot be read: ") + std::strerror(errno);
        ::close(fd);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        failure = describeKind(info.st_mode);
        ::close(fd);
        return nullptr;
    }
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        failure = tooLarge(static_cast<std::uint64_t>(info.st_size), maxBytes);
        ::close(fd);
        return nullptr;
    }
    // Reads of a regular file never wait anyway; ordinary blocking reads
    // keep stdio's end-of-file and error reporting as usual.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, "rb");
    if (file == nullptr) {
        failure = std::string("cannot be opened: ") + std::strerror(errno);
        ::close(fd);
    }
    return file;
}

#endif
