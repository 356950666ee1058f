#include "assets/mesh_asset.h"

#include <string>

#include "assets/asset_path.h"
#include "assets/asset_problems.h"

namespace {

const char* const withoutMesh = "no fish are drawn";

// Why a loaded mesh cannot be drawn; empty when it can.
std::string unusableReason(const Mesh& mesh, const MeshReadNotes& notes)
{
    if (!notes.refused.empty())
        return notes.refused;
    if (mesh.indexCount > 0)
        return {};
    if (notes.leftOut.empty())
        return "holds no faces";
    std::string reason = "holds no face that can be read: ";
    for (std::size_t i = 0; i < notes.leftOut.size(); ++i)
        reason += (i > 0 ? "; " : "") + notes.leftOut[i];
    return reason;
}

void reportLeftOut(const std::string& fileName, const std::string& folder, const MeshReadNotes& notes)
{
    if (!notes.leftOut.empty())
        reportAssetProblem(describeMeshLeftOut("\"" + fileName + "\" in " + folder, notes.leftOut));
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
    const std::string unusable = unusableAssetText("mesh", fileName, location, reason);
    if (location.fallback.empty()) {
        reportAssetProblem(unusable + ", so " + withoutMesh + ".");
        return mesh;
    }
    // A broken copy in the working directory does not hide a good installed one.
    MeshReadNotes installedNotes;
    Mesh* installed = new Mesh(location.fallback, &installedNotes);
    const std::string installedReason = unusableReason(*installed, installedNotes);
    reportAssetProblem(unusable + fallbackText(location, installedReason, withoutMesh));
    if (!installedReason.empty()) {
        releaseMesh(installed);
        return mesh;
    }
    releaseMesh(mesh);
    reportLeftOut(fileName, location.fallbackFolder, installedNotes);
    return installed;
}
