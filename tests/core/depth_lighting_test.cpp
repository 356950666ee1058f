#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdlib>
#include <gtest/gtest.h>

#include "gl_window.h"
#include "render/depth_lighting.h"
#include "state/program_state.h"

namespace {

struct DepthColourCase {
    float depth;
    float clear[3];
    float diffuse[3];
    float specular[3];
    float ambient[3];
};

// Red is gone 20 units down; green and blue reach black at 90; depths outside
// 10..90 clamp to the colours of the nearer end.
const DepthColourCase depthColourCases[] = {
    {10.0f, {0.2f, 0.5f, 0.6f}, {0.4f, 0.4f, 0.4f}, {1.0f, 1.0f, 1.0f}, {0.6f, 0.6f, 0.6f}},
    {20.0f, {0.1f, 0.4375f, 0.525f}, {0.2f, 0.35f, 0.35f}, {0.5f, 0.875f, 0.875f}, {0.3f, 0.525f, 0.525f}},
    {30.0f, {0.0f, 0.375f, 0.45f}, {0.0f, 0.3f, 0.3f}, {0.0f, 0.75f, 0.75f}, {0.0f, 0.45f, 0.45f}},
    {50.0f, {0.0f, 0.25f, 0.3f}, {0.0f, 0.2f, 0.2f}, {0.0f, 0.5f, 0.5f}, {0.0f, 0.3f, 0.3f}},
    {90.0f, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}},
    {-40.0f, {0.2f, 0.5f, 0.6f}, {0.4f, 0.4f, 0.4f}, {1.0f, 1.0f, 1.0f}, {0.6f, 0.6f, 0.6f}},
    {5.0f, {0.2f, 0.5f, 0.6f}, {0.4f, 0.4f, 0.4f}, {1.0f, 1.0f, 1.0f}, {0.6f, 0.6f, 0.6f}},
    {91.0f, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}},
    {500.0f, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f}},
};

void expectRgba(const float* actual, const float* expectedRgb, const char* what, float atDepth)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(actual[i], expectedRgb[i], 1e-6f) << what << " channel " << i << " at depth " << atDepth;
    EXPECT_EQ(actual[3], 1.0f) << what << " alpha at depth " << atDepth;
}

class DepthLightingTest : public GlWindowTest {
protected:
    void TearDown() override
    {
        depth = 10.0f;
        colourModel = 0;
        GlWindowTest::TearDown();
    }
};

TEST(DepthColourModel, ClearColourFollowsTheTableAtEveryDepth)
{
    for (const DepthColourCase& c : depthColourCases) {
        float clear[4];
        clearColorOf(depthFactors(c.depth), clear);
        expectRgba(clear, c.clear, "clear", c.depth);
    }
}

TEST(DepthColourModel, FactorsStayWithinUnitRange)
{
    for (float d = -100.0f; d <= 200.0f; d += 0.5f) {
        DepthFactors f = depthFactors(d);
        for (float v : {f.red, f.green, f.blue}) {
            EXPECT_GE(v, 0.0f) << d;
            EXPECT_LE(v, 1.0f) << d;
        }
        EXPECT_EQ(f.green, f.blue);
    }
}

TEST_F(DepthLightingTest, AppliesEveryColourToGl)
{
    initGLState();
    for (const DepthColourCase& c : depthColourCases) {
        depth = c.depth;
        applyDepthLighting();
        SCOPED_TRACE(c.depth);
        expectRgba(getFloat4(GL_COLOR_CLEAR_VALUE).data(), c.clear, "GL clear", c.depth);
        expectRgba(getFloat4(GL_FOG_COLOR).data(), c.clear, "GL fog", c.depth);
        std::array<float, 4> v{};
        glGetLightfv(GL_LIGHT0, GL_DIFFUSE, v.data());
        expectRgba(v.data(), c.diffuse, "GL diffuse", c.depth);
        glGetLightfv(GL_LIGHT0, GL_SPECULAR, v.data());
        expectRgba(v.data(), c.specular, "GL specular", c.depth);
        expectRgba(getFloat4(GL_LIGHT_MODEL_AMBIENT).data(), c.ambient, "GL ambient", c.depth);
        expectRgba(lightDiffuse, c.diffuse, "lightDiffuse", c.depth);
        expectRgba(lightSpecular, c.specular, "lightSpecular", c.depth);
        expectRgba(ambientLight, c.ambient, "ambientLight", c.depth);
    }
}

