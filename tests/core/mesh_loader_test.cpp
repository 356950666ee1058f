#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "assets/mesh.h"
#include "mesh_test_helpers.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// Four positions, two triangles sharing the edge 2-3.
const char* const twoFaceText =
    "# two triangles\n"
    "v 0 0 0\n"
    "v 1 0 0\n"
    "v 0 1 0\n"
    "v 1 1 0\n"
    "vt 0 0\n"
    "vt 1 0\n"
    "vt 0 1\n"
    "vt 1 1\n"
    "vn 0 0 1\n"
    "f 1/1/1 2/2/1 3/3/1\n"
    "f 3/3/1 2/2/1 4/4/1\n";

std::vector<float> slice(const float* values, int first, int count)
{
    return {values + first, values + first + count};
}

class MeshLoaderTest : public ObjFileTest {};

TEST_F(MeshLoaderTest, SharedCornersBecomeOneVertexNumberedInFirstCornerOrder)
{
    MeshPtr mesh = loadText(twoFaceText);
    ASSERT_EQ(mesh->vertexCount, 4);
    ASSERT_EQ(mesh->indexCount, 6);
    EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u, 2u, 1u, 3u));
    EXPECT_THAT(slice(mesh->positions, 0, 12), ElementsAre(0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0));
    EXPECT_THAT(slice(mesh->texCoords, 0, 8), ElementsAre(0, 0, 1, 0, 0, 1, 1, 1));
    EXPECT_THAT(slice(mesh->normals, 0, 12), ElementsAre(0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1));
    EXPECT_EQ(stderrText(), "");
    expectMeshInvariants(*mesh);
}

TEST_F(MeshLoaderTest, CrlfLineEndsTabsAndRunsOfBlanksReadLikePlainLines)
{
    const char* text =
        "v\t0 0 0\r\n"
        "v  1\t\t0   0\r\n"
        "v 0 1 0\r\n"
        "  v 1 1 0 \r\n"
        "vt 0 0\r\nvt 1 0\r\nvt\t0\t1\r\nvt 1 1\r\n"
        "vn 0 0 1\r\n"
        "\r\n"
        "f\t1/1/1  2/2/1\t3/3/1\r\n"
        "f 3/3/1 2/2/1 4/4/1\r\n";
    MeshPtr mesh = loadText(text);
    ASSERT_EQ(mesh->vertexCount, 4);
    EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u, 2u, 1u, 3u));
    EXPECT_THAT(slice(mesh->positions, 0, 12), ElementsAre(0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0));
    EXPECT_THAT(slice(mesh->texCoords, 0, 8), ElementsAre(0, 0, 1, 0, 0, 1, 1, 1));
    EXPECT_EQ(stderrText(), "");
}

TEST_F(MeshLoaderTest, ByteOrderMarkAtTheStartIsNoPartOfTheFirstLine)
{
    // Saved by an editor that marks UTF-8: the first line is a vertex, and
    // losing it would shift every face one vertex off.
    MeshPtr mesh = loadText(std::string("\xEF\xBB\xBF") + (std::strchr(twoFaceText, '\n') + 1));
    ASSERT_EQ(mesh->vertexCount, 4);
    EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u, 2u, 1u, 3u));
    EXPECT_THAT(slice(mesh->positions, 0, 12), ElementsAre(0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0));
    EXPECT_EQ(stderrText(), "");
    // The mark counts only at the very start of the file.
    MeshPtr later = loadText(std::string("v 0 0 0\n\xEF\xBB\xBFv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\n"));
    EXPECT_EQ(later->indexCount, 0) << "a mark inside the file is text like any other";
}

// Corner 1 and corner 4 agree in seven components and differ in one by a
// multiple of the tolerance.
struct ToleranceCase {
    int component;
    double toleranceMultiple;
};

std::vector<ToleranceCase> toleranceCases()
{
    std::vector<ToleranceCase> cases;
    for (int component = 0; component < 8; ++component)
        for (double multiple : {0.5, 10.0})
            cases.push_back({component, multiple});
    return cases;
}

