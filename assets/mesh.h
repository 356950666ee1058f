// The fish mesh: a Wavefront OBJ subset ("v", "vn", "vt" and triangular "f"
// lines of full a/b/c corners) read into flat arrays that share one vertex
// numbering, the form OpenGL vertex arrays take.
#pragma once

#include <cstdint>
#include <string>

// The fish mesh's file in the working directory. The asset generator writes
// it under this name, so the name is written here alone.
inline constexpr const char* meshFileName = "mackerel.obj";

struct Mesh {
    std::int32_t vertexCount = 0;
    float* positions = nullptr;   // 3 per vertex
    float* normals = nullptr;     // 3 per vertex, as read
    float* texCoords = nullptr;   // 2 per vertex, as read
    std::int32_t indexCount = 0;  // 3 per triangle
    std::uint32_t* indices = nullptr;

    // Loads the file. A file that does not open gives zero counts and null
    // arrays; otherwise all four arrays exist, at exactly their lengths.
    // Faces that cannot be read safely are skipped and reported in one line
    // on standard error.
    explicit Mesh(const std::string& fileName);
};

// Releases the four arrays and the record.
void releaseMesh(Mesh* mesh);

// The merge key of a corner: position x, y, z; normal x, y, z; texture u, v.
struct MeshVertex {
    float component[8];
};

// Corners whose eight components all lie within this of each other are one vertex.
constexpr float vertexTolerance = 0.00001f;

struct MeshVertexLess {
    bool operator()(const MeshVertex& left, const MeshVertex& right) const;
};

