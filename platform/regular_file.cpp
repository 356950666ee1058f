#include "platform/regular_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "language/translation.h"

namespace {

std::string cannotBeOpened(int error)
{
    // TRANSLATORS: the system's own reason follows.
    return formatted(tr("cannot be opened: %s"), std::strerror(error));
}

std::string describeOpenError(int error)
{
    switch (error) {
    case ENOENT: return missingFileReason();
    case EACCES:
    case EPERM: return tr("permission denied");
    case EISDIR: return tr("a folder, not a file");
    case ELOOP: return tr("a link that leads in a circle");
    case ENOTDIR: return tr("missing (a part of its path is not a folder)");
    default: return cannotBeOpened(error);
    }
}

#ifndef _WIN32
// Everything that is not a regular file, by what it is.
std::string describeKind(unsigned mode)
{
    if (S_ISDIR(mode))
        return tr("a folder, not a file");
#ifdef S_ISFIFO
    if (S_ISFIFO(mode))
        return tr("not a regular file but a named pipe");
#endif
#ifdef S_ISSOCK
    if (S_ISSOCK(mode))
        return tr("not a regular file but a socket");
#endif
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return tr("not a regular file but a device");
    return tr("not a regular file");
}
#endif

std::string tooLarge(std::uint64_t size, std::uint64_t maxBytes)
{
    // TRANSLATORS: the most this kind of file may hold, then the file's size.
    return formatted(tr("larger than %s (%s), more than any asset of this program holds"),
                     describeByteCount(maxBytes).c_str(), describeByteCount(size).c_str());
}

}  // namespace

std::string missingFileReason()
{
    return tr("missing");
}

std::string cannotBeRead(int error)
{
    // TRANSLATORS: the system's own reason follows.
    return formatted(tr("cannot be read: %s"), std::strerror(error));
}

std::string describeByteCount(std::uint64_t bytes)
{
    constexpr std::uint64_t kilo = 1024, mega = kilo * 1024, giga = mega * 1024;
    if (bytes >= giga && bytes % giga == 0)
        // TRANSLATORS: the units of a file's size, as the language writes them (French: Go, Mo, ko, octets).
        return formatted(tr("%s GB"), std::to_string(bytes / giga).c_str());
    if (bytes >= mega)
        return formatted(tr("%s MB"), std::to_string((bytes + mega / 2) / mega).c_str());
    if (bytes >= kilo)
        return formatted(tr("%s kB"), std::to_string((bytes + kilo / 2) / kilo).c_str());
    return formatted(trn("%s byte", "%s bytes", static_cast<unsigned long>(bytes)), std::to_string(bytes).c_str());
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
        failure = (info.st_mode & _S_IFMT) == _S_IFDIR ? tr("a folder, not a file") : tr("not a regular file");
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
        failure = cannotBeRead(errno);
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
        failure = cannotBeOpened(errno);
        ::close(fd);
    }
    return file;
}

#endif