std::string twoCornerFile(int component, double difference)
{
    double first[8] = {0.25, 0.5, 0.75, 0.0, 0.5, 0.5, 0.25, 0.75};
    double second[8];
    for (int k = 0; k < 8; ++k)
        second[k] = first[k];
    second[component] += difference;
    char text[1024];
    // Corner order in a face is position/texture/normal; the key's order is
    // position, normal, texture.
    std::snprintf(text, sizeof text,
                  "v %.9f %.9f %.9f\nv %.9f %.9f %.9f\nv 2 0 0\nv 0 2 0\n"
                  "vn %.9f %.9f %.9f\nvn %.9f %.9f %.9f\n"
                  "vt %.9f %.9f\nvt %.9f %.9f\n"
                  "f 1/1/1 3/1/1 4/1/1\n"
                  "f 2/2/2 3/1/1 4/1/1\n",
                  first[0], first[1], first[2], second[0], second[1], second[2], first[3], first[4], first[5],
                  second[3], second[4], second[5], first[6], first[7], second[6], second[7]);
    return text;
}

TEST_F(MeshLoaderTest, CornersMergeWithinTheToleranceInEachComponentAndNotBeyondIt)
{
    for (const ToleranceCase& c : toleranceCases()) {
        SCOPED_TRACE("component " + std::to_string(c.component) + ", tolerance x " +
                     std::to_string(c.toleranceMultiple));
        MeshPtr mesh = loadText(twoCornerFile(c.component, c.toleranceMultiple * vertexTolerance));
        expectMeshInvariants(*mesh);
        if (c.toleranceMultiple < 1.0) {
            ASSERT_EQ(mesh->vertexCount, 3);
            EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u, 0u, 1u, 2u));
            // The merged vertex keeps the corner seen first.
            EXPECT_THAT(slice(mesh->positions, 0, 3), ElementsAre(0.25f, 0.5f, 0.75f));
            EXPECT_THAT(slice(mesh->normals, 0, 3), ElementsAre(0.0f, 0.5f, 0.5f));
            EXPECT_THAT(slice(mesh->texCoords, 0, 2), ElementsAre(0.25f, 0.75f));
        } else {
            ASSERT_EQ(mesh->vertexCount, 4);
            EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u, 3u, 1u, 2u));
        }
    }
}

TEST(MeshVertexOrdering, OrdersByTheFirstComponentThatDiffersBeyondTheTolerance)
{
    const MeshVertexLess less;
    const MeshVertex base{{1, 2, 3, 0, 0, 1, 0.5f, 0.5f}};
    MeshVertex close = base;
    close.component[7] += 0.000005f;
    EXPECT_FALSE(less(base, close));
    EXPECT_FALSE(less(close, base));

    MeshVertex laterBigger = base;
    laterBigger.component[6] += 0.5f;
    MeshVertex earlierSmaller = laterBigger;
    earlierSmaller.component[1] -= 0.5f;
    // Component 1 decides before component 6.
    EXPECT_TRUE(less(earlierSmaller, base));
    EXPECT_FALSE(less(base, earlierSmaller));
    EXPECT_TRUE(less(base, laterBigger));
    EXPECT_FALSE(less(laterBigger, base));
}

TEST_F(MeshLoaderTest, SamePositionWithAnotherNormalOrTextureCoordinateStaysApart)
{
    const char* const cases[] = {
        // The second face reuses position 1 with normal 2.
        "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\nvn 0 0 -1\n"
        "f 1/1/1 2/1/1 3/1/1\nf 1/1/2 3/1/1 2/1/1\n",
        // ... or with texture coordinate 2.
        "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 0.5 0\nvn 0 0 1\n"
        "f 1/1/1 2/1/1 3/1/1\nf 1/2/1 3/1/1 2/1/1\n",
    };
    for (const char* text : cases) {
        MeshPtr mesh = loadText(text);
        ASSERT_EQ(mesh->vertexCount, 4) << text;
        EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u, 3u, 2u, 1u)) << text;
        EXPECT_THAT(slice(mesh->positions, 9, 3), ElementsAre(0, 0, 0)) << text;
    }
}

