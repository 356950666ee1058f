#include <cmath>
#include <numbers>
#include <string>
#include <utility>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "assets/texture_set.h"
#include "gl_feedback.h"
#include "gl_window.h"
#include "render/environment_box.h"
#include "render/water_surface.h"
#include "state/program_state.h"

namespace {

constexpr double positionTolerance = 1e-3;
constexpr double texCoordTolerance = 1e-6;
constexpr int cellsPerSide = 20;

class EnvironmentBoxTest : public GlWindowTest {
protected:
    void SetUp() override
    {
        GlWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        glGenTextures(1, &textures.rockTexture);
        glGenTextures(1, &textures.waterTexture);
        box = new EnvironmentBox();
    }

    void TearDown() override
    {
        if (box != nullptr)
            releaseEnvironmentBox(box);
        environmentBox = nullptr;
        textures = TextureSet{};
        GlWindowTest::TearDown();
    }

    // The whole box in an orthographic view, seen from above (+y) or from
    // below, with the default front face (counter-clockwise) and no lighting,
    // so feedback reports the vertex colours as given.
    static void lookAtBox(bool fromAbove)
    {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-110.0, 110.0, -110.0, 110.0, -200.0, 200.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(fromAbove ? 90.0f : -90.0f, 1.0f, 0.0f, 0.0f);
        glDisable(GL_LIGHTING);
        glEnable(GL_TEXTURE_2D);
    }

    std::vector<FeedbackPolygon> captureFloor() const
    {
        return captureFeedback([this] { glCallList(box->floorList); });
    }

    std::vector<FeedbackPolygon> captureWater() const
    {
        return captureFeedback([this] { drawWaterSurface(*box); });
    }

