// Where an asset file is opened from: the working directory first, so a
// folder that holds the assets behaves as it always has, and otherwise the
// installed data folder found from the executable's own place, so a moved
// installation still finds its files.
#pragma once

#include <string>
#include <vector>

struct AssetLocation {
    std::string path;                // what to open
    std::string folder;              // the folder of `path`, in full, for a message
    std::vector<std::string> tried;  // every place looked at, in order, for a warning
    // The installed copy when the working directory's file shadows it: used
    // when that file turns out unusable. Empty when there is none.
    std::string fallback;
    std::string fallbackFolder;
};

// Looks for fileName in workDir (empty: the working directory, opened by the
// bare name) and then in installedDir (skipped when empty). When neither
// holds it, path is the working-directory one, so the failure is reported
// against the place the user expects.
AssetLocation locateAssetIn(const std::string& fileName, const std::string& workDir,
                            const std::string& installedDir);

// <the executable's folder>/<the data folder relative to the programs'
// folder>: normally <exe dir>/../share/marivane, on Windows the executable's
// folder itself; empty when the executable's path cannot be read.
std::string installedAssetDir();

// locateAssetIn for the working directory and installedAssetDir().
AssetLocation locateAsset(const std::string& fileName);

// "a, b and c", for a warning.
std::string describePlacesTried(const std::vector<std::string>& tried);