TEST_F(DepthLightingTest, InitialStateIsTheFixedState)
{
    initGLState();
    EXPECT_EQ(getInt(GL_PACK_ALIGNMENT), 1);
    EXPECT_EQ(getInt(GL_UNPACK_ALIGNMENT), 1);
    EXPECT_TRUE(isEnabled(GL_BLEND));
    EXPECT_EQ(getInt(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(getInt(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(getInt(GL_SHADE_MODEL), GL_SMOOTH);
    EXPECT_TRUE(isEnabled(GL_CULL_FACE));
    EXPECT_EQ(getInt(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_EQ(getInt(GL_FRONT_FACE), GL_CCW);
    GLint polygonMode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, polygonMode);
    EXPECT_EQ(polygonMode[0], GL_FILL);
    EXPECT_EQ(polygonMode[1], GL_FILL);
    EXPECT_TRUE(isEnabled(GL_LINE_SMOOTH));
    EXPECT_TRUE(isEnabled(GL_POINT_SMOOTH));
    EXPECT_TRUE(isEnabled(GL_COLOR_MATERIAL));
    EXPECT_EQ(getInt(GL_COLOR_MATERIAL_PARAMETER), GL_AMBIENT_AND_DIFFUSE);
    EXPECT_TRUE(isEnabled(GL_LIGHT0));
    EXPECT_TRUE(isEnabled(GL_FOG));
    EXPECT_EQ(getInt(GL_FOG_MODE), GL_EXP);
    float density = 0.0f;
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_FLOAT_EQ(density, 0.05f);
    const float base[3] = {0.2f, 0.5f, 0.6f};
    expectRgba(getFloat4(GL_COLOR_CLEAR_VALUE).data(), base, "clear", 10.0f);
    expectRgba(getFloat4(GL_FOG_COLOR).data(), base, "fog", 10.0f);
    std::array<float, 4> v{};
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, v.data());
    EXPECT_EQ(v, (std::array<float, 4>{0, 0, 0, 1}));
    // Specular starts from the diffuse colour.
    glGetLightfv(GL_LIGHT0, GL_SPECULAR, v.data());
    EXPECT_EQ(v, (std::array<float, 4>{0.4f, 0.4f, 0.4f, 1}));
    // The frame switches these on and off itself.
    EXPECT_FALSE(isEnabled(GL_LIGHTING));
    EXPECT_FALSE(isEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(isEnabled(GL_TEXTURE_2D));
}

// A grey square straight ahead at an eye distance, drawn under the frame's
// projection with the fog in force; the pixel at its centre.
std::array<unsigned char, 4> greyAtDistance(float distance)
{
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 1.0, 0.5, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glColor4f(0.6f, 0.6f, 0.6f, 1.0f);
    glBegin(GL_QUADS);
    glVertex3f(-distance, -distance, -distance);
    glVertex3f(distance, -distance, -distance);
    glVertex3f(distance, distance, -distance);
    glVertex3f(-distance, distance, -distance);
    glEnd();
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return readPixel(viewport[2] / 2, viewport[3] / 2);
}

int distanceTo(const std::array<unsigned char, 4>& pixel, const std::array<float, 4>& colour)
{
    int sum = 0;
    for (int c = 0; c < 3; ++c)
        sum += std::abs(pixel[static_cast<std::size_t>(c)] - toByte(colour[static_cast<std::size_t>(c)]));
    return sum;
}

TEST_F(DepthLightingTest, CoastalWaterVeilsFarThingsInItsOwnColourAndTheSimpleRuleKeepsItsFog)
{
    initGLState();
    colourModel = 3;  // green coastal water
    depth = 10.0f;
    applyDepthLighting();
    const std::array<float, 4> background = getFloat4(GL_COLOR_CLEAR_VALUE);
    EXPECT_EQ(getFloat4(GL_FOG_COLOR), background);
    const int nearGap = distanceTo(greyAtDistance(2.0f), background);
    const int farGap = distanceTo(greyAtDistance(40.0f), background);
    EXPECT_LT(farGap, nearGap / 4) << "near " << nearGap << ", far " << farGap;

    colourModel = 0;
    applyDepthLighting();
    float density = 0.0f;
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_FLOAT_EQ(density, 0.05f);
}

}  // namespace
