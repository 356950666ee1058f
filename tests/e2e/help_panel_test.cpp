#include <chrono>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace {

const ShotRegion helpCorner = helpPanelRegion;
// Below the help panel, which reaches down to about row 345.
const ShotRegion frameRateCorner{0, 360, 320, 480};

int textPixels(const Image& shot, const ShotRegion& region)
{
    return overlayTextPixels(shot, region);
}

constexpr int shownText = helpShownTextPixels;
constexpr int hiddenText = helpHiddenTextPixels;

class HelpPanelEndToEnd : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        if (HasFatalFailure())
            return;
        started = std::chrono::steady_clock::now();
        ASSERT_TRUE(startAndWaitForWindow());
    }

    Image shot(const std::string& name) { return screenshot(program, dir + "/" + name + ".png"); }

    double secondsSinceStart() const
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }

    std::chrono::steady_clock::time_point started;
};

TEST_F(HelpPanelEndToEnd, HelpShowsAtStartAndF1HidesAndShowsIt)
{
    const Image atStart = shot("start");
    ASSERT_NE(atStart.pixels, nullptr);
    EXPECT_GE(textPixels(atStart, helpCorner), shownText) << "no help panel right after start";

    sendKey(program, "F1");
    settle(0.5);
    EXPECT_LE(textPixels(shot("after_f1"), helpCorner), hiddenText) << "F1 did not hide the help";

    sendKey(program, "F1");
    settle(0.5);
    EXPECT_GE(textPixels(shot("after_second_f1"), helpCorner), shownText) << "F1 did not bring the help back";
}

TEST_F(HelpPanelEndToEnd, F2ShowsTheFrameRate)
{
    EXPECT_LE(textPixels(shot("before_f2"), frameRateCorner), hiddenText);

    sendKey(program, "F2");
    settle(1.2);  // past the first half-second refresh
    EXPECT_GE(textPixels(shot("after_f2"), frameRateCorner), 60) << "no frame rate after F2";

    sendKey(program, "F2");
    settle(0.5);
    EXPECT_LE(textPixels(shot("after_second_f2"), frameRateCorner), hiddenText);
}

// The fade runs on the program's own timer list. The small "F1: help" it
// leaves stays in the corner's top rows; the panel's rows below it go.
TEST_F(HelpPanelEndToEnd, HelpFadesAwayBySelfAfterAFewSeconds)
{
    ASSERT_GE(textPixels(shot("start"), helpCorner), shownText);
    const ShotRegion belowTheHint{helpCorner.x0, 50, helpCorner.x1, helpCorner.y1};
    bool gone = false;
    while (!gone && secondsSinceStart() < 20.0) {
        settle(0.5);
        gone = textPixels(shot("fading"), belowTheHint) <= hiddenText;
    }
    EXPECT_TRUE(gone) << "the help was still there " << secondsSinceStart() << " s after start";
    EXPECT_GE(secondsSinceStart(), 3.0) << "the help vanished too soon to be read";
    EXPECT_TRUE(isRunning(program));
}

// With the help, the frame rate and the chart all on, each panel is whole
// (its edge closes into a rectangle nothing covers), apart from the others
// and left of the depth gauge, in the 640 x 480 window.
TEST_F(HelpPanelEndToEnd, HelpFrameRateAndChartLieApartAndLeftOfTheGauge)
{
    sendKey(program, "F2");
    sendKey(program, "F4");
    settle(1.2);
    const Image all = shot("f1_f2_f4");
    ASSERT_NE(all.pixels, nullptr);
    const std::vector<ShotRegion> panels = panelOutlines(all);
    ASSERT_EQ(panels.size(), 3u) << "not three whole panels";
    for (std::size_t i = 0; i < panels.size(); ++i) {
        EXPECT_LE(panels[i].x1, 570) << "panel " << i << " reaches over the gauge";
        for (std::size_t j = i + 1; j < panels.size(); ++j) {
            const ShotRegion& a = panels[i];
            const ShotRegion& b = panels[j];
            const bool apart = a.x1 <= b.x0 || b.x1 <= a.x0 || a.y1 <= b.y0 || b.y1 <= a.y0;
            EXPECT_TRUE(apart) << "panels " << i << " and " << j << " intersect";
        }
    }
    EXPECT_GE(textPixels(all, helpCorner), shownText) << "the help is not readable beside the others";
}

}  // namespace
