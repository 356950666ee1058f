#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "assets/png_reader.h"
#include "program_fixture.h"

namespace {

// Where the gauge's quads lie, in window pixels from the lower-left corner.
constexpr int scaleLeft = 576;
constexpr int scaleBottom = 117;
constexpr int arrowLeft = 570;
constexpr int arrowBottomAtDepth10 = 352;
constexpr int windowHeight = 480;

struct Checked {
    int texels = 0;     // texels whose colour could be predicted
    int solid = 0;      // of those, fully opaque ones
    int mismatches = 0;
    std::string firstMismatch;
};

// The quads map the pictures pixel for pixel. A texel of alpha a and colour
// c blended over an unknown background must give a screen value between
// a*c (black behind) and a*c + (1-a)*255 (white behind).
void compareQuad(const Image& shot, const Image& picture, int left, int bottom, Checked& checked,
                 int skipLeft = 0, int skipRight = -1, int skipBottom = 0, int skipTop = -1)
{
    const int tolerance = 3;
    for (std::uint32_t row = 0; row < picture.height; ++row) {
        for (std::uint32_t column = 0; column < picture.width; ++column) {
            const int x = left + static_cast<int>(column);
            const int y = bottom + static_cast<int>(row);  // from the bottom; the picture's rows are stored bottom-up
            if (x >= skipLeft && x <= skipRight && y >= skipBottom && y <= skipTop)
                continue;
            const unsigned char* texel = picture.pixels + static_cast<std::size_t>(row) * picture.stride() + column * 4;
            const int alpha = texel[3];
            if (alpha == 0)
                continue;
            ++checked.texels;
            if (alpha == 255)
                ++checked.solid;
            Rgb screen = pixelAt(shot, x, windowHeight - 1 - y);
            const int actual[3] = {screen.r, screen.g, screen.b};
            for (int c = 0; c < 3; ++c) {
                const int low = texel[c] * alpha / 255;
                const int high = low + (255 - alpha);
                if (actual[c] < low - tolerance || actual[c] > high + tolerance) {
                    if (checked.mismatches++ == 0)
                        checked.firstMismatch = "at window " + std::to_string(x) + "," + std::to_string(y) +
                                                " channel " + std::to_string(c) + ": " + std::to_string(actual[c]) +
                                                " outside " + std::to_string(low) + ".." + std::to_string(high);
                    break;
                }
            }
        }
    }
}

using GaugeOnScreen = ProgramTest;

TEST_F(GaugeOnScreen, ScaleLabelsAndArrowShowAtTheStartingDepth)
{
    const Image scale = loadPng(assetDir() + "/depth_scale.png");
    const Image arrow = loadPng(assetDir() + "/depth_arrow.png");
    ASSERT_EQ(scale.channels, 4);
    ASSERT_EQ(arrow.channels, 4);

    ASSERT_TRUE(startAndWaitForWindow());
    settle(0.5);
    const Image shot = screenshot(program);
    ASSERT_EQ(shot.width, 640u);
    ASSERT_EQ(shot.height, 480u);

    // The scale, except where the arrow lies over it.
    Checked scaleChecked;
    compareQuad(shot, scale, scaleLeft, scaleBottom, scaleChecked, arrowLeft, arrowLeft + 53, arrowBottomAtDepth10,
                arrowBottomAtDepth10 + 9);
    EXPECT_EQ(scaleChecked.mismatches, 0) << scaleChecked.firstMismatch;
    // Enough of it to be the ticks and the nine labels, not a stray pixel.
    EXPECT_GT(scaleChecked.solid, 400);

    // The labels alone: the part right of the ticks.
    Checked labelChecked;
    compareQuad(shot, scale, scaleLeft, scaleBottom, labelChecked, scaleLeft, scaleLeft + 19, 0, windowHeight);
    EXPECT_EQ(labelChecked.mismatches, 0) << labelChecked.firstMismatch;
    EXPECT_GT(labelChecked.solid, 150);

    // The arrow at depth 10: lower edge 352 pixels up.
    Checked arrowChecked;
    compareQuad(shot, arrow, arrowLeft, arrowBottomAtDepth10, arrowChecked);
    EXPECT_EQ(arrowChecked.mismatches, 0) << arrowChecked.firstMismatch;
    EXPECT_GT(arrowChecked.solid, 40);

    // The arrow's solid pixels differ from what lies a row below the arrow:
    // it is really there, not matched by chance.
    int differing = 0;
    for (std::uint32_t column = 0; column < arrow.width; ++column) {
        const unsigned char* texel = arrow.pixels + 5 * arrow.stride() + column * 4;
        if (texel[3] != 255)
            continue;
        const int x = arrowLeft + static_cast<int>(column);
        Rgb on = pixelAt(shot, x, windowHeight - 1 - (arrowBottomAtDepth10 + 5));
        Rgb below = pixelAt(shot, x, windowHeight - 1 - (arrowBottomAtDepth10 - 3));
        if (std::abs(on.r - below.r) + std::abs(on.g - below.g) + std::abs(on.b - below.b) > 60)
            ++differing;
    }
    EXPECT_GT(differing, 4);

    terminate(program);
    waitForExit(program, 10.0);
}

}  // namespace
