#include <cmath>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "gl_window.h"
#include "orlin_recording.h"
#include "render/depth_lighting.h"
#include "render/frame.h"
#include "state/program_state.h"

namespace {

TEST(GaugeArrow, LowerEdgeFollowsDepth)
{
    struct Case {
        float depth;
        float offset;  // relative to the scale's origin at y 117
    };
    for (Case c : {Case{10.0f, 235.0f}, Case{50.0f, 118.0f}, Case{90.0f, 1.0f}, Case{30.0f, 176.5f}}) {
        EXPECT_FLOAT_EQ(gaugeArrowOffset(c.depth), c.offset) << c.depth;
    }
    // 2.925 pixels per unit of depth, without a clamp.
    EXPECT_NEAR(gaugeArrowOffset(11.0f) - gaugeArrowOffset(10.0f), -2.925f, 1e-4f);
    EXPECT_LT(gaugeArrowOffset(100.0f), 0.0f);

    // The measured waters' metres: the printed marks stay true from 10 m
    // down, and 1..10 m take the 6 pixels above the 10 mark.
    for (Case c : {Case{1.0f, 241.0f}, Case{5.5f, 238.0f}, Case{10.0f, 235.0f}, Case{50.0f, 118.0f}}) {
        EXPECT_FLOAT_EQ(gaugeArrowOffset(c.depth, measuredDepths), c.offset) << c.depth << " m";
    }
}

class FrameTest : public GlWindowTest {
protected:
    void SetUp() override
    {
        GlWindowTest::SetUp();
        windowWidth = 640;
        windowHeight = 480;
        initGLState();
        static const float c[4] = {0.5f, 0.5f, 0.5f, 1.0f};
        guiContext = new OrlinContext(640, 480, "", c, c, c, c, c, c, c, c, c, false);
        guiContext->resize(640, 480);
        clearOrlinCalls();
    }
    void TearDown() override
    {
        delete guiContext;
        guiContext = nullptr;
        depth = 10.0f;
        cameraPitch = cameraYaw = 0.0f;
        GlWindowTest::TearDown();
    }

    // Where a world point lands in eye space under the current model-view.
    static std::array<double, 3> toEye(const std::array<float, 16>& m, double x, double y, double z)
    {
        return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                m[2] * x + m[6] * y + m[10] * z + m[14]};
    }
};

TEST_F(FrameTest, FirstFrameShowsBackgroundAndWhiteGaugeQuads)
{
    drawFrame();
    struct Probe {
        int x, y;
        bool gauge;
    };
    // Scale x 576..617, y 117..363; arrow x 570..624, y 352..362 at depth 10.
    const Probe probes[] = {
        {100, 100, false}, {5, 5, false},    {635, 475, false}, {596, 240, true}, {577, 118, true},
        {616, 362, true},  {571, 357, true}, {623, 353, true},  {571, 300, false}, {620, 300, false},
        {596, 365, false}, {596, 115, false}, {568, 357, false}, {626, 357, false},
    };
    for (const Probe& p : probes) {
        auto rgba = readPixel(p.x, p.y, false);
        if (p.gauge) {
            EXPECT_EQ(rgba[0], 255) << p.x << "," << p.y;
            EXPECT_EQ(rgba[1], 255) << p.x << "," << p.y;
            EXPECT_EQ(rgba[2], 255) << p.x << "," << p.y;
        } else {
            EXPECT_NEAR(rgba[0], toByte(0.2f), 1) << p.x << "," << p.y;
            EXPECT_NEAR(rgba[1], toByte(0.5f), 1) << p.x << "," << p.y;
            EXPECT_NEAR(rgba[2], toByte(0.6f), 1) << p.x << "," << p.y;
        }
    }
}

TEST_F(FrameTest, ArrowMovesWithDepthAndBackgroundDarkens)
{
    depth = 50.0f;
    drawFrame();
    // Lower edge at 117 + 118 = 235.
    EXPECT_EQ(readPixel(571, 240)[0], 255);
    EXPECT_NE(readPixel(571, 232)[0], 255);
    EXPECT_NE(readPixel(571, 357)[0], 255);
    auto background = readPixel(100, 100);
    EXPECT_NEAR(background[0], 0, 1);
    EXPECT_NEAR(background[1], toByte(0.25f), 1);
    EXPECT_NEAR(background[2], toByte(0.3f), 1);
}

TEST_F(FrameTest, OverlayCallsComeLastInOrder)
{
    drawFrame();
    std::vector<OrlinCall> expected = {{"resetView", {}}, {"draw", {}}};
    EXPECT_EQ(orlinCalls(), expected);
}

TEST_F(FrameTest, FrameEndsWithTheDocumentedState)
{
    drawFrame();
    EXPECT_FALSE(isEnabled(GL_LIGHTING));
    EXPECT_FALSE(isEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(isEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(isEnabled(GL_FOG));
    EXPECT_TRUE(isEnabled(GL_BLEND));
    EXPECT_EQ(getInt(GL_MODELVIEW_STACK_DEPTH), 1);
}

TEST_F(FrameTest, FocusPointStaysFiveUnitsAheadWhateverTheCamera)
{
    const float pitches[] = {0.0f, 30.0f, -75.0f, 400.0f};
    const float yaws[] = {0.0f, 90.0f, -135.0f};
    const float depths[] = {10.0f, 50.0f, 90.0f};
    for (float pitch : pitches)
        for (float yaw : yaws)
            for (float d : depths) {
                cameraPitch = pitch;
                cameraYaw = yaw;
                depth = d;
                setUpCamera();
                auto eye = toEye(getMatrix(GL_MODELVIEW_MATRIX), 0.0, 50.0 - d, 0.0);
                EXPECT_NEAR(eye[0], 0.0, 1e-4);
                EXPECT_NEAR(eye[1], 0.0, 1e-4);
                EXPECT_NEAR(eye[2], -5.0, 1e-4);
            }
}

TEST_F(FrameTest, CameraAtRestLooksDownMinusZ)
{
    setUpCamera();
    auto m = getMatrix(GL_MODELVIEW_MATRIX);
    // The row of fish at z = 1 is 4 units ahead, the row at z = -1 six.
    EXPECT_NEAR(toEye(m, 1.5, 40.0, 1.0)[2], -4.0, 1e-5);
    EXPECT_NEAR(toEye(m, -1.5, 40.0, -1.0)[2], -6.0, 1e-5);
    EXPECT_EQ(getInt(GL_MATRIX_MODE), GL_MODELVIEW);
}

TEST_F(FrameTest, ProjectionFollowsTheWindowsAspect)
{
    struct Case {
        int width, height;
        double aspect;
    };
    // A window without height keeps the aspect it had before.
    for (Case c : {Case{640, 480, 4.0 / 3.0}, Case{800, 600, 4.0 / 3.0}, Case{1000, 500, 2.0}, Case{1000, 0, 2.0}}) {
        windowWidth = c.width;
        windowHeight = c.height;
        setUpCamera();
        auto p = getMatrix(GL_PROJECTION_MATRIX);
        const double f = 1.0 / std::tan(30.0 * M_PI / 180.0);  // 60 degrees vertical
        EXPECT_NEAR(p[5], f, 1e-5);
        EXPECT_NEAR(p[5] / p[0], c.aspect, 1e-5);
        // Near plane 0.5, far plane 200.
        EXPECT_NEAR(p[10], -(200.0 + 0.5) / (200.0 - 0.5), 1e-5);
        EXPECT_NEAR(p[14], -2.0 * 200.0 * 0.5 / (200.0 - 0.5), 1e-5);
    }
}

}  // namespace
