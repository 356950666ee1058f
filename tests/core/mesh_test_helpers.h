// Shared by the mesh loader tests: OBJ text written to temporary files, the
// loaded mesh released on scope exit, the stderr line captured, and the
// invariants every loaded mesh must keep.
#pragma once

#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/mesh.h"
#include "program_runner.h"

struct MeshReleaser {
    void operator()(Mesh* mesh) const { releaseMesh(mesh); }
};
using MeshPtr = std::unique_ptr<Mesh, MeshReleaser>;

class ObjFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = makeTempDir();
        ASSERT_FALSE(dir_.empty());
    }
    void TearDown() override { removeTree(dir_); }

    std::string writeObj(const std::string& text, const std::string& name = "mesh.obj")
    {
        const std::string path = dir_ + "/" + name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        EXPECT_NE(file, nullptr);
        if (file != nullptr) {
            std::fwrite(text.data(), 1, text.size(), file);
            std::fclose(file);
        }
        return path;
    }

    // Loads the file and keeps what the loader wrote to standard error.
    MeshPtr load(const std::string& path)
    {
        ::testing::internal::CaptureStderr();
        MeshPtr mesh(new Mesh(path));
        stderrText_ = ::testing::internal::GetCapturedStderr();
        return mesh;
    }

    MeshPtr loadText(const std::string& text) { return load(writeObj(text)); }

    const std::string& stderrText() const { return stderrText_; }
    const std::string& dir() const { return dir_; }

private:
    std::string dir_;
    std::string stderrText_;
};

inline std::vector<std::uint32_t> indicesOf(const Mesh& mesh)
{
    if (mesh.indices == nullptr)
        return {};
    return {mesh.indices, mesh.indices + mesh.indexCount};
}

// Every index names a vertex, every vertex is named, vertices are numbered
// in the order of their first corners, and indices come three by three.
inline void expectMeshInvariants(const Mesh& mesh, const std::string& context = "")
{
    SCOPED_TRACE(context);
    ASSERT_GE(mesh.vertexCount, 0);
    ASSERT_GE(mesh.indexCount, 0);
    EXPECT_EQ(mesh.indexCount % 3, 0);
    EXPECT_NE(mesh.positions, nullptr);
    EXPECT_NE(mesh.normals, nullptr);
    EXPECT_NE(mesh.texCoords, nullptr);
    EXPECT_NE(mesh.indices, nullptr);
    std::uint32_t nextNew = 0;
    std::set<std::uint32_t> seen;
    for (std::uint32_t index : indicesOf(mesh)) {
        ASSERT_LT(index, static_cast<std::uint32_t>(mesh.vertexCount));
        if (seen.insert(index).second) {
            ASSERT_EQ(index, nextNew) << "vertices must be numbered in first-corner order";
            ++nextNew;
        }
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(mesh.vertexCount)) << "every vertex must be used";
}

// The one warning line for skipped faces names the file and the count.
inline void expectSkippedFaceLine(const std::string& stderrText, const std::string& path, int skipped)
{
    if (skipped == 0) {
        EXPECT_EQ(stderrText, "");
        return;
    }
    ASSERT_FALSE(stderrText.empty());
    EXPECT_EQ(stderrText.find('\n'), stderrText.size() - 1) << "exactly one line: " << stderrText;
    EXPECT_NE(stderrText.find(path), std::string::npos) << stderrText;
    EXPECT_NE(stderrText.find(" " + std::to_string(skipped) + " face"), std::string::npos) << stderrText;
}