// Modelling programs export quads and polygons: each is a fan of triangles
// around its first corner, so the whole face is drawn.
TEST_F(MeshLoaderTest, FaceWithMoreCornersIsAFanAroundItsFirstCorner)
{
    MeshPtr mesh = loadText(
        "v 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 0 1\n"
        "f 1/1/1 2/2/1 3/3/1 4/4/1\n"
        "f 4/4/1 3/3/1 1/1/1 2/2/1\n");
    ASSERT_EQ(mesh->vertexCount, 4);
    EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u, 0u, 2u, 3u, 3u, 2u, 0u, 3u, 0u, 1u));
    EXPECT_EQ(stderrText(), "");
}

TEST_F(MeshLoaderTest, TextureCoordinateLineTakesTwoNumbersAndIgnoresAThird)
{
    MeshPtr mesh = loadText("v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.25 0.75 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\n");
    ASSERT_EQ(mesh->vertexCount, 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_THAT(slice(mesh->texCoords, 2 * i, 2), ElementsAre(0.25f, 0.75f));
}

TEST_F(MeshLoaderTest, UpperCaseAndGluedDirectivesAreSkipped)
{
    // None of the odd lines may take a list entry: the faces below count
    // only the proper lines.
    MeshPtr mesh = loadText(
        "V 9 9 9\nv9 9 9\nVN 0 1 0\nvn0 1 0\nVT 0.9 0.9\nvt0.9 0.9\nVt 0.9 0.9\n"
        "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.5 0.5\nvn 0 0 1\n"
        "F 1/1/1 2/1/1 3/1/1\nf1/1/1 2/1/1 3/1/1\nfo 1/1/1 2/1/1 3/1/1\n"
        "o fish\ng body\ns 1\nusemtl skin\nmtllib fish.mtl\n"
        "f 1/1/1 2/1/1 3/1/1\n");
    ASSERT_EQ(mesh->vertexCount, 3);
    EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u));
    EXPECT_THAT(slice(mesh->positions, 0, 9), ElementsAre(0, 0, 0, 1, 0, 0, 0, 1, 0));
    EXPECT_THAT(slice(mesh->normals, 0, 3), ElementsAre(0, 0, 1));
    EXPECT_THAT(slice(mesh->texCoords, 0, 2), ElementsAre(0.5f, 0.5f));
    EXPECT_EQ(stderrText(), "");
}

TEST_F(MeshLoaderTest, NumbersComeOutExactlyAsTheFloatConversionReadsThem)
{
    const char* const numbers[] = {"0.1", "-7.25", "1e-3", "0.30000001192092896", "123456789",
                                   "1.0000001", "3.4028234e38", "1.17549435e-38", "-0", "2.5E+2",
                                   ".5", "7.", "0x1.8p1", "1e-45"};
    for (const char* number : numbers) {
        float expected = 0.0f;
        ASSERT_EQ(std::sscanf(number, "%f", &expected), 1) << number;
        const std::string text = std::string("v ") + number + " " + number + " " + number + "\nvn " + number +
                                 " 1 1\nvt " + number + " " + number + "\nv 5 5 5\nv 6 5 5\n" +
                                 "f 1/1/1 2/1/1 3/1/1\n";
        MeshPtr mesh = loadText(text);
        ASSERT_EQ(mesh->vertexCount, 3) << number;
        for (float value : {mesh->positions[0], mesh->positions[1], mesh->positions[2], mesh->normals[0],
                            mesh->texCoords[0], mesh->texCoords[1]})
            EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << number << " read as " << value;
    }
}

