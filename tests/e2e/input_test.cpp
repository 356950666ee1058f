#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "program_fixture.h"
#include "optics/water_view.h"
#include "render/depth_lighting.h"

namespace {

// The gauge arrow: 54 x 10 pixels from x 570; its lower edge is 352 pixels
// above the window's bottom at depth 10 and 235 at depth 50. Screenshot rows
// count from the top of the 480-row window.
constexpr int arrowLeft = 570;
constexpr int arrowWidth = 54;
constexpr int arrowHeight = 10;
constexpr int windowRows = 480;
constexpr int arrowTopRowAtDepth10 = windowRows - (352 + arrowHeight);
constexpr int arrowTopRowAtDepth50 = windowRows - (235 + arrowHeight);

// The arrow's own pixels are orange-yellow; nothing behind it is, neither the
// water nor a fish at any depth of the simple rule.
bool isArrowPixel(Rgb p)
{
    return p.r > 180 && p.g > 100 && p.b < 90;
}

// Sum of channel differences between the arrow's pixels in the arrow-sized
// patch of `a` with top row `rowA` and the same places of `b`'s patch with top
// row `rowB`. Only the arrow's pixels count: what shows between them is the
// scene behind, which a fish's snout can fill at one depth and not another.
long patchDifference(const Image& a, int rowA, const Image& b, int rowB)
{
    long sum = 0;
    for (int dy = 0; dy < arrowHeight; ++dy) {
        for (int dx = 0; dx < arrowWidth; ++dx) {
            Rgb p = pixelAt(a, arrowLeft + dx, rowA + dy);
            if (!isArrowPixel(p))
                continue;
            Rgb q = pixelAt(b, arrowLeft + dx, rowB + dy);
            sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
        }
    }
    return sum;
}

// The row of `shot` where the arrow cut from `reference` at `referenceRow`
// fits best, over the whole height of the gauge. What lies behind the arrow
// changes with depth; the arrow itself does not.
int bestArrowRow(const Image& reference, int referenceRow, const Image& shot)
{
    int best = -1;
    long bestDifference = std::numeric_limits<long>::max();
    for (int row = 100; row <= 380; ++row) {
        long difference = patchDifference(reference, referenceRow, shot, row);
        if (difference < bestDifference) {
            bestDifference = difference;
            best = row;
        }
    }
    return best;
}

// The most frequent colour left of the gauge: the background, since
// everything far away fades into it and nothing near covers most of the view.
Rgb commonestColour(const Image& shot)
{
    std::map<std::tuple<int, int, int>, int> counts;
    for (int y = 0; y < windowRows; y += 2)
        for (int x = 0; x < arrowLeft - 10; x += 2) {
            Rgb p = pixelAt(shot, x, y);
            ++counts[{p.r, p.g, p.b}];
        }
    auto commonest = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second > commonest->second)
            commonest = it;
    auto [r, g, b] = commonest->first;
    return {r, g, b};
}

void expectColourNear(Rgb actual, Rgb expected, const char* what)
{
    EXPECT_NEAR(actual.r, expected.r, 2) << what;
    EXPECT_NEAR(actual.g, expected.g, 2) << what;
    EXPECT_NEAR(actual.b, expected.b, 2) << what;
}

using InputEndToEndTest = StartedProgramTest;

TEST_F(InputEndToEndTest, FortyStepsDownMoveTheGaugeAndDarkenTheWater)
{
    Image atDepth10 = screenshot(program, dir + "/depth10.png");
    ASSERT_EQ(atDepth10.width, 640u);
    ASSERT_EQ(atDepth10.height, 480u);
    // The clear colour at depth 10 is (0.2, 0.5, 0.6).
    expectColourNear(commonestColour(atDepth10), {51, 128, 153}, "background at depth 10");

    sendKey(program, "Down", 40);
    settle(1.0);
    // Kept in the build folder for a look by eye.
    Image atDepth50 = screenshot(program, keptShotPath("input_depth50.png"));
    ASSERT_EQ(atDepth50.width, 640u);
    ASSERT_TRUE(isRunning(program));

    // (0, 0.25, 0.3) at depth 50.
    expectColourNear(commonestColour(atDepth50), {0, 64, 77}, "background at depth 50");

    EXPECT_EQ(bestArrowRow(atDepth10, arrowTopRowAtDepth10, atDepth50), arrowTopRowAtDepth50);
    EXPECT_EQ(bestArrowRow(atDepth50, arrowTopRowAtDepth50, atDepth10), arrowTopRowAtDepth10);

    // 0 takes the viewer back to the surface end, 5 straight down to 50.
    sendKey(program, "0");
    settle(1.0);
    const Image backUp = screenshot(program, dir + "/key0.png");
    expectColourNear(commonestColour(backUp), {51, 128, 153}, "background after 0");
    EXPECT_EQ(bestArrowRow(atDepth10, arrowTopRowAtDepth10, backUp), arrowTopRowAtDepth10);
    sendKey(program, "5");
    settle(1.0);
    const Image key5 = screenshot(program, dir + "/key5.png");
    expectColourNear(commonestColour(key5), {0, 64, 77}, "background after 5");
    EXPECT_EQ(bestArrowRow(atDepth10, arrowTopRowAtDepth10, key5), arrowTopRowAtDepth50);
}

