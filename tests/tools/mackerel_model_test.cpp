#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/mesh.h"
#include "program_runner.h"

namespace {

const std::string modelPath = std::string(MARIVANE_BINARY_DIR) + "/assets/mackerel.obj";

using Vec = std::array<double, 3>;

Vec sub(const Vec& a, const Vec& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Vec add(const Vec& a, const Vec& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
double dotProduct(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec crossProduct(const Vec& a, const Vec& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// "f" and exactly three corners a/b/c of positive decimal numbers.
bool isFullTriangle(const std::string& line)
{
    std::istringstream words(line);
    std::string word;
    words >> word;
    if (word != "f")
        return false;
    int corners = 0;
    while (words >> word) {
        int fields = 0;
        std::size_t at = 0;
        while (at <= word.size()) {
            const std::size_t slash = std::min(word.find('/', at), word.size());
            const std::string field = word.substr(at, slash - at);
            if (field.empty() || field[0] == '0' || field.find_first_not_of("0123456789") != std::string::npos)
                return false;
            ++fields;
            at = slash + 1;
        }
        if (fields != 3)
            return false;
        ++corners;
    }
    return corners == 3;
}

// The model as the program loads it, with each triangle's group taken from
// the file's "g" lines (which the loader itself skips).
struct LoadedModel {
    Mesh* mesh = nullptr;
    std::string loaderOutput;
    std::vector<std::string> faceLines;
    std::vector<std::string> faceGroup;
    int positionLines = 0;
};

LoadedModel* model = nullptr;

class MackerelModelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        model = new LoadedModel;
        ::testing::internal::CaptureStderr();
        model->mesh = new Mesh(modelPath);
        model->loaderOutput = ::testing::internal::GetCapturedStderr();
        std::ifstream in(modelPath);
        std::string line, group;
        while (std::getline(in, line)) {
            std::istringstream words(line);
            std::string first;
            words >> first;
            if (first == "g")
                words >> group;
            else if (first == "v")
                ++model->positionLines;
            else if (first == "f") {
                model->faceLines.push_back(line);
                model->faceGroup.push_back(group);
            }
        }
    }
    static void TearDownTestSuite()
    {
        releaseMesh(model->mesh);
        delete model;
        model = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(model->mesh->positions, nullptr) << modelPath << " did not open";
        ASSERT_EQ(model->mesh->indexCount, 3 * static_cast<int>(model->faceLines.size()));
    }

    static int triangles() { return model->mesh->indexCount / 3; }
    static std::uint32_t corner(int triangle, int c) { return model->mesh->indices[3 * triangle + c]; }
    static Vec position(std::uint32_t v)
    {
        const float* p = &model->mesh->positions[3 * v];
        return {p[0], p[1], p[2]};
    }
    static Vec normal(std::uint32_t v)
    {
        const float* n = &model->mesh->normals[3 * v];
        return {n[0], n[1], n[2]};
    }
    static Vec windingNormal(int t)
    {
        const Vec a = position(corner(t, 0));
        return crossProduct(sub(position(corner(t, 1)), a), sub(position(corner(t, 2)), a));
    }
    static std::vector<int> trianglesOf(const std::string& group)
    {
        std::vector<int> found;
        for (int t = 0; t < triangles(); ++t)
            if (model->faceGroup[static_cast<std::size_t>(t)] == group)
                found.push_back(t);
        return found;
    }
};

TEST_F(MackerelModelTest, LoadsEveryFaceAsAFullTriangle)
{
    EXPECT_EQ(model->loaderOutput, "") << "the loader skipped faces";
    for (const std::string& line : model->faceLines)
        ASSERT_TRUE(isFullTriangle(line)) << line;
    // A few thousand triangles, and no vertex of the file merged into another.
    EXPECT_GE(triangles(), 2000);
    EXPECT_LE(triangles(), 8000);
    EXPECT_EQ(model->mesh->vertexCount, model->positionLines);
}

TEST_F(MackerelModelTest, HasABodyAndEveryFin)
{
    std::set<std::string> groups(model->faceGroup.begin(), model->faceGroup.end());
    for (const char* part : {"body", "tail_fin", "first_dorsal_fin", "second_dorsal_fin", "anal_fin",
                             "pectoral_fins", "pelvic_fins"})
        EXPECT_TRUE(groups.count(part)) << part;
}

TEST_F(MackerelModelTest, BodyIsClosedSmoothAndWoundOutwards)
{
    const std::vector<int> body = trianglesOf("body");
    ASSERT_FALSE(body.empty());
    // Closed and consistently wound: every edge is crossed once in each
    // direction.
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> edges;
    std::set<std::uint32_t> vertices;
    double volume = 0.0;
    for (int t : body) {
        for (int c = 0; c < 3; ++c) {
            ++edges[{corner(t, c), corner(t, (c + 1) % 3)}];
            vertices.insert(corner(t, c));
        }
        volume += dotProduct(position(corner(t, 0)), crossProduct(position(corner(t, 1)), position(corner(t, 2)))) / 6.0;
        // Each corner's normal leans the way the winding faces.
        const Vec facing = windingNormal(t);
        for (int c = 0; c < 3; ++c)
            EXPECT_GT(dotProduct(facing, normal(corner(t, c))), 0.0) << model->faceLines[static_cast<std::size_t>(t)];
    }
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1);
        const auto back = edges.find({edge.second, edge.first});
        ASSERT_NE(back, edges.end()) << "open edge";
        EXPECT_EQ(back->second, 1);
    }
    // Outward winding gives a positive volume, about that of a slim fish.
    EXPECT_GT(volume, 0.03);
    EXPECT_LT(volume, 0.2);
    // Smooth: no position is split into vertices of different normals.
    std::set<Vec> positions;
    for (std::uint32_t v : vertices) {
        positions.insert(position(v));
        EXPECT_NEAR(std::sqrt(dotProduct(normal(v), normal(v))), 1.0, 1e-4);
    }
    EXPECT_EQ(positions.size(), vertices.size());
}

TEST_F(MackerelModelTest, FinsShowFromBothSides)
{
    std::set<std::string> fins(model->faceGroup.begin(), model->faceGroup.end());
    fins.erase("body");
    ASSERT_GE(fins.size(), 6u);
    for (const std::string& fin : fins) {
        SCOPED_TRACE(fin);
        // Triangles by their corner positions in winding order, started at
        // the smallest so that rotations compare equal.
        std::multiset<std::array<Vec, 3>> wound;
        auto key = [](Vec a, Vec b, Vec c) {
            while (!(a <= b && a <= c)) {
                std::swap(a, b);
                std::swap(b, c);
            }
            return std::array<Vec, 3>{a, b, c};
        };
        const std::vector<int> triangles = trianglesOf(fin);
        for (int t : triangles)
            wound.insert(key(position(corner(t, 0)), position(corner(t, 1)), position(corner(t, 2))));
        for (int t : triangles) {
            const Vec a = position(corner(t, 0)), b = position(corner(t, 1)), c = position(corner(t, 2));
            // The same triangle wound the other way faces the other side...
            EXPECT_EQ(wound.count(key(a, c, b)), wound.count(key(a, b, c))) << model->faceLines[static_cast<std::size_t>(t)];
            // ... and each copy is lit on the side it faces.
            const Vec facing = windingNormal(t);
            for (int k = 0; k < 3; ++k)
                EXPECT_GT(dotProduct(facing, normal(corner(t, k))), 0.0);
        }
    }
}

TEST_F(MackerelModelTest, SizeAndPlaceKeepTheSixFishApart)
{
    Vec low{1e9, 1e9, 1e9}, high{-1e9, -1e9, -1e9};
    for (int v = 0; v < model->mesh->vertexCount; ++v) {
        const Vec p = position(static_cast<std::uint32_t>(v));
        for (int k = 0; k < 3; ++k) {
            low[static_cast<std::size_t>(k)] = std::min(low[static_cast<std::size_t>(k)], p[static_cast<std::size_t>(k)]);
            high[static_cast<std::size_t>(k)] = std::max(high[static_cast<std::size_t>(k)], p[static_cast<std::size_t>(k)]);
        }
    }
    const Vec size = sub(high, low);
    EXPECT_NEAR(size[0], 2.4, 0.2);
    EXPECT_LE(size[1], 0.6);
    EXPECT_LE(size[2], 0.35);
    EXPECT_GT(size[1], 0.3) << "too thin to look like a fish";
    const Vec centre = add(low, high);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(centre[static_cast<std::size_t>(k)] / 2.0, 0.0, 0.02) << "axis " << k;
    // The snout points to +x: the tail fin lies wholly on the -x side.
    for (int t : trianglesOf("tail_fin"))
        for (int c = 0; c < 3; ++c)
            EXPECT_LT(position(corner(t, c))[0], -0.5);
}

TEST_F(MackerelModelTest, SkinRunsFromSnoutToTailAndFromBellyToBack)
{
    // The skins repeat: a coordinate within a few texels of an edge is
    // filtered with the opposite edge (the pale belly along the dark back).
    // Five texels of the 256 rows, as a share of the picture, either side.
    constexpr float edge = 0.0195f;
    const auto inPicture = [](double fraction) { return 0.02 + 0.96 * fraction; };
    float highX = -1e9f, lowX = 1e9f;
    for (int v = 0; v < model->mesh->vertexCount; ++v) {
        highX = std::max(highX, model->mesh->positions[3 * v]);
        lowX = std::min(lowX, model->mesh->positions[3 * v]);
        const float u = model->mesh->texCoords[2 * v], tv = model->mesh->texCoords[2 * v + 1];
        EXPECT_TRUE(u >= edge && u <= 1.0f - edge && tv >= edge && tv <= 1.0f - edge) << u << " " << tv;
    }
    // Body vertices by cross-section (equal x): u follows the length, v the
    // height within the section, the same on both sides.
    std::map<float, std::vector<std::uint32_t>> sections;
    for (int t : trianglesOf("body"))
        for (int c = 0; c < 3; ++c)
            sections[model->mesh->positions[3 * corner(t, c)]].push_back(corner(t, c));
    int checked = 0;
    for (auto& [x, section] : sections) {
        std::sort(section.begin(), section.end());
        section.erase(std::unique(section.begin(), section.end()), section.end());
        if (section.size() < 8)
            continue;
        double bottom = 1e9, top = -1e9;
        for (std::uint32_t v : section) {
            bottom = std::min(bottom, position(v)[1]);
            top = std::max(top, position(v)[1]);
        }
        for (std::uint32_t v : section) {
            EXPECT_NEAR(model->mesh->texCoords[2 * v], inPicture((highX - x) / (highX - lowX)), 0.01) << "x " << x;
            EXPECT_NEAR(model->mesh->texCoords[2 * v + 1], inPicture((position(v)[1] - bottom) / (top - bottom)), 0.01)
                << "x " << x << " y " << position(v)[1];
        }
        ++checked;
    }
    EXPECT_GT(checked, 20);
}

TEST(MackerelGenerator, WritesTheSameFileEveryRunAndFailsLoudly)
{
    const std::string dir = makeTempDir();
    ASSERT_FALSE(dir.empty());
    const std::string generator = std::string(MARIVANE_BINARY_DIR) + "/marivane_assetgen";
    EXPECT_EQ(runCommand(generator + " " + dir + " 2>&1"), 0);
    EXPECT_EQ(readFile(dir + "/mackerel.obj"), readFile(modelPath));
    removeTree(dir);

    std::string output;
    EXPECT_NE(runCommand(generator + " /nonexistent-folder/assets 2>&1", &output), 0);
    EXPECT_NE(output.find("/nonexistent-folder/assets"), std::string::npos) << output;
}

}  // namespace
