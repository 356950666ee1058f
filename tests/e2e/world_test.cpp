// The sea floor, the water surface and the sun in the running program, seen
// through screenshots. The checks hold whether or not the surfaces carry
// their images: they compare against the background colour of the depth,
// against black, and against where the camera must put the sun.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "gl_window.h"
#include "program_fixture.h"
#include "render/depth_lighting.h"

namespace {

constexpr int width = 640;
constexpr int height = 480;
// The depth gauge sits at the right edge; everything left of this is scene,
// but for the corner under the gauge where the depth stands in large figures.
constexpr int sceneRight = 560;
constexpr int readoutLeft = 340;
constexpr int readoutTop = 360;  // rows down from the window's top

bool inScene(int x, int y)
{
    return x < sceneRight && !(x >= readoutLeft && y >= readoutTop);
}

// Far left, a little below the horizon at pitch 0: the line of sight leaves
// the box without meeting floor or water, and no fish stand there.
constexpr int backgroundX = 10;
constexpr int backgroundY = 330;

class WorldOnScreen : public StartedProgramTest {
protected:
    void SetUp() override
    {
        StartedProgramTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(hideHelpPanel(program));
    }

    // Screenshots are kept in the build folder for a person to look at.
    Image shot(const std::string& name)
    {
        settle(0.5);
        return screenshot(program, keptShotPath(name + ".png"));
    }

    void descend(int presses)
    {
        sendKey(program, "Down", presses);
        settle(0.5);
    }

    // Mouse look: press the left button in the middle of the window and move
    // the pointer; the camera turns one degree per pixel (right: yaw up,
    // down: pitch up). Small steps stay below any pointer acceleration.
    void look(int yawDegrees, int pitchDegrees)
    {
        const std::string window = program.windowId;
        runCommand("xdotool windowfocus --sync " + window + " 2>/dev/null");
        runCommand("xdotool mousemove --window " + window + " 320 240");
        settle(0.2);
        runCommand("xdotool mousedown 1");
        settle(0.2);
        const int steps = (std::max(std::abs(yawDegrees), std::abs(pitchDegrees)) + 1) / 2;
        int movedX = 0;
        int movedY = 0;
        for (int i = 1; i <= steps; ++i) {
            const int toX = yawDegrees * i / steps;
            const int toY = pitchDegrees * i / steps;
            runCommand("xdotool mousemove_relative -- " + std::to_string(toX - movedX) + " " +
                       std::to_string(toY - movedY));
            movedX = toX;
            movedY = toY;
            settle(0.03);
        }
        runCommand("xdotool mouseup 1");
        settle(0.3);
    }
};

struct ScreenPoint {
    double x, y;  // pixels from the top-left corner
};

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// Where the frame's camera (eye 5 units behind the focus point, pitch, then
// yaw, 60 degree lens) puts the sun's centre (5, 60, 5) at a depth.
ScreenPoint sunOnScreen(double depth, double pitch, double yaw)
{
    double x = 5.0;
    double y = 60.0 + depth - 50.0;
    double z = 5.0;
    const double cy = std::cos(radians(yaw)), sy = std::sin(radians(yaw));
    const double x1 = x * cy + z * sy;
    const double z1 = -x * sy + z * cy;
    const double cp = std::cos(radians(pitch)), sp = std::sin(radians(pitch));
    const double y2 = y * cp - z1 * sp;
    const double z2 = y * sp + z1 * cp - 5.0;
    const double tanHalf = std::tan(radians(30.0));
    const double aspect = static_cast<double>(width) / height;
    return {width / 2.0 * (1.0 + x1 / -z2 / (tanHalf * aspect)), height / 2.0 * (1.0 - y2 / -z2 / tanHalf)};
}

int brightness(const Rgb& c)
{
    return c.r + c.g + c.b;
}

// The brightest spot of the scene: the centre of the pixels within a little
// of the brightest one.
ScreenPoint brightestSpot(const Image& image)
{
    int brightest = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < sceneRight; ++x)
            if (inScene(x, y))
                brightest = std::max(brightest, brightness(pixelAt(image, x, y)));
    double sumX = 0.0, sumY = 0.0;
    int count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < sceneRight; ++x) {
            if (inScene(x, y) && brightness(pixelAt(image, x, y)) >= brightest - 20) {
                sumX += x;
                sumY += y;
                ++count;
            }
        }
    }
    return {sumX / count, sumY / count};
}

