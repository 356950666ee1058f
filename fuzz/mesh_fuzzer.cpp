// The OBJ loader on arbitrary bytes: never a read or write outside a list or
// an array, never a leak, and the result always keeps the mesh's promises:
// whole triangles, every index names a vertex, every vertex is named.
#include <vector>

#include "assets/mesh.h"
#include "fuzz_input_file.h"
#include "fuzz_require.h"

namespace {

// Keeps the reads of the whole arrays from being optimised away.
volatile float sink;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    MeshReadNotes notes;
    Mesh* mesh = new Mesh(writeFuzzInput(data, size), &notes);
    // A file refused as a whole (UTF-16) is the empty mesh, said in words.
    if (!notes.refused.empty()) {
        require(mesh->vertexCount == 0 && mesh->indexCount == 0 && mesh->positions == nullptr &&
                mesh->indices == nullptr);
        releaseMesh(mesh);
        return 0;
    }
    // The file was read, so every array exists, at its exact length.
    require(mesh->positions != nullptr && mesh->normals != nullptr && mesh->texCoords != nullptr &&
            mesh->indices != nullptr);
    require(mesh->vertexCount >= 0 && mesh->indexCount >= 0 && mesh->indexCount % 3 == 0);
    std::vector<bool> named(static_cast<std::size_t>(mesh->vertexCount), false);
    for (std::int32_t i = 0; i < mesh->indexCount; ++i) {
        require(mesh->indices[i] < static_cast<std::uint32_t>(mesh->vertexCount));
        named[mesh->indices[i]] = true;
    }
    float sum = 0.0f;
    for (std::int32_t v = 0; v < mesh->vertexCount; ++v) {
        require(named[static_cast<std::size_t>(v)]);
        for (int k = 0; k < 3; ++k)
            sum += mesh->positions[3 * v + k] + mesh->normals[3 * v + k];
        sum += mesh->texCoords[2 * v] + mesh->texCoords[2 * v + 1];
    }
    releaseMesh(mesh);
    sink = sum;
    return 0;
}
