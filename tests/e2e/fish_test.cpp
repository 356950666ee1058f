#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace {

constexpr double pi = 3.14159265358979323846;

// Pixels of a mouse-look drag: one degree of pitch each, so the three rows,
// which stand one behind the other at eye height, spread apart on screen.
constexpr int dragSteps = 6;
constexpr int dragStepPixels = 5;
constexpr double pitchDegrees = dragSteps * dragStepPixels;

struct Fish {
    const char* skin;
    const char* file;
    double x, z;  // offset from the focus point
};

const Fish fishes[] = {
    {"red", "mackerel_texture_red.png", 1.5, 1},      {"orange", "mackerel_texture_orange.png", -1.5, 1},
    {"yellow", "mackerel_texture_yellow.png", 1.5, 0}, {"green", "mackerel_texture_green.png", -1.5, 0},
    {"natural", "mackerel_texture.png", 1.5, -1},      {"purple", "mackerel_texture_purple.png", -1.5, -1},
};

// Where a point of the fish's middle plane lands in the 640 x 480 window
// (x right, y down), for the camera 5 units from the focus point, turned
// down by the pitch: 60 degree field of view.
struct ScreenPoint {
    int x, y;
};

ScreenPoint project(double x, double z, double pitch)
{
    const double p = pitch * pi / 180.0;
    const double eyeY = -z * std::sin(p);
    const double eyeZ = z * std::cos(p) - 5.0;
    const double t = std::tan(30.0 * pi / 180.0);
    const double ndcX = x / (-eyeZ * t * 640.0 / 480.0);
    const double ndcY = eyeY / (-eyeZ * t);
    return {static_cast<int>(std::lround(320.0 + 320.0 * ndcX)), static_cast<int>(std::lround(240.0 - 240.0 * ndcY))};
}

// A patch of the fish's flank a little ahead of its middle, well inside the
// body outline and clear of the fish in front of it.
std::vector<Rgb> flankPixels(const Image& shot, const Fish& fish)
{
    const ScreenPoint centre = project(fish.x + 0.15, fish.z, pitchDegrees);
    std::vector<Rgb> pixels;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -18; dx <= 18; ++dx)
            pixels.push_back(pixelAt(shot, centre.x + dx, centre.y + dy));
    return pixels;
}

double hueOf(const std::vector<Rgb>& pixels)
{
    double r = 0, g = 0, b = 0;
    for (const Rgb& p : pixels) {
        r += p.r;
        g += p.g;
        b += p.b;
    }
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high == low)
        return 0.0;
    double hue;
    if (high == r)
        hue = 60.0 * std::fmod((g - b) / (high - low), 6.0);
    else if (high == g)
        hue = 60.0 * ((b - r) / (high - low) + 2.0);
    else
        hue = 60.0 * ((r - g) / (high - low) + 4.0);
    return hue < 0.0 ? hue + 360.0 : hue;
}

double hueDistance(double a, double b)
{
    const double d = std::fabs(a - b);
    return std::min(d, 360.0 - d);
}

bool isRedDominant(const Rgb& p) { return p.r > p.g + 40 && p.r > p.b + 40; }

class FishTest : public StartedProgramTest {
protected:
    void SetUp() override
    {
        std::vector<std::string> skins;
        for (const Fish& fish : fishes)
            skins.emplace_back(fish.file);
        ASSERT_TRUE(assetsGenerated(skins));
        StartedProgramTest::SetUp();
    }

    // Holds the left button and moves the pointer down: mouse look tilts the
    // camera by one degree per pixel.
    void tiltCamera()
    {
        runCommand("xdotool mousemove --window " + program.windowId + " 320 240");
        settle(0.2);
        runCommand("xdotool mousedown 1");
        settle(0.2);
        for (int step = 0; step < dragSteps; ++step) {
            runCommand("xdotool mousemove_relative -- 0 " + std::to_string(dragStepPixels));
            settle(0.15);
        }
        runCommand("xdotool mouseup 1");
        settle(0.5);
    }

    std::string shotPath(const std::string& name) const
    {
        return std::string(MARIVANE_BINARY_DIR) + "/tests/" + name;
    }
};