// A number that does not parse leaves the component as the same directive's
// earlier line gave it; before any such line it is zero. Each case's last
// "v", "vn" and "vt" lines are entries `lastPosition`, `lastNormal` and
// `lastTexCoord` of their lists: one line, one entry, however much parsed.
struct HoldingCase {
    const char* name;
    const char* lines;
    int lastPosition, lastNormal, lastTexCoord;
    float position[3];
    float normal[3];
    float texCoord[2];
};

const HoldingCase holdingCases[] = {
    {"nothing earlier", "v x 1 1\nvn\nvt ?\n", 1, 1, 1, {0, 0, 0}, {0, 0, 0}, {0, 0}},
    {"stops at the first bad number", "v 1 2 3\nvn 4 5 6\nvt 7 8\nv 9 x 10\nvn 11\nvt 12 y\n", 2, 2, 2,
     {9, 2, 3}, {11, 5, 6}, {12, 8}},
    {"empty lines keep everything", "v 1 2 3\nvn 4 5 6\nvt 7 8\nv\nvn\nvt\n", 2, 2, 2, {1, 2, 3}, {4, 5, 6},
     {7, 8}},
    {"directives hold apart", "v 1 2 3\nvn x\nvt x\n", 1, 1, 1, {1, 2, 3}, {0, 0, 0}, {0, 0}},
    {"holds carry over several lines", "v 1 2 3\nv 4\nv x 5\n", 3, 0, 0, {4, 2, 3}, {0, 0, 0}, {0, 0}},
};

TEST_F(MeshLoaderTest, ComponentsThatDoNotParseKeepTheEarlierLinesValue)
{
    for (const HoldingCase& c : holdingCases) {
        SCOPED_TRACE(c.name);
        std::string text = c.lines;
        int normal = c.lastNormal;
        int texCoord = c.lastTexCoord;
        if (normal == 0) {
            text += "vn x\n";
            normal = 1;
        }
        if (texCoord == 0) {
            text += "vt x\n";
            texCoord = 1;
        }
        text += "v 50 50 50\nv 60 50 50\nf";
        for (int corner = 0; corner < 3; ++corner)
            text += " " + std::to_string(c.lastPosition + corner) + "/" + std::to_string(texCoord) + "/" +
                    std::to_string(normal);
        MeshPtr mesh = loadText(text + "\n");
        ASSERT_EQ(mesh->vertexCount, 3);
        EXPECT_THAT(slice(mesh->positions, 0, 3), ElementsAreArray(c.position));
        EXPECT_THAT(slice(mesh->normals, 0, 3), ElementsAreArray(c.normal));
        EXPECT_THAT(slice(mesh->texCoords, 0, 2), ElementsAreArray(c.texCoord));
    }
}

TEST_F(MeshLoaderTest, MissingFileGivesTheEmptyMeshSilently)
{
    MeshPtr mesh = load(dir() + "/no-such-mesh.obj");
    EXPECT_EQ(mesh->vertexCount, 0);
    EXPECT_EQ(mesh->indexCount, 0);
    EXPECT_EQ(mesh->positions, nullptr);
    EXPECT_EQ(mesh->normals, nullptr);
    EXPECT_EQ(mesh->texCoords, nullptr);
    EXPECT_EQ(mesh->indices, nullptr);
    EXPECT_EQ(stderrText(), "");
}

TEST_F(MeshLoaderTest, FileWithoutFacesGivesZeroCountsWithAllocatedArrays)
{
    for (const char* text : {"", "\n\n", "v 0 0 0\nv 1 0 0\nvt 0 0\nvn 0 0 1\n# no faces\n"}) {
        MeshPtr mesh = loadText(text);
        EXPECT_EQ(mesh->vertexCount, 0) << text;
        EXPECT_EQ(mesh->indexCount, 0) << text;
        EXPECT_NE(mesh->positions, nullptr) << text;
        EXPECT_NE(mesh->normals, nullptr) << text;
        EXPECT_NE(mesh->texCoords, nullptr) << text;
        EXPECT_NE(mesh->indices, nullptr) << text;
        EXPECT_EQ(stderrText(), "") << text;
    }
}

}  // namespace