// A measured water's background: the water's own light, the veil, in
// linear sRGB, shown through the sRGB curve written out here.
Rgb measuredClearColourBytes(int waterType, float atDepth)
{
    const LinearRgb veil = waterView(waterType, atDepth).veil;
    const double linear[3] = {veil.r, veil.g, veil.b};
    int bytes[3];
    for (int c = 0; c < 3; ++c) {
        const double shown =
            linear[c] <= 0.0031308 ? 12.92 * linear[c] : 1.055 * std::pow(linear[c], 1.0 / 2.4) - 0.055;
        bytes[c] = static_cast<int>(std::lround(shown * 255.0));
    }
    return {bytes[0], bytes[1], bytes[2]};
}

TEST_F(InputEndToEndTest, F3CyclesTheWaterAndF4ShowsAndHidesTheChart)
{
    sendKey(program, "F3");
    settle(1.0);
    const Rgb clearOcean = measuredClearColourBytes(0, 10.0f);
    ASSERT_LT(clearOcean.r, 40) << "clear ocean at 10 m should have lost most of its red";
    // Looking level, on the middle row at the left edge: the measured waters'
    // background changes with the direction of view.
    expectColourNear(pixelAt(screenshot(program, dir + "/clear_ocean.png"), 10, 240), clearOcean,
                     "background in clear ocean at depth 10, looking level");

    // Three changes of water take a slow (sanitizer) build a few frames each.
    sendKey(program, "F3", 3);
    const Rgb simpleRule{51, 128, 153};
    Rgb back{};
    for (int attempt = 0; attempt < 20; ++attempt) {
        settle(0.5);
        back = commonestColour(screenshot(program, dir + "/simple_again.png"));
        if (std::abs(back.r - simpleRule.r) <= 2 && std::abs(back.g - simpleRule.g) <= 2 &&
            std::abs(back.b - simpleRule.b) <= 2)
            break;
    }
    expectColourNear(back, simpleRule, "background back under the simple rule");

    // The chart takes the bottom-left corner, below the fish. The help panel
    // goes first: its rows reach down into that corner.
    ASSERT_TRUE(hideHelpPanel(program));
    const ShotRegion chartCorner{0, 300, 420, 480};
    EXPECT_LE(overlayTextPixels(screenshot(program), chartCorner), helpHiddenTextPixels);
    sendKey(program, "F4");
    settle(1.0);
    EXPECT_GE(overlayTextPixels(screenshot(program, dir + "/chart.png"), chartCorner), 100) << "no chart after F4";
    sendKey(program, "F4");
    settle(1.0);
    EXPECT_LE(overlayTextPixels(screenshot(program), chartCorner), helpHiddenTextPixels) << "F4 did not hide it";
}

// The mean row of the arrow's amber left pointer, which stands left of the
// scale; -1 when it is not there. A dive leaves the arrow between whole
// pixels, so it is found by its colour rather than by matching.
double amberArrowRow(const Image& shot, int left = arrowLeft)
{
    long rows = 0;
    int count = 0;
    for (int y = 0; y < static_cast<int>(shot.height); ++y)
        for (int x = left; x < left + 6; ++x) {
            const Rgb p = pixelAt(shot, x, y);
            if (p.r > 150 && p.g > 90 && p.b < 80 && p.r > p.b + 100) {
                rows += y;
                ++count;
            }
        }
    return count > 0 ? static_cast<double>(rows) / count : -1.0;
}

