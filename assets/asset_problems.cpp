#include "assets/asset_problems.h"

#include <cstdio>

#include "language/translation.h"
#include "platform/regular_file.h"

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
    // TRANSLATORS: the start of a line on standard error; the warning follows.
    std::fprintf(stderr, "%s\n", formatted(tr("Warning: %s"), text.c_str()).c_str());
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

std::string unusableAssetText(AssetKind kind, const std::string& fileName, const AssetLocation& location,
                              const std::string& reason)
{
    const bool texture = kind == AssetKind::texture;
    if (reason == missingFileReason()) {
        const std::string places = describePlacesTried(location.tried);
        // TRANSLATORS: the start of a sentence that goes on with ", so ..." or "; the installed copy ...".
        // The file's name, then the places looked in.
        return formatted(texture ? tr("The texture \"%s\" could not be used (missing; looked in %s)")
                                 : tr("The mesh \"%s\" could not be used (missing; looked in %s)"),
                         fileName.c_str(), places.c_str());
    }
    // TRANSLATORS: the start of a sentence that goes on with ", so ..." or "; the installed copy ...".
    // The file's name, its folder, then why it could not be used.
    return formatted(texture ? tr("The texture \"%s\" in %s could not be used (%s)")
                             : tr("The mesh \"%s\" in %s could not be used (%s)"),
                     fileName.c_str(), location.folder.c_str(), reason.c_str());
}

std::string withoutAssetText(AssetKind kind)
{
    if (kind == AssetKind::texture)
        // TRANSLATORS: the end of the sentence "The texture ... could not be used (...)".
        return tr(", so the scene is drawn without it.");
    // TRANSLATORS: the end of the sentence "The mesh ... could not be used (...)".
    return tr(", so no fish are drawn.");
}

std::string fallbackText(AssetKind kind, const AssetLocation& location, const std::string& installedFailure)
{
    const char* folder = location.fallbackFolder.c_str();
    if (installedFailure.empty())
        // TRANSLATORS: the end of the sentence "The texture/mesh ... could not be used (...)"; the folder.
        return formatted(tr(", so the installed copy in %s is used instead."), folder);
    if (kind == AssetKind::texture)
        // TRANSLATORS: the end of the sentence "The texture ... could not be used (...)"; the folder, then
        // why its copy could not be used either.
        return formatted(tr("; the installed copy in %s cannot be used either (%s), so the scene is drawn without it."),
                         folder, installedFailure.c_str());
    // TRANSLATORS: the end of the sentence "The mesh ... could not be used (...)"; the folder, then why its
    // copy could not be used either.
    return formatted(tr("; the installed copy in %s cannot be used either (%s), so no fish are drawn."), folder,
                     installedFailure.c_str());
}
