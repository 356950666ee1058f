#include "assets/asset_path.h"

#include <filesystem>
#include <system_error>

#include "language/translation.h"
#include "platform/program_folder.h"

// The build passes the installed layout's data folder relative to the
// programs' folder; this is the layout of a default installation.
#ifndef MARIVANE_DATA_DIR_FROM_BIN
#define MARIVANE_DATA_DIR_FROM_BIN "../share/marivane"
#endif

namespace fs = std::filesystem;

namespace {

bool present(const std::string& path)
{
    std::error_code ignored;
    return fs::exists(path, ignored);
}

std::string currentDir()
{
    std::error_code error;
    fs::path here = fs::current_path(error);
    return error ? std::string(".") : here.string();
}

}  // namespace

AssetLocation locateAssetIn(const std::string& fileName, const std::string& workDir,
                            const std::string& installedDir)
{
    AssetLocation location;
    // The bare name opens in the working directory exactly as before; the
    // warning names the folder in full.
    const std::string local = workDir.empty() ? fileName : (fs::path(workDir) / fileName).string();
    const std::string workFolder = workDir.empty() ? currentDir() : workDir;
    location.tried.push_back((fs::path(workFolder) / fileName).string());
    location.path = local;
    location.folder = workFolder;
    if (installedDir.empty())
        return location;
    const std::string installed = (fs::path(installedDir) / fileName).string();
    if (present(local)) {
        // The same folder under two names is no second copy.
        std::error_code ignored;
        if (present(installed) && !fs::equivalent(local, installed, ignored)) {
            location.fallback = installed;
            location.fallbackFolder = installedDir;
        }
        return location;
    }
    location.tried.push_back(installed);
    if (present(installed)) {
        location.path = installed;
        location.folder = installedDir;
    }
    return location;
}

std::string installedAssetDir()
{
    const std::string folder = programFolder();
    if (folder.empty())
        return {};
    return (fs::path(folder) / MARIVANE_DATA_DIR_FROM_BIN).lexically_normal().string();
}

AssetLocation locateAsset(const std::string& fileName)
{
    return locateAssetIn(fileName, std::string(), installedAssetDir());
}

std::string describePlacesTried(const std::vector<std::string>& tried)
{
    // TRANSLATORS: the last two of a list of folders: "a, b and c".
    return listed(tried, tr("%s and %s"));
}
