#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include "assets/texture_set.h"
#include "gl_feedback.h"
#include "gl_window.h"
#include "render/depth_lighting.h"
#include "render/sun.h"
#include "state/program_state.h"

namespace {

struct AlphaCase {
    float depth;
    float inner;
    float outer;
};

// Linear fade from the surface end to nothing at the sea-floor end.
const AlphaCase alphaCases[] = {
    {10.0f, 0.8f, 0.5f},
    {50.0f, 0.4f, 0.25f},
    {90.0f, 0.0f, 0.0f},
};

TEST(SunAlphas, FadeLinearlyWithDepth)
{
    for (const AlphaCase& c : alphaCases) {
        const SunAlphas a = sunAlphas(c.depth);
        EXPECT_FLOAT_EQ(a.inner, c.inner) << "depth " << c.depth;
        EXPECT_FLOAT_EQ(a.outer, c.outer) << "depth " << c.depth;
    }
}

struct CameraCase {
    float depth;
    float pitch;
    float yaw;
};

// Each looks up far enough that both squares lie wholly in view.
const CameraCase cameraCases[] = {
    {10.0f, -90.0f, 0.0f},
    {10.0f, -80.0f, 30.0f},
    {10.0f, -100.0f, -45.0f},
    {50.0f, -70.0f, 170.0f},
    {90.0f, -85.0f, 95.0f},
};

// The frame's state at the call: fixed state, then the camera of the frame
// (with a wide lens so the glow fits), depth test, lighting and texturing on.
class SunTest : public GlWindowTest {
protected:
    void SetUp() override
    {
        GlWindowTest::SetUp();
        if (HasFatalFailure())
            return;
        initGLState();
        glGenTextures(1, &textures.sunTexture);
        sunPosition = new float[3]{initialSunPosition[0], initialSunPosition[1], initialSunPosition[2]};
    }

    void TearDown() override
    {
        delete[] sunPosition;
        sunPosition = nullptr;
        textures = TextureSet{};
        depth = 10.0f;
        GlWindowTest::TearDown();
    }

