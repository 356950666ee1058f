#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "assets/mesh.h"
#include "mesh_test_helpers.h"

using ::testing::ElementsAre;

namespace {

// Three entries of each list, then a sound face, the face under test, and a
// second sound face. The face under test's first corners would make new
// vertices if they reached the vertex table.
const char* const entries =
    "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 5 5 5\nv 6 5 5\n"
    "vt 0 0\nvt 1 0\nvt 0 1\n"
    "vn 0 0 1\nvn 0 1 0\n";

struct BadFaceCase {
    const char* name;
    const char* face;
};

const BadFaceCase badFaces[] = {
    {"four fields", "f 4/1/2/1 5/1/2 1/1/1"},
    {"empty normal", "f 4/1/ 5/1/2 1/1/1"},
    {"empty fields", "f // // //"},
    {"words", "f a/b/c d/e/f g/h/i"},
    {"letters for the normal", "f 4/1/x 5/1/1 1/1/1"},
    {"zero position", "f 4/1/2 5/1/2 0/1/1"},
    {"zero texture", "f 4/1/2 5/1/2 1/0/1"},
    {"zero normal", "f 4/1/2 5/1/2 1/1/0"},
    {"negative position beyond the list", "f 4/1/2 5/1/2 -6/1/1"},
    {"negative texture beyond the list", "f 4/1/2 5/1/2 1/-4/1"},
    {"position beyond the list", "f 4/1/2 5/1/2 6/1/1"},
    {"texture beyond the list", "f 4/1/2 5/1/2 1/4/1"},
    {"normal beyond the list", "f 4/1/2 5/1/2 1/1/3"},
    {"far beyond the list", "f 4/1/2 5/1/2 2147483647/1/1"},
    {"beyond the integer range", "f 4/1/2 5/1/2 99999999999999999999/1/1"},
    {"below the integer range", "f 4/1/2 5/1/2 1/-99999999999999999999/1"},
    {"bad first corner", "f 7/1/1 4/1/2 5/1/2"},
    {"two corners", "f 4/1/2 5/1/2"},
    {"one corner", "f 4/1/2"},
    {"no corners", "f"},
    {"no corners, trailing blanks", "f \t "},
};

class MeshMalformedTest : public ObjFileTest {};

TEST_F(MeshMalformedTest, FaceWithABadCornerIsSkippedWholeAndCounted)
{
    for (const BadFaceCase& c : badFaces) {
        SCOPED_TRACE(c.name);
        const std::string path = writeObj(std::string(entries) + "f 1/1/1 2/2/1 3/3/1\n" + c.face +
                                          "\nf 3/3/1 2/2/1 1/1/1\n");
        MeshPtr mesh = load(path);
        expectMeshInvariants(*mesh);
        // Only the two sound faces: no vertex of the bad face's good corners.
        EXPECT_EQ(mesh->vertexCount, 3);
        EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u, 2u, 1u, 0u));
        expectSkippedFaceLine(stderrText(), path, 1);
    }
}

TEST_F(MeshMalformedTest, FaceMayOnlyNameEntriesReadBeforeIt)
{
    const std::string path = writeObj(
        "v 0 0 0\nv 1 0 0\nvt 0 0\nvn 0 0 1\n"
        "f 1/1/1 2/1/1 3/1/1\n"
        "v 0 1 0\nvt 1 1\nvn 0 1 0\n"
        "f 1/1/1 2/1/1 3/2/2\n"
        "f 1/1/1 2/2/2 3/1/1\n");
    MeshPtr mesh = load(path);
    expectMeshInvariants(*mesh);
    EXPECT_EQ(mesh->indexCount, 6);
    expectSkippedFaceLine(stderrText(), path, 1);
}

TEST_F(MeshMalformedTest, SkippedFacesAreReportedOnceWithTheirCount)
{
    std::string text = entries;
    for (const BadFaceCase& c : badFaces)
        text += std::string(c.face) + "\nf 1/1/1 2/2/1 3/3/1\n";
    const std::string path = writeObj(text);
    MeshPtr mesh = load(path);
    expectMeshInvariants(*mesh);
    EXPECT_EQ(mesh->vertexCount, 3);
    EXPECT_EQ(mesh->indexCount, 3 * static_cast<int>(std::size(badFaces)));
    expectSkippedFaceLine(stderrText(), path, static_cast<int>(std::size(badFaces)));
}