TEST_F(InputEndToEndTest, F5DivesBySelfAndAnArrowKeyStopsIt)
{
    const double startRow = amberArrowRow(screenshot(program, dir + "/before_dive.png"));
    ASSERT_GT(startRow, 0.0);
    // The quickest pace, six steps up from a diver's 18 a minute.
    sendKey(program, "KP_Add", 6);
    sendKey(program, "F5");
    settle(2.0);
    // At 8 units a second, 2.925 rows a unit, the arrow is well down by now.
    const double divingRow = amberArrowRow(screenshot(program, dir + "/diving.png"));
    EXPECT_GT(divingRow, startRow + 15.0) << "the dive did not move the gauge";

    sendKey(program, "Up");
    settle(1.0);
    const double stoppedRow = amberArrowRow(screenshot(program, dir + "/stopped.png"));
    settle(1.5);
    const double laterRow = amberArrowRow(screenshot(program, dir + "/later.png"));
    EXPECT_GT(stoppedRow, divingRow - 5.0) << "the arrow key did not stop the dive where it was";
    EXPECT_NEAR(laterRow, stoppedRow, 0.5) << "still diving after the arrow key";
}

TEST_F(InputEndToEndTest, ControlQEndsTheProgramWithStatusZero)
{
    sendKey(program, "ctrl+q");
    EXPECT_EQ(waitForExit(program, 10.0), 0) << readFile(program.stderrPath);
}

TEST_F(InputEndToEndTest, ControlShiftQDoesNotQuit)
{
    sendKey(program, "ctrl+shift+q");
    settle(1.0);
    EXPECT_TRUE(isRunning(program));
    // Still listening: the plain combination still ends it.
    sendKey(program, "ctrl+q");
    EXPECT_EQ(waitForExit(program, 10.0), 0) << readFile(program.stderrPath);
}

// Two numbers a command prints, such as xdotool's sizes; false when it printed none.
bool readSize(const std::string& command, int& width, int& height)
{
    std::string output;
    runCommand(command, &output);
    const std::size_t digits = output.find_first_of("0123456789");
    return digits != std::string::npos && std::sscanf(output.c_str() + digits, "%d%*[ x]%d", &width, &height) == 2;
}

TEST_F(InputEndToEndTest, F11FillsTheScreenWithTheGaugeAtItsRightEdgeAndF11OrEscapeComesBack)
{
    int screenWidth = 0;
    int screenHeight = 0;
    ASSERT_TRUE(readSize("xdotool getdisplaygeometry", screenWidth, screenHeight));
    const std::string windowSize = "xdotool getwindowgeometry " + program.windowId + " | grep Geometry";

    // The window's size once a key has had time to act.
    auto sizeAfter = [&](const char* key, double seconds) {
        sendKey(program, key);
        settle(seconds);
        int width = 0;
        int height = 0;
        EXPECT_TRUE(readSize(windowSize, width, height));
        return std::to_string(width) + "x" + std::to_string(height);
    };
    const std::string screen = std::to_string(screenWidth) + "x" + std::to_string(screenHeight);

    EXPECT_EQ(sizeAfter("F11", 1.5), screen);
    // SDL 1.2 may show full screen in a window of its own: read the screen.
    runCommand("import -window root PNG24:" + dir + "/full_screen.png 2>/dev/null");
    const Image full = loadPng(dir + "/full_screen.png");
    ASSERT_EQ(static_cast<int>(full.width), screenWidth);
    // The gauge grows with the screen's height in half steps; the arrow's left
    // pointer stands 70 of its pixels from the right edge, at depth 10.
    const double scale = std::max(1.0, std::floor(2.0 * screenHeight / 480.0) / 2.0);
    EXPECT_GT(amberArrowRow(full, screenWidth - static_cast<int>(68 * scale)), 0.0) << "no gauge at the right edge";

    EXPECT_EQ(sizeAfter("F11", 1.5), "640x480");
    EXPECT_NEAR(amberArrowRow(screenshot(program, dir + "/windowed_again.png")), arrowTopRowAtDepth10 + 4.5, 3.0);
    EXPECT_TRUE(isRunning(program));

    // Escape leaves full screen as well; in the window it changes nothing.
    EXPECT_EQ(sizeAfter("F11", 1.5), screen);
    EXPECT_EQ(sizeAfter("Escape", 1.5), "640x480");
    EXPECT_EQ(sizeAfter("Escape", 1.0), "640x480");
    EXPECT_NEAR(amberArrowRow(screenshot(program, dir + "/escaped.png")), arrowTopRowAtDepth10 + 4.5, 3.0);
    EXPECT_TRUE(isRunning(program));
}