    static void placeCamera(const CameraCase& c)
    {
        depth = c.depth;
        applyDepthLighting();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(120.0, 640.0 / 480.0, 0.5, 200.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0.0f, 0.0f, -5.0f);
        glRotatef(c.pitch, 1.0f, 0.0f, 0.0f);
        glRotatef(c.yaw, 0.0f, 1.0f, 0.0f);
        glTranslatef(0.0f, depth - 50.0f, 0.0f);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glEnable(GL_TEXTURE_2D);
    }
};

std::string describe(const CameraCase& c)
{
    return "depth " + std::to_string(c.depth) + " pitch " + std::to_string(c.pitch) + " yaw " +
           std::to_string(c.yaw);
}

struct StateProbe {
    const char* name;
    std::function<std::vector<float>()> read;
};

std::vector<float> enabled(GLenum cap)
{
    return {isEnabled(cap) ? 1.0f : 0.0f};
}

std::vector<float> integer(GLenum pname)
{
    return {static_cast<float>(getInt(pname))};
}

std::vector<float> matrix(GLenum pname)
{
    const std::array<float, 16> m = getMatrix(pname);
    return {m.begin(), m.end()};
}

const StateProbe stateProbes[] = {
    {"fog", [] { return enabled(GL_FOG); }},
    {"lighting", [] { return enabled(GL_LIGHTING); }},
    {"depth test", [] { return enabled(GL_DEPTH_TEST); }},
    {"blending", [] { return enabled(GL_BLEND); }},
    {"blend source", [] { return integer(GL_BLEND_SRC); }},
    {"blend destination", [] { return integer(GL_BLEND_DST); }},
    {"matrix mode", [] { return integer(GL_MATRIX_MODE); }},
    {"model-view matrix", [] { return matrix(GL_MODELVIEW_MATRIX); }},
    {"model-view stack depth", [] { return integer(GL_MODELVIEW_STACK_DEPTH); }},
    {"projection matrix", [] { return matrix(GL_PROJECTION_MATRIX); }},
};

TEST_F(SunTest, LeavesTheCallersStateAsItFoundIt)
{
    for (const CameraCase& c : cameraCases) {
        placeCamera(c);
        std::vector<std::vector<float>> before;
        for (const StateProbe& probe : stateProbes)
            before.push_back(probe.read());
        drawSun();
        for (std::size_t i = 0; i < std::size(stateProbes); ++i)
            EXPECT_EQ(stateProbes[i].read(), before[i]) << stateProbes[i].name << " at " << describe(c);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << describe(c);
    }
}

TEST_F(SunTest, LeavesTheSunTextureBoundAndTheGlowColourCurrent)
{
    placeCamera(cameraCases[3]);
    drawSun();
    EXPECT_EQ(static_cast<unsigned>(getInt(GL_TEXTURE_BINDING_2D)), textures.sunTexture);
    const std::array<float, 4> color = getFloat4(GL_CURRENT_COLOR);
    EXPECT_FLOAT_EQ(color[0], 1.0f);
    EXPECT_FLOAT_EQ(color[3], sunAlphas(depth).outer);
}

// Corners of a square of half-size `half` around the sun's eye position, in
// drawing order, with their texture coordinates.
struct Corner {
    float dx, dy;
    float s, t;
};
const Corner squareCorners[4] = {{-1, -1, 0, 0}, {1, -1, 1, 0}, {1, 1, 1, 1}, {-1, 1, 0, 1}};

TEST_F(SunTest, SquaresFaceTheViewerAtTheirFullSize)
{
    for (const CameraCase& c : cameraCases) {
        placeCamera(c);
        // Where the camera puts the sun, and the projection alone to read the
        // emitted corners back in eye space.
        const std::array<float, 16> m = getMatrix(GL_MODELVIEW_MATRIX);
        const float* p = sunPosition;
        const double sunEye[3] = {
            m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12],
            m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13],
            m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14],
        };
        GlTransform eyeSpace = currentTransform();
        eyeSpace.modelview = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

        const std::vector<FeedbackQuad> quads = reassembleQuads(captureFeedback(drawSun));
        ASSERT_EQ(quads.size(), 2u) << describe(c);
        const SunAlphas alphas = sunAlphas(c.depth);
        const float halves[2] = {5.0f, 25.0f};
        const float quadAlpha[2] = {alphas.inner, alphas.outer};
        const double tolerance = 1e-3 * std::abs(sunEye[2]);
        for (int q = 0; q < 2; ++q) {
            for (int v = 0; v < 4; ++v) {
                const std::string where = describe(c) + " square " + std::to_string(q) + " corner " +
                                          std::to_string(v);
                const std::array<double, 3> e = unproject(quads[q][v], eyeSpace);
                EXPECT_NEAR(e[0], sunEye[0] + squareCorners[v].dx * halves[q], tolerance) << where;
                EXPECT_NEAR(e[1], sunEye[1] + squareCorners[v].dy * halves[q], tolerance) << where;
                EXPECT_NEAR(e[2], sunEye[2], tolerance) << where;
                EXPECT_FLOAT_EQ(quads[q][v].texture[0], squareCorners[v].s) << where;
                EXPECT_FLOAT_EQ(quads[q][v].texture[1], squareCorners[v].t) << where;
                // Unlit: the colour arrives as set, white with the fade alpha.
                EXPECT_FLOAT_EQ(quads[q][v].color[0], 1.0f) << where;
                EXPECT_FLOAT_EQ(quads[q][v].color[1], 1.0f) << where;
                EXPECT_FLOAT_EQ(quads[q][v].color[2], 1.0f) << where;
                EXPECT_NEAR(quads[q][v].color[3], quadAlpha[q], 1e-6) << where;
            }
        }
    }
}

TEST_F(SunTest, ShinesUnfoggedThroughNearerGeometryWithoutMarkingDepth)
{
    placeCamera(cameraCases[0]);
    // A depth buffer as if something lay right in front of the eye everywhere.
    glClearDepth(0.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);

    const GlTransform t = currentTransform();
    std::array<double, 3> window{};
    gluProject(sunPosition[0], sunPosition[1], sunPosition[2], t.modelview.data(), t.projection.data(),
               t.viewport.data(), &window[0], &window[1], &window[2]);
    const int x = static_cast<int>(window[0]);
    const int y = static_cast<int>(window[1]);
    drawSun();

    // Fogged 25 units away the disc would take on much of the blue-green
    // fog colour; unfogged, disc plus glow saturate.
    const std::array<unsigned char, 4> centre = readPixel(x, y);
    EXPECT_GE(centre[0], 250) << "red at the sun's centre";
    EXPECT_GE(centre[1], 250) << "green at the sun's centre";
    float depthThere = -1.0f;
    glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depthThere);
    EXPECT_EQ(depthThere, 0.0f);
}

}  // namespace