TEST_F(MeshMalformedTest, LineLongerThanTheBufferIsSkippedWholeAndCounted)
{
    // 511 characters fill the buffer: a line that long still counts as whole.
    const std::string filler = "# " + std::string(509, 'x');
    ASSERT_EQ(filler.size(), 511u);
    std::string fullFace = "f 1/1/1 2/1/1 3/1/1";
    fullFace += std::string(511 - fullFace.size(), ' ');
    const std::string path = writeObj(filler + "v 7 8 9\n" +  // a comment whose tail would read as a vertex
                                      "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvn 0 0 1\n" +
                                      "v " + std::string(700, '1') + " 2 3\n" +  // a number too long to hold
                                      "f 1/1/1 2/1/1 3/1/1" + std::string(1500, ' ') + "junk\n" + fullFace + "\n");
    MeshPtr mesh = load(path);
    expectMeshInvariants(*mesh);
    ASSERT_EQ(mesh->vertexCount, 3);
    EXPECT_THAT(std::vector<float>(mesh->positions, mesh->positions + 9), ElementsAre(0, 0, 0, 1, 0, 0, 0, 1, 0));
    EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u));
    const std::string& errors = stderrText();
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "exactly one line: " << errors;
    EXPECT_NE(errors.find(path), std::string::npos) << errors;
    EXPECT_NE(errors.find(" 3 lines longer than 511 characters skipped"), std::string::npos) << errors;
}

TEST_F(MeshMalformedTest, FaceNamingAnInfiniteOrNaNValueIsSkipped)
{
    const std::string path = writeObj(std::string(entries) +
                                      "v 1e999 0 0\nv 0 nan 0\nvt 0 -inf\nvn NAN 0 1\n"
                                      "f 1/1/1 2/2/1 3/3/1\n"
                                      "f 1/1/1 2/2/1 6/1/1\n"
                                      "f 1/1/1 7/2/1 3/3/1\n"
                                      "f 1/4/1 2/2/1 3/3/1\n"
                                      "f 1/1/3 2/2/1 3/3/1\n");
    MeshPtr mesh = load(path);
    expectMeshInvariants(*mesh);
    EXPECT_EQ(mesh->vertexCount, 3);
    EXPECT_THAT(indicesOf(*mesh), ElementsAre(0u, 1u, 2u));
    expectSkippedFaceLine(stderrText(), path, 4);
}

TEST_F(MeshMalformedTest, RandomBytesNeverBreakTheMesh)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> size(0, 6000);
    // Bytes drawn from OBJ's own alphabet reach the face and number paths far
    // more often than uniform noise.
    const std::string alphabet = "vtnf /0123456789-.e\n\r\t#x";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 60; ++round) {
        std::string text(static_cast<std::size_t>(size(random)), '\0');
        for (char& c : text)
            c = round % 2 == 0 ? static_cast<char>(byte(random)) : alphabet[pick(random)];
        const std::string path = writeObj(text, "random" + std::to_string(round) + ".obj");
        MeshPtr mesh = load(path);
        expectMeshInvariants(*mesh, "round " + std::to_string(round));
        if (!stderrText().empty()) {
            EXPECT_EQ(stderrText().find('\n'), stderrText().size() - 1) << stderrText();
            EXPECT_NE(stderrText().find(path), std::string::npos) << stderrText();
        }
    }
}

// Generated OBJ text with a known answer: which faces are sound, and which
// values each corner stands for. Values are drawn from a small set, with
// near twins inside the tolerance, so corners merge often.
struct GeneratedObj {
    std::string text;
    int soundFaces = 0;
    int badFaces = 0;
    // Per sound corner, the eight key values it names.
    std::vector<std::array<float, 8>> cornerKeys;
};