Rgb clearColourAt(float atDepth)
{
    float rgba[4];
    clearColorOf(depthFactors(atDepth), rgba);
    return {toByte(rgba[0]), toByte(rgba[1]), toByte(rgba[2])};
}

void expectBackground(const Image& image, float atDepth, const std::string& what)
{
    const Rgb expected = clearColourAt(atDepth);
    const Rgb seen = pixelAt(image, backgroundX, backgroundY);
    EXPECT_NEAR(seen.r, expected.r, 2) << what;
    EXPECT_NEAR(seen.g, expected.g, 2) << what;
    EXPECT_NEAR(seen.b, expected.b, 2) << what;
}

// Counts the scene pixels that are not black.
int litPixels(const Image& image)
{
    int lit = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < sceneRight; ++x)
            if (inScene(x, y) && std::max({pixelAt(image, x, y).r, pixelAt(image, x, y).g, pixelAt(image, x, y).b}) > 1)
                ++lit;
    return lit;
}

TEST_F(WorldOnScreen, WaterAndSunShowNearTheSurfaceAndVanishAtTheBottom)
{
    const Image level = shot("world_depth10");
    ASSERT_EQ(level.width, static_cast<unsigned>(width));
    expectBackground(level, 10.0f, "background at depth 10");
    // Overhead, 10 units up, the water surface stands out from the fog.
    const Rgb background = clearColourAt(10.0f);
    int standingOut = 0;
    int band = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < sceneRight; ++x, ++band) {
            const Rgb water = pixelAt(level, x, y);
            if (std::abs(water.r - background.r) + std::abs(water.g - background.g) +
                    std::abs(water.b - background.b) > 30)
                ++standingOut;
        }
    EXPECT_GT(standingOut, band / 10) << "water pixels at the top of the frame that differ from the fog";

    // Looking up: the sun and its glow, bright where the camera puts it.
    look(0, -80);
    const Image up = shot("world_depth10_sun");
    const ScreenPoint sun = sunOnScreen(10.0, -80.0, 0.0);
    const Rgb centre = pixelAt(up, static_cast<int>(sun.x), static_cast<int>(sun.y));
    EXPECT_GE(std::min({centre.r, centre.g, centre.b}), 200)
        << "sun at (" << sun.x << ", " << sun.y << "): " << centre.r << " " << centre.g << " " << centre.b;

    // At the bottom everything is black, and the sun leaves no trace.
    descend(80);
    const Image bottomUp = shot("world_depth90_sun");
    EXPECT_EQ(litPixels(bottomUp), 0) << "looking up at depth 90";
    look(0, 80);
    const Image bottom = shot("world_depth90");
    EXPECT_EQ(litPixels(bottom), 0) << "looking ahead at depth 90";
}

TEST_F(WorldOnScreen, SunMovesAcrossTheScreenWithMouseLook)
{
    descend(40);
    const Image level = shot("world_depth50");
    expectBackground(level, 50.0f, "background at depth 50");

    look(0, -70);
    const Image first = shot("world_depth50_sun");
    const ScreenPoint firstSpot = brightestSpot(first);
    const ScreenPoint firstSun = sunOnScreen(50.0, -70.0, 0.0);
    EXPECT_NEAR(firstSpot.x, firstSun.x, 12.0);
    EXPECT_NEAR(firstSpot.y, firstSun.y, 12.0);

    look(30, -10);
    const Image second = shot("world_depth50_sun_turned");
    const ScreenPoint secondSpot = brightestSpot(second);
    const ScreenPoint secondSun = sunOnScreen(50.0, -80.0, 30.0);
    EXPECT_NEAR(secondSpot.x, secondSun.x, 12.0);
    EXPECT_NEAR(secondSpot.y, secondSun.y, 12.0);
    EXPECT_GT(std::hypot(secondSpot.x - firstSpot.x, secondSpot.y - firstSpot.y), 40.0)
        << "the sun stayed at (" << firstSpot.x << ", " << firstSpot.y << ")";
}

