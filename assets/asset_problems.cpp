#include "assets/asset_problems.h"

#include <cstdio>

namespace {

struct Problems {
    std::vector<std::string> kept;
    std::size_t count = 0;
};

Problems& problems()
{
    static Problems reported;
    return reported;
}

}  // namespace

void reportAssetProblem(const std::string& text)
{
    std::fprintf(stderr, "Warning: %s\n", text.c_str());
    Problems& reported = problems();
    if (reported.kept.size() < keptAssetProblems)
        reported.kept.push_back(text);
    ++reported.count;
}

const std::vector<std::string>& assetProblems()
{
    return problems().kept;
}

std::size_t assetProblemCount()
{
    return problems().count;
}

std::string unusableAssetText(const std::string& kind, const std::string& fileName, const AssetLocation& location,
                              const std::string& reason)
{
    if (reason == "missing")
        return "The " + kind + " \"" + fileName + "\" could not be used (missing; looked in " +
               describePlacesTried(location.tried) + ")";
    return "The " + kind + " \"" + fileName + "\" in " + location.folder + " could not be used (" + reason + ")";
}

std::string fallbackText(const AssetLocation& location, const std::string& installedFailure, const std::string& without)
{
    if (installedFailure.empty())
        return ", so the installed copy in " + location.fallbackFolder + " is used instead.";
    return "; the installed copy in " + location.fallbackFolder + " cannot be used either (" + installedFailure +
           "), so " + without + ".";
}