// F12 saves what the window shows into the pictures folder of the user's
// HOME, and says so; a folder that cannot be written costs a message only.
class ScreenshotEndToEnd : public ProgramTest {
protected:
    // Starts the program with HOME in the work folder, its Pictures made, and
    // the user-dirs.dirs line given (none when empty).
    ::testing::AssertionResult startWithHome(const std::string& userDirsLine)
    {
        home = dir + "/home";
        std::filesystem::create_directories(home + "/Pictures");
        std::filesystem::create_directories(home + "/.config");
        if (!userDirsLine.empty())
            std::ofstream(home + "/.config/user-dirs.dirs") << userDirsLine << "\n";
        return startAndWaitForWindow({"HOME=" + home, "XDG_CONFIG_HOME="});
    }

    std::vector<std::string> savedPictures() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(home + "/Pictures"))
            names.push_back(entry.path().string());
        return names;
    }

    std::string home;
};

// A lesson started from the command line looks as the same state reached by
// keys: green coastal water at 30 m, the torch on.
using OptionsEndToEnd = ProgramTest;

TEST_F(OptionsEndToEnd, TheOptionsDrawWhatTheKeysDraw)
{
    ASSERT_TRUE(startAndWaitForWindow({}, 20.0, {"--water", "coastal", "--depth=30", "--torch"}));
    settle(1.0);
    ASSERT_TRUE(hideHelpPanel(program));
    const Image byOptions = screenshot(program, dir + "/by_options.png");
    stopProgram(program);

    ASSERT_TRUE(startAndWaitForWindow());
    sendKey(program, "F3", 3);
    sendKey(program, "3");
    sendKey(program, "F6");
    settle(1.0);
    ASSERT_TRUE(hideHelpPanel(program));
    const Image byKeys = screenshot(program, dir + "/by_keys.png");
    ASSERT_EQ(byOptions.width, byKeys.width);
    ASSERT_EQ(byOptions.height, byKeys.height);

    // Only the water surface's ripples, which run on a clock, may differ.
    long differing = 0;
    for (int y = 0; y < static_cast<int>(byKeys.height); ++y)
        for (int x = 0; x < static_cast<int>(byKeys.width); ++x) {
            const Rgb a = pixelAt(byOptions, x, y);
            const Rgb b = pixelAt(byKeys, x, y);
            differing += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) > 12 ? 1 : 0;
        }
    EXPECT_LT(differing, static_cast<long>(byKeys.width * byKeys.height) / 50)
        << "the options and the keys give different pictures (see by_options.png and by_keys.png in " << dir << ")";
    expectColourNear(commonestColour(byOptions), commonestColour(byKeys), "background");
}

TEST_F(ScreenshotEndToEnd, F12SavesWhatTheWindowShows)
{
    ASSERT_TRUE(startWithHome(""));
    ASSERT_TRUE(hideHelpPanel(program));
    EXPECT_TRUE(savedPictures().empty()) << "a picture without the key";
    sendKey(program, "F12");
    const Image shown = screenshot(program, dir + "/shown.png");
    settle(1.0);

    const std::vector<std::string> saved = savedPictures();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_NE(saved[0].find("/marivane-"), std::string::npos) << saved[0];
    const Image picture = loadPng(saved[0]);
    ASSERT_EQ(picture.width, 640u);
    ASSERT_EQ(picture.height, 480u);
    // The water moves between the two readings and the saved-message appears
    // at the bottom: compare the rest, on average.
    long difference = 0;
    long count = 0;
    for (int y = 0; y < 400; y += 2)
        for (int x = 0; x < 640; x += 2) {
            const Rgb a = pixelAt(shown, x, y);
            const Rgb b = pixelAt(picture, x, y);
            difference += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
            ++count;
        }
    EXPECT_LT(static_cast<double>(difference) / count, 12.0) << "the saved picture is not what the window showed";

    sendKey(program, "F12");
    settle(1.0);
    EXPECT_EQ(savedPictures().size(), 2u) << "a second picture in the same second needs a name of its own";
}

TEST_F(ScreenshotEndToEnd, AFolderThatCannotBeWrittenGivesAMessageAndTheProgramGoesOn)
{
    // Nothing, not even root, makes files in sysfs.
    ASSERT_TRUE(startWithHome("XDG_PICTURES_DIR=\"/sys\""));
    sendKey(program, "F12");
    settle(1.0);
    EXPECT_TRUE(isRunning(program));
    EXPECT_NE(readFile(program.stderrPath).find("Could not save the screenshot: "), std::string::npos)
        << readFile(program.stderrPath);
    EXPECT_TRUE(savedPictures().empty());
    sendKey(program, "ctrl+q");
    EXPECT_EQ(waitForExit(program, 10.0), 0);
}

}  // namespace