TEST_F(WorldOnScreen, SeaFloorShowsThroughTheFogBelowTheViewer)
{
    // 30 units above the floor, looking straight down: the floor is darker
    // than the fog colour it fades into.
    descend(60);
    expectBackground(shot("world_depth70"), 70.0f, "background at depth 70");
    look(0, 90);
    const Image down = shot("world_depth70_floor");
    const Rgb fog = clearColourAt(70.0f);
    double green = 0.0, blue = 0.0;
    int count = 0;
    for (int y = 5; y < 25; ++y) {
        for (int x = 5; x < 25; ++x) {
            green += pixelAt(down, x, y).g;
            blue += pixelAt(down, x, y).b;
            ++count;
        }
    }
    EXPECT_LE(green / count, fog.g - 2.0);
    EXPECT_LE(blue / count, fog.b - 2.0);
}

TEST_F(WorldOnScreen, MeasuredWaterFadesIntoItsVeilAndCoastalWaterHidesTheSun)
{
    // Clear ocean at 10 m: the water seen far off, from radiative transfer
    // with the water's own scattering (about (0, 19, 60) in sRGB).
    // The first frame in a water builds its tables, which takes a moment.
    sendKey(program, "F3");
    settle(3.0);
    const Image clear10 = shot("clear_ocean_10m");
    // Looking level, on the middle row; the veil is lighter toward the
    // surface and darker toward the deep.
    const Rgb veil = pixelAt(clear10, backgroundX, height / 2);
    EXPECT_NEAR(veil.r, 0, 4);
    EXPECT_NEAR(veil.g, 19, 4);
    EXPECT_NEAR(veil.b, 60, 4);
    const Rgb above = pixelAt(clear10, backgroundX, 5);
    const Rgb below = pixelAt(clear10, backgroundX, height - 5);
    EXPECT_GE(above.g, below.g + 3) << "the background should be brighter looking up than looking down";

    // At 30 m the surface, 30 m up, fades into the veil channel by channel:
    // down the upper frame no row differs from the next by a step.
    descend(20);
    const Image clear30 = shot("clear_ocean_30m");
    int steepest = 0;
    for (int x : {backgroundX, width / 2, sceneRight - 30})
        for (int y = 1; y < 150; ++y) {
            const Rgb a = pixelAt(clear30, x, y - 1);
            const Rgb b = pixelAt(clear30, x, y);
            steepest = std::max({steepest, std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
        }
    EXPECT_LE(steepest, 3) << "a step between two rows of the upper frame";

    // Green coastal water at 30 m: the sun's beam is gone, so looking up
    // straight up nothing where the sun stands (10 degrees off the middle)
    // outshines the water around it.
    sendKey(program, "F3");
    settle(3.0);
    sendKey(program, "F3");
    settle(3.0);
    look(0, -90);
    const Image coastalUp = shot("coastal_water_30m_up");
    const int cx = width / 2;
    const int cy = height / 2;
    Rgb around{0, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < sceneRight; ++x)
            if (std::hypot(x - cx, y - cy) > 150.0 && std::hypot(x - cx, y - cy) < 170.0) {
                const Rgb p = pixelAt(coastalUp, x, y);
                around = {std::max(around.r, p.r), std::max(around.g, p.g), std::max(around.b, p.b)};
            }
    for (int y = cy - 120; y <= cy + 120; ++y)
        for (int x = cx - 120; x <= cx + 120; ++x) {
            const Rgb p = pixelAt(coastalUp, x, y);
            ASSERT_LE(p.r, around.r + 4) << x << ", " << y;
            ASSERT_LE(p.g, around.g + 4) << x << ", " << y;
            ASSERT_LE(p.b, around.b + 4) << x << ", " << y;
        }
}

}  // namespace
