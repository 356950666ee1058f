#include "platform/pictures_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#if defined(_WIN32)
#include <shlobj.h>
#endif

namespace {

bool isFolder(const std::string& path)
{
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string workingDirectory()
{
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) != nullptr ? buffer : ".";
}

}  // namespace

std::string picturesDirFromLine(const std::string& line, const std::string& home)
{
    // The file's lines read XDG_PICTURES_DIR="$HOME/Pictures" or an absolute
    // path in quotes.
    const std::string key = "XDG_PICTURES_DIR=\"";
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, key.size(), key) != 0)
        return "";
    const std::size_t valueStart = start + key.size();
    const std::size_t end = line.find('"', valueStart);
    if (end == std::string::npos)
        return "";
    std::string value = line.substr(valueStart, end - valueStart);
    if (value.rfind("$HOME", 0) == 0)
        value = home + value.substr(5);
    return value.empty() || value[0] != '/' ? "" : value;
}

#if defined(_WIN32)

std::string picturesFolder()
{
    // The user's Pictures folder as Explorer shows it (it may have been
    // moved), else the profile's Pictures, else the working directory.
    char folder[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, folder)) &&
        isFolder(folder))
        return folder;
    const std::string profile = environment("USERPROFILE");
    if (!profile.empty() && isFolder(profile + "\\Pictures"))
        return profile + "\\Pictures";
    // The profile itself before the working directory, which may be the assets' folder.
    if (isFolder(profile))
        return profile;
    return workingDirectory();
}

#else

std::string picturesFolder()
{
    const std::string home = environment("HOME");
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty() && !home.empty())
        config = home + "/.config";
    if (!config.empty()) {
        std::ifstream dirs(config + "/user-dirs.dirs");
        std::string line;
        while (std::getline(dirs, line)) {
            const std::string folder = picturesDirFromLine(line, home);
            if (isFolder(folder))
                return folder;
        }
    }
    if (!home.empty() && isFolder(home + "/Pictures"))
        return home + "/Pictures";
    // The home folder before the working directory, which is often the
    // assets' folder: a picture there would sit among the program's files.
    if (isFolder(home))
        return home;
    return workingDirectory();
}

#endif
