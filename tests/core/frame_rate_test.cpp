#include <cmath>

#include <gtest/gtest.h>

#include "app/clock.h"

namespace {

TEST(FrameRate, EstimateReplacedOnlyEveryTenthFrame)
{
    FrameRateSampler sampler;
    double fps = HUGE_VAL;
    for (int frame = 1; frame <= 9; ++frame) {
        EXPECT_FALSE(recordFrameTime(sampler, 0.02, fps)) << frame;
        EXPECT_TRUE(std::isinf(fps)) << frame;
        EXPECT_EQ(sampler.framesSampled, frame);
    }
    EXPECT_TRUE(recordFrameTime(sampler, 0.02, fps));
    EXPECT_NEAR(fps, 50.0, 1e-9);
    EXPECT_EQ(sampler.framesSampled, 0);
    EXPECT_EQ(sampler.frameTimeSum, 0.0);
    // The next window starts afresh: the old estimate holds until it is full.
    for (int frame = 1; frame <= 9; ++frame)
        recordFrameTime(sampler, 0.1, fps);
    EXPECT_NEAR(fps, 50.0, 1e-9);
    recordFrameTime(sampler, 0.1, fps);
    EXPECT_NEAR(fps, 10.0, 1e-9);
}

TEST(FrameRate, ZeroTimeSumGivesInfinityAndStopsTheClock)
{
    FrameRateSampler sampler;
    double fps = 60.0;
    for (int frame = 0; frame < 10; ++frame)
        recordFrameTime(sampler, 0.0, fps);
    EXPECT_TRUE(std::isinf(fps));
    EXPECT_GT(fps, 0.0);
    EXPECT_EQ(environmentClockStep(fps), 0.0f);
}

TEST(FrameRate, ClockStepIsTheMeanFrameTimeAsFloat)
{
    EXPECT_EQ(environmentClockStep(HUGE_VAL), 0.0f);
    EXPECT_EQ(environmentClockStep(50.0), 0.02f);
    EXPECT_EQ(environmentClockStep(3.0), static_cast<float>(1.0 / 3.0));
}

TEST(Clock, ReadsWallClockSeconds)
{
    const double a = clockReading();
    const double b = clockReading();
    EXPECT_GE(b, a);
    EXPECT_GT(a, 1.6e9);  // seconds since 1970, not milliseconds or ticks
    EXPECT_LT(a, 1.0e10);
}

}  // namespace
