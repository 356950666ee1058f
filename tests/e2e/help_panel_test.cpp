#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace {

const ShotRegion helpCorner = helpPanelRegion;
const ShotRegion frameRateCorner{0, 330, 320, 480};

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

// The fade runs on the program's own timer list.
TEST_F(HelpPanelEndToEnd, HelpFadesAwayBySelfAfterAFewSeconds)
{
    ASSERT_GE(textPixels(shot("start"), helpCorner), shownText);
    bool gone = false;
    while (!gone && secondsSinceStart() < 20.0) {
        settle(0.5);
        gone = textPixels(shot("fading"), helpCorner) <= hiddenText;
    }
    EXPECT_TRUE(gone) << "the help was still there " << secondsSinceStart() << " s after start";
    EXPECT_GE(secondsSinceStart(), 3.0) << "the help vanished too soon to be read";
    EXPECT_TRUE(isRunning(program));
}

}  // namespace