GeneratedObj generateObj(std::mt19937& random)
{
    GeneratedObj obj;
    std::vector<std::array<float, 3>> positions, normals;
    std::vector<std::array<float, 2>> texCoords;
    const char* const values[] = {"0", "1", "0.5", "0.500004", "0.499996", "0.50002"};
    std::uniform_int_distribution<int> valuePick(0, static_cast<int>(std::size(values)) - 1);
    std::uniform_int_distribution<int> linePick(0, 99);
    const char* const separators[] = {" ", "\t", "  ", " \t "};
    std::uniform_int_distribution<int> separatorPick(0, 3);
    auto separator = [&] { return std::string(separators[separatorPick(random)]); };
    auto number = [&](float& parsed) {
        const char* text = values[valuePick(random)];
        parsed = std::strtof(text, nullptr);
        return std::string(text);
    };
    // Mostly entries that exist, few of them so that corners repeat; now and
    // then one that is zero, negative beyond the entries read, or not yet read.
    auto index = [&](std::size_t available) {
        const int roll = linePick(random);
        if (roll < 4 || available == 0) {
            const int pick = std::uniform_int_distribution<int>(0, 2)(random);
            return pick == 0 ? 0 : -static_cast<int>(available) - pick;
        }
        if (roll < 8)
            return static_cast<int>(available) + 1 + roll;
        const int recent = std::min<int>(static_cast<int>(available), 4);
        return static_cast<int>(available) - std::uniform_int_distribution<int>(0, recent - 1)(random);
    };
    const int lines = 40 + linePick(random) * 3;
    for (int line = 0; line < lines; ++line) {
        // Every file starts with entries of each kind.
        const int kind = line < 9 ? line / 3 * 10 : linePick(random);
        std::string text;
        if (kind < 15) {
            std::array<float, 3> p{};
            text = "v";
            for (float& value : p)
                text += separator() + number(value);
            positions.push_back(p);
        } else if (kind < 25) {
            std::array<float, 3> n{};
            text = "vn";
            for (float& value : n)
                text += separator() + number(value);
            normals.push_back(n);
        } else if (kind < 35) {
            std::array<float, 2> t{};
            text = "vt";
            for (float& value : t)
                text += separator() + number(value);
            texCoords.push_back(t);
        } else if (kind < 85) {
            // A face: each corner sound, or broken in one of several ways.
            std::vector<std::array<float, 8>> keys;
            bool sound = true;
            text = "f";
            for (int corner = 0; corner < 3; ++corner) {
                const int p = index(positions.size());
                const int t = index(texCoords.size());
                const int n = index(normals.size());
                const int form = linePick(random);
                std::string cornerText = std::to_string(p) + "/" + std::to_string(t) + "/" + std::to_string(n);
                if (form < 3)
                    cornerText += "/1";  // a fourth field: no form of OBJ
                else if (form < 6)
                    cornerText = std::to_string(p) + "/" + std::to_string(t) + "/";
                const bool inRange = p >= 1 && p <= static_cast<int>(positions.size()) && t >= 1 &&
                                     t <= static_cast<int>(texCoords.size()) && n >= 1 &&
                                     n <= static_cast<int>(normals.size());
                if (form < 6 || !inRange) {
                    sound = false;
                } else {
                    const auto& pv = positions[static_cast<std::size_t>(p - 1)];
                    const auto& nv = normals[static_cast<std::size_t>(n - 1)];
                    const auto& tv = texCoords[static_cast<std::size_t>(t - 1)];
                    keys.push_back({pv[0], pv[1], pv[2], nv[0], nv[1], nv[2], tv[0], tv[1]});
                }
                text += separator() + cornerText;
            }
            // A fourth corner makes a quad: a second triangle of the first,
            // third and fourth corners.
            const bool quad = linePick(random) < 10;
            if (quad)
                text += " 1/1/1";
            if (sound && quad) {
                ++obj.soundFaces;
                const std::array<float, 8> first = keys[0], third = keys[2];
                const auto& pv = positions[0];
                const auto& nv = normals[0];
                const auto& tv = texCoords[0];
                keys.push_back(first);
                keys.push_back(third);
                keys.push_back({pv[0], pv[1], pv[2], nv[0], nv[1], nv[2], tv[0], tv[1]});
            }
            if (sound) {
                ++obj.soundFaces;
                obj.cornerKeys.insert(obj.cornerKeys.end(), keys.begin(), keys.end());
            } else {
                ++obj.badFaces;
            }
        } else if (kind < 92) {
            text = "# comment 1/1/1";
        } else {
            text = "g part" + std::to_string(line);
        }
        obj.text += text + (linePick(random) < 20 ? "\r\n" : "\n");
    }
    return obj;
}

TEST_F(MeshMalformedTest, GeneratedFilesKeepEveryInvariant)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const GeneratedObj obj = generateObj(random);
        const std::string path = writeObj(obj.text, "generated.obj");
        MeshPtr mesh = load(path);
        expectMeshInvariants(*mesh);
        ASSERT_EQ(mesh->indexCount, 3 * obj.soundFaces);
        expectSkippedFaceLine(stderrText(), path, obj.badFaces);
        // Each corner's vertex agrees with the corner's own values within the
        // tolerance in all eight components.
        for (std::size_t k = 0; k < obj.cornerKeys.size(); ++k) {
            const std::size_t v = mesh->indices[k];
            const float found[8] = {mesh->positions[3 * v], mesh->positions[3 * v + 1], mesh->positions[3 * v + 2],
                                    mesh->normals[3 * v],   mesh->normals[3 * v + 1],   mesh->normals[3 * v + 2],
                                    mesh->texCoords[2 * v], mesh->texCoords[2 * v + 1]};
            for (int c = 0; c < 8; ++c)
                ASSERT_LE(std::fabs(static_cast<double>(found[c]) - obj.cornerKeys[k][c]),
                          static_cast<double>(vertexTolerance))
                    << "corner " << k << " component " << c;
        }
    }
}

}  // namespace
