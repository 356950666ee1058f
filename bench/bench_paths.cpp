#include "bench_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "assets/mesh.h"
#include "assets/texture_set.h"

std::string executableDir()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return ".";
    std::string full(path, static_cast<std::size_t>(length));
    return full.substr(0, full.find_last_of('/'));
}

std::string assetsDir()
{
    return executableDir() + "/assets";
}

std::string benchDataDir()
{
    std::string dir = executableDir() + "/bench-data";
    mkdir(dir.c_str(), 0755);
    return dir;
}

std::string assetPath(const std::string& fileName)
{
    return assetsDir() + "/" + fileName;
}

std::vector<std::string> textureFileNames()
{
    std::vector<std::string> names;
    for (const TextureFile& file : textureFiles)
        names.emplace_back(file.fileName);
    return names;
}

std::string missingAssets()
{
    std::vector<std::string> names = textureFileNames();
    names.emplace_back(meshFileName);
    std::string missing;
    for (const std::string& name : names) {
        if (fileSize(assetPath(name)) <= 0)
            missing += (missing.empty() ? "" : ", ") + name;
    }
    return missing;
}

long long fileSize(const std::string& path)
{
    struct stat info {};
    if (stat(path.c_str(), &info) != 0)
        return -1;
    return static_cast<long long>(info.st_size);
}