    EnvironmentBox* box = nullptr;
};

struct ExpectedVertex {
    float x, y, z;
    float s, t;
};

void expectVertex(const FeedbackVertex& v, const GlTransform& transform, const ExpectedVertex& expected,
                  const std::string& where)
{
    const std::array<double, 3> p = unproject(v, transform);
    EXPECT_NEAR(p[0], expected.x, positionTolerance) << where << " x";
    EXPECT_NEAR(p[1], expected.y, positionTolerance) << where << " y";
    EXPECT_NEAR(p[2], expected.z, positionTolerance) << where << " z";
    EXPECT_NEAR(v.texture[0], expected.s, texCoordTolerance) << where << " s";
    EXPECT_NEAR(v.texture[1], expected.t, texCoordTolerance) << where << " t";
}

void expectColor(const FeedbackVertex& v, const float* rgba, const std::string& where)
{
    for (int k = 0; k < 4; ++k)
        EXPECT_NEAR(v.color[k], rgba[k], 1e-6) << where << " colour channel " << k;
}

// Quad number `index` of a surface covers the cell at this corner: columns of
// x from -100, and within a column z from -100, in steps of 10.
std::pair<float, float> cellOf(std::size_t index)
{
    return {-100.0f + 10.0f * static_cast<float>(index / cellsPerSide),
            -100.0f + 10.0f * static_cast<float>(index % cellsPerSide)};
}

TEST_F(EnvironmentBoxTest, FloorListEmitsFourHundredQuadsInGridOrder)
{
    lookAtBox(true);
    const GlTransform transform = currentTransform();
    const std::vector<FeedbackPolygon> polygons = captureFloor();
    EXPECT_DOUBLE_EQ(quadCount(polygons), 400.0);
    const std::vector<FeedbackQuad> quads = reassembleQuads(polygons);
    ASSERT_EQ(quads.size(), 400u);

    // The first two quads, written out.
    const ExpectedVertex firstTwo[2][4] = {
        {{-90, -50, -100, -5.625f, -6.25f},
         {-100, -50, -100, -6.25f, -6.25f},
         {-100, -50, -90, -6.25f, -5.625f},
         {-90, -50, -90, -5.625f, -5.625f}},
        {{-90, -50, -90, -5.625f, -5.625f},
         {-100, -50, -90, -6.25f, -5.625f},
         {-100, -50, -80, -6.25f, -5.0f},
         {-90, -50, -80, -5.625f, -5.0f}},
    };
    for (int q = 0; q < 2; ++q)
        for (int v = 0; v < 4; ++v)
            expectVertex(quads[q][v], transform, firstTwo[q][v],
                         "quad " + std::to_string(q) + " vertex " + std::to_string(v));

    // Every quad: its cell in column order, corners (x+10,z), (x,z), (x,z+10),
    // (x+10,z+10), texture 1/16 of the position, floor colour.
    const float cornerOffsets[4][2] = {{10, 0}, {0, 0}, {0, 10}, {10, 10}};
    for (std::size_t q = 0; q < quads.size(); ++q) {
        const auto [x, z] = cellOf(q);
        for (int v = 0; v < 4; ++v) {
            const float vx = x + cornerOffsets[v][0];
            const float vz = z + cornerOffsets[v][1];
            const std::string where = "floor quad " + std::to_string(q) + " vertex " + std::to_string(v);
            expectVertex(quads[q][v], transform, {vx, -50.0f, vz, vx * 0.0625f, vz * 0.0625f}, where);
            expectColor(quads[q][v], floorColor, where);
        }
        if (HasFailure())
            break;
    }
}

TEST_F(EnvironmentBoxTest, FloorTexCoordsIgnoreTheClock)
{
    lookAtBox(true);
    const std::vector<FeedbackPolygon> atStart = captureFloor();
    box->clock = 9.75f;
    const std::vector<FeedbackPolygon> later = captureFloor();
    ASSERT_EQ(atStart.size(), later.size());
    for (std::size_t p = 0; p < atStart.size(); ++p)
        for (std::size_t v = 0; v < atStart[p].size(); ++v)
            ASSERT_EQ(atStart[p][v].texture, later[p][v].texture) << "polygon " << p << " vertex " << v;
}

// The water's texture coordinates as the behaviour states them: the texture
// repeats every 16 units, drifts by the clock along x, and wobbles by a
// cosine along x and a sine along z of 25 units' and 25 seconds' period.
float waterSAt(float x, float clock)
{
    const double phase = 2.0 * std::numbers::pi * 0.04 * (static_cast<double>(x) - clock);
    return static_cast<float>((x + std::cos(phase) - clock) / 16.0);
}

float waterTAt(float z, float clock)
{
    const double phase = 2.0 * std::numbers::pi * 0.04 * (static_cast<double>(z) - clock);
    return static_cast<float>((z + std::sin(phase)) / 16.0);
}

TEST_F(EnvironmentBoxTest, WaterEmitsFourHundredQuadsWithWaveTexCoords)
{
    lookAtBox(false);
    box->clock = 3.7f;
    const GlTransform transform = currentTransform();
    const std::vector<FeedbackPolygon> polygons = captureWater();
    EXPECT_DOUBLE_EQ(quadCount(polygons), 400.0);
    const std::vector<FeedbackQuad> quads = reassembleQuads(polygons);
    ASSERT_EQ(quads.size(), 400u);

    // Corners (x,z), (x+10,z), (x+10,z+10), (x,z+10); texture from the wave
    // formula at each corner.
    const float cornerOffsets[4][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (std::size_t q = 0; q < quads.size(); ++q) {
        const auto [x, z] = cellOf(q);
        for (int v = 0; v < 4; ++v) {
            const float vx = x + cornerOffsets[v][0];
            const float vz = z + cornerOffsets[v][1];
            const std::string where = "water quad " + std::to_string(q) + " vertex " + std::to_string(v);
            expectVertex(quads[q][v], transform, {vx, 50.0f, vz, waterSAt(vx, box->clock), waterTAt(vz, box->clock)},
                         where);
            expectColor(quads[q][v], waterColor, where);
        }
        if (HasFailure())
            break;
    }
}

TEST_F(EnvironmentBoxTest, WaterCornersAtClockZero)
{
    lookAtBox(false);
    const GlTransform transform = currentTransform();
    const std::vector<FeedbackQuad> quads = reassembleQuads(captureWater());
    ASSERT_EQ(quads.size(), 400u);

    const ExpectedVertex corners[] = {
        {-100, 50, -100, -6.1875f, -6.25f},
        {100, 50, -100, 6.3125f, -6.25f},
        {100, 50, 100, 6.3125f, 6.25f},
        {-100, 50, 100, -6.1875f, 6.25f},
    };
    for (const ExpectedVertex& corner : corners) {
        int found = 0;
        for (const FeedbackQuad& quad : quads) {
            for (const FeedbackVertex& v : quad) {
                const std::array<double, 3> p = unproject(v, transform);
                if (std::abs(p[0] - corner.x) > 0.5 || std::abs(p[2] - corner.z) > 0.5)
                    continue;
                ++found;
                expectVertex(v, transform, corner,
                             "corner (" + std::to_string(corner.x) + ", " + std::to_string(corner.z) + ")");
            }
        }
        EXPECT_EQ(found, 1) << "corner (" << corner.x << ", " << corner.z << ")";
    }
}

struct WindingCase {
    const char* surface;
    bool fromAbove;
    double visibleQuads;
};

// With back faces culled the floor shows only from above and the water only
// from beneath.
const WindingCase windingCases[] = {
    {"floor", true, 400.0},
    {"floor", false, 0.0},
    {"water", true, 0.0},
    {"water", false, 400.0},
};

TEST_F(EnvironmentBoxTest, EachSurfaceFacesOnlyItsOwnSide)
{
    glEnable(GL_CULL_FACE);
    for (const WindingCase& c : windingCases) {
        lookAtBox(c.fromAbove);
        const bool floor = std::string(c.surface) == "floor";
        const std::vector<FeedbackPolygon> polygons = floor ? captureFloor() : captureWater();
        EXPECT_DOUBLE_EQ(quadCount(polygons), c.visibleQuads)
            << c.surface << " seen from " << (c.fromAbove ? "above" : "below");
    }
}

TEST_F(EnvironmentBoxTest, DrawEnvironmentSendsWaterThenFloorAndLeavesTheFloorState)
{
    environmentBox = box;
    lookAtBox(false);
    glDisable(GL_CULL_FACE);
    const GlTransform transform = currentTransform();
    const std::vector<FeedbackQuad> quads = reassembleQuads(captureFeedback(drawEnvironment));
    ASSERT_EQ(quads.size(), 800u);
    EXPECT_NEAR(unproject(quads.front()[0], transform)[1], 50.0, positionTolerance);
    EXPECT_NEAR(unproject(quads[399][0], transform)[1], 50.0, positionTolerance);
    EXPECT_NEAR(unproject(quads[400][0], transform)[1], -50.0, positionTolerance);
    EXPECT_NEAR(unproject(quads.back()[0], transform)[1], -50.0, positionTolerance);

    EXPECT_EQ(static_cast<unsigned>(getInt(GL_TEXTURE_BINDING_2D)), textures.rockTexture);
    const std::array<float, 4> color = getFloat4(GL_CURRENT_COLOR);
    for (int k = 0; k < 4; ++k)
        EXPECT_FLOAT_EQ(color[k], floorColor[k]);
    const std::array<float, 4> normal = getFloat4(GL_CURRENT_NORMAL);
    EXPECT_FLOAT_EQ(normal[0], 0.0f);
    EXPECT_FLOAT_EQ(normal[1], 1.0f);
    EXPECT_FLOAT_EQ(normal[2], 0.0f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(EnvironmentBoxTest, ReleaseDeletesTheFloorList)
{
    const unsigned list = box->floorList;
    ASSERT_TRUE(glIsList(list));
    releaseEnvironmentBox(box);
    box = nullptr;
    EXPECT_FALSE(glIsList(list));
}

}  // namespace
