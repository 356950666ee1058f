// The fish mesh: a Wavefront OBJ subset ("v", "vn", "vt" and "f" lines, faces
// of three or more corners in the forms a, a/b, a//c and a/b/c, indices
// counted from the start or, negative, from the end) read into flat arrays
// that share one vertex numbering, the form OpenGL vertex arrays take.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The fish mesh's file in the working directory. The asset generator writes
// it under this name, so the name is written here alone.
inline constexpr const char* meshFileName = "mackerel.obj";

// What a load has to tell the user.
struct MeshReadNotes {
    std::string refused;               // why the file was not read, in a user's words; empty when it was
    std::vector<std::string> leftOut;  // what was read past, one clause each
};

struct Mesh {
    std::int32_t vertexCount = 0;
    float* positions = nullptr;   // 3 per vertex
    float* normals = nullptr;     // 3 per vertex, as read
    float* texCoords = nullptr;   // 2 per vertex, as read
    std::int32_t indexCount = 0;  // 3 per triangle
    std::uint32_t* indices = nullptr;

    // Loads the file. A file that is not read (missing, not a regular file,
    // too large, in UTF-16) gives zero counts and null arrays; otherwise all
    // four arrays exist, at exactly their lengths. What was left out is said
    // in `notes` when given, else in one line on standard error.
    explicit Mesh(const std::string& fileName, MeshReadNotes* notes = nullptr);
};

// The largest mesh file read: far more than any model drawn as a fish, and
// the whole file is held in memory while it is read.
constexpr std::uint64_t maxMeshFileBytes = 64ull * 1024 * 1024;

// "The mesh "<file>" [in <folder>] was read in part: <clauses>.", in the
// user's language; without the folder when `folder` is empty.
std::string describeMeshLeftOut(const std::string& fileName, const std::string& folder,
                                const std::vector<std::string>& leftOut);

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