TEST_F(FishTest, SixSkinsShowSixHuesAndRedIsGoneAtDepthFifty)
{
    // The help panel's translucent blue would tint the fish behind it.
    ASSERT_TRUE(hideHelpPanel(program));
    tiltCamera();
    const Image shallow = screenshot(program, shotPath("fish_depth10.png"));
    ASSERT_NE(shallow.pixels, nullptr);

    std::vector<double> hues;
    for (const Fish& fish : fishes) {
        hues.push_back(hueOf(flankPixels(shallow, fish)));
        RecordProperty(std::string(fish.skin) + "_hue", std::to_string(static_cast<int>(hues.back())));
    }
    for (std::size_t a = 0; a < hues.size(); ++a)
        for (std::size_t b = a + 1; b < hues.size(); ++b)
            EXPECT_GE(hueDistance(hues[a], hues[b]), 12.0)
                << fishes[a].skin << " (hue " << hues[a] << ") and " << fishes[b].skin << " (hue " << hues[b]
                << ") look alike";

    // The red fish at depth 10: mostly red.
    const std::vector<Rgb> redShallow = flankPixels(shallow, fishes[0]);
    const auto redCount = std::count_if(redShallow.begin(), redShallow.end(), isRedDominant);
    ASSERT_GT(redCount, static_cast<long>(redShallow.size()) / 2) << "the red fish is not where it should be";

    // Forty steps down: red light is gone 20 units below the start. The fish
    // travel with the camera, so the same pixels still show the red fish.
    sendKey(program, "Down", 40);
    settle(1.0);
    const Image deep = screenshot(program, shotPath("fish_depth50.png"));
    ASSERT_NE(deep.pixels, nullptr);
    const std::vector<Rgb> redDeep = flankPixels(deep, fishes[0]);
    for (std::size_t i = 0; i < redDeep.size(); ++i) {
        if (!isRedDominant(redShallow[i]))
            continue;
        EXPECT_LE(redDeep[i].r, 2) << "pixel " << i << " still shows red";
        EXPECT_LT(redDeep[i].r + redDeep[i].g + redDeep[i].b, redShallow[i].r + redShallow[i].g + redShallow[i].b);
    }
}

double meanRed(const std::vector<Rgb>& pixels)
{
    double sum = 0.0;
    for (const Rgb& p : pixels)
        sum += p.r;
    return sum / static_cast<double>(pixels.size());
}

TEST_F(FishTest, TheTorchBringsBackTheRedFishsRedSixtyMetresDownInClearOcean)
{
    ASSERT_TRUE(hideHelpPanel(program));
    tiltCamera();
    sendKey(program, "F3");
    sendKey(program, "Down", 50);
    settle(1.0);
    const double redOff = meanRed(flankPixels(screenshot(program, shotPath("torch_off_60m.png")), fishes[0]));
    sendKey(program, "F6");
    settle(1.0);
    const double redOn = meanRed(flankPixels(screenshot(program, shotPath("torch_on_60m.png")), fishes[0]));
    EXPECT_GE(redOn, 3.0 * redOff) << "torch off " << redOff << ", on " << redOn;
    EXPECT_GT(redOn, 60.0) << "the torch shows no red";
    sendKey(program, "F6");
    settle(1.0);
    const double redAgain = meanRed(flankPixels(screenshot(program), fishes[0]));
    EXPECT_NEAR(redAgain, redOff, 2.0) << "F6 again did not switch the torch off";
}

// Mean of r + g + b over the scene's middle: left of the gauge, below the
// notice in the top-right corner and above the label under the gauge.
double sceneMean(const Image& shot)
{
    double sum = 0.0;
    int count = 0;
    for (int y = 100; y < 380; y += 2)
        for (int x = 0; x < 560; x += 2) {
            const Rgb p = pixelAt(shot, x, y);
            sum += p.r + p.g + p.b;
            ++count;
        }
    return sum / count;
}

// Left of the gauge, whose arrow is orange.
int redDominantPixels(const Image& shot)
{
    int count = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 560; ++x)
            count += isRedDominant(pixelAt(shot, x, y)) ? 1 : 0;
    return count;
}

// Takes screenshots until `seen` holds of one, for up to ten seconds: a key
// may take a while to reach a program drawing in software on a busy machine.
template <typename Seen>
Image shotWhen(const RunningProgram& program, Seen seen, const std::string& path)
{
    Image shot;
    for (int attempt = 0; attempt < 20; ++attempt) {
        settle(0.5);
        shot = screenshot(program, path);
        if (shot.pixels != nullptr && seen(shot))
            break;
    }
    return shot;
}

