#include "assets/mesh_asset.h"

#include <string>

#include "assets/asset_path.h"
#include "assets/asset_problems.h"
#include "language/translation.h"

namespace {

// Why a loaded mesh cannot be drawn; empty when it can.
std::string unusableReason(const Mesh& mesh, const MeshReadNotes& notes)
{
    if (!notes.refused.empty())
        return notes.refused;
    if (mesh.indexCount > 0)
        return {};
    if (notes.leftOut.empty())
        return tr("holds no faces");
    std::string clauses;
    for (std::size_t i = 0; i < notes.leftOut.size(); ++i)
        clauses += (i > 0 ? "; " : "") + notes.leftOut[i];
    // TRANSLATORS: what was left out of the file follows.
    return formatted(tr("holds no face that can be read: %s"), clauses.c_str());
}

void reportLeftOut(const std::string& fileName, const std::string& folder, const MeshReadNotes& notes)
{
    if (!notes.leftOut.empty())
        reportAssetProblem(describeMeshLeftOut(fileName, folder, notes.leftOut));
}

}  // namespace

Mesh* loadMeshAsset(const char* fileName)
{
    const AssetLocation location = locateAsset(fileName);
    MeshReadNotes notes;
    Mesh* mesh = new Mesh(location.path, &notes);
    const std::string reason = unusableReason(*mesh, notes);
    if (reason.empty()) {
        reportLeftOut(fileName, location.folder, notes);
        return mesh;
    }
    const std::string unusable = unusableAssetText(AssetKind::mesh, fileName, location, reason);
    if (location.fallback.empty()) {
        reportAssetProblem(unusable + withoutAssetText(AssetKind::mesh));
        return mesh;
    }
    // A broken copy in the working directory does not hide a good installed one.
    MeshReadNotes installedNotes;
    Mesh* installed = new Mesh(location.fallback, &installedNotes);
    const std::string installedReason = unusableReason(*installed, installedNotes);
    reportAssetProblem(unusable + fallbackText(AssetKind::mesh, location, installedReason));
    if (!installedReason.empty()) {
        releaseMesh(installed);
        return mesh;
    }
    releaseMesh(mesh);
    reportLeftOut(fileName, location.fallbackFolder, installedNotes);
    return installed;
}
