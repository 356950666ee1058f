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