TEST_F(FishTest, TheAdaptedEyeBrightensGreenCoastalWaterAtThirtyMetresFourfoldAndF7AgainUndoesIt)
{
    stopProgram(program);
    ASSERT_TRUE(startAndWaitForWindow({}, 20.0, {"--water=coastal", "--depth=30"}));
    ASSERT_TRUE(hideHelpPanel(program));
    // The darkest of a few looks: a help panel still fading out on a slow
    // machine only adds light.
    double dark = sceneMean(screenshot(program, shotPath("eye_unadapted_coastal_30m.png")));
    for (int look = 0; look < 3; ++look) {
        settle(0.5);
        dark = std::min(dark, sceneMean(screenshot(program, shotPath("eye_unadapted_coastal_30m.png"))));
    }
    sendKey(program, "F7");
    const double adapted = sceneMean(shotWhen(
        program, [dark](const Image& shot) { return sceneMean(shot) >= 4.0 * dark; },
        shotPath("eye_adapted_coastal_30m.png")));
    RecordProperty("scene_mean_dark", std::to_string(dark));
    RecordProperty("scene_mean_adapted", std::to_string(adapted));
    EXPECT_GE(adapted, 4.0 * dark) << "dark " << dark << ", adapted " << adapted;
    sendKey(program, "F7");
    const double again = sceneMean(shotWhen(
        program, [dark](const Image& shot) { return std::fabs(sceneMean(shot) - dark) <= 1.0; }, dir + "/again.png"));
    EXPECT_NEAR(again, dark, 1.0) << "F7 again did not undo the adaptation";
}

TEST_F(FishTest, TheSurfaceViewShowsRedFishThatSixtyMetresInClearOceanHasLost)
{
    stopProgram(program);
    ASSERT_TRUE(startAndWaitForWindow({}, 20.0, {"--water=clear", "--depth=60"}));
    ASSERT_TRUE(hideHelpPanel(program));
    const int atDepth = redDominantPixels(screenshot(program, shotPath("surface_view_off_60m.png")));
    sendKey(program, "F8");
    const int beside = redDominantPixels(shotWhen(
        program, [](const Image& shot) { return redDominantPixels(shot) >= 150; },
        shotPath("surface_view_on_60m.png")));
    RecordProperty("red_pixels_at_depth", std::to_string(atDepth));
    RecordProperty("red_pixels_with_surface_view", std::to_string(beside));
    EXPECT_LE(atDepth, 5) << "red left at 60 m";
    EXPECT_GE(beside, 150) << "the surface view shows no red fish";
}

// Summed brightness of a small patch of a fish's side, centred `along` units
// towards the snout from its middle.
double patchLight(const Image& shot, const Fish& fish, double along)
{
    const ScreenPoint centre = project(fish.x + along, fish.z, pitchDegrees);
    double sum = 0.0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -3; dx <= 3; ++dx) {
            const Rgb p = pixelAt(shot, centre.x + dx, centre.y + dy);
            sum += p.r + p.g + p.b;
        }
    return sum;
}

TEST_F(FishTest, TheTorchLightsTheRightFishsHeadAsWellAsItsMiddleThirtyDown)
{
    // The red fish stands farthest out to the right; its snout is the point of
    // the six fish farthest from the beam's axis. A beam cut off short of it
    // leaves the head dark beside a lit body.
    ASSERT_TRUE(hideHelpPanel(program));
    tiltCamera();
    sendKey(program, "Down", 20);
    settle(1.0);
    const Image off = screenshot(program, shotPath("torch_off_30.png"));
    sendKey(program, "F6");
    settle(1.0);
    const Image on = screenshot(program, shotPath("torch_on_30.png"));
    ASSERT_NE(off.pixels, nullptr);
    ASSERT_NE(on.pixels, nullptr);
    const Fish& right = fishes[0];
    constexpr double headAlong = 0.85;  // the gill cover, behind the eye
    const double middle = patchLight(on, right, 0.0) - patchLight(off, right, 0.0);
    const double head = patchLight(on, right, headAlong) - patchLight(off, right, headAlong);
    RecordProperty("torch_middle", std::to_string(middle));
    RecordProperty("torch_head", std::to_string(head));
    ASSERT_GT(middle, 0.0) << "the torch does not reach the fish at all";
    EXPECT_GE(head, 0.5 * middle) << "head " << head << ", middle " << middle;
}

TEST_F(FishTest, InClearOceanTheRedFishIsRedJustBelowTheSurfaceAndNotAtTenMetres)
{
    // The measured waters start just below the surface, where red still
    // reaches the fish; ten metres down it is gone.
    ASSERT_TRUE(hideHelpPanel(program));
    tiltCamera();
    sendKey(program, "F3");
    sendKey(program, "Up", 12);
    settle(1.0);
    const std::vector<Rgb> shallow = flankPixels(screenshot(program, shotPath("clear_ocean_1m.png")), fishes[0]);
    const auto redShallow = std::count_if(shallow.begin(), shallow.end(), isRedDominant);
    EXPECT_GT(redShallow, static_cast<long>(shallow.size()) / 2) << "the red fish is not red at 1 m";
    sendKey(program, "Down", 9);
    settle(1.0);
    const std::vector<Rgb> deep = flankPixels(screenshot(program, shotPath("clear_ocean_10m.png")), fishes[0]);
    EXPECT_EQ(std::count_if(deep.begin(), deep.end(), isRedDominant), 0) << "the red fish is still red at 10 m";
}

}  // namespace
