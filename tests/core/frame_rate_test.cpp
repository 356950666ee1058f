#include <time.h>

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

TEST(FrameRate, EnvironmentClockStaysWithinTheWatersPeriod)
{
    EXPECT_EQ(advanceEnvironmentClock(399.5f, 0.25f), 399.75f);
    EXPECT_EQ(advanceEnvironmentClock(399.75f, 0.25f), 0.0f);
    EXPECT_NEAR(advanceEnvironmentClock(399.99f, 0.02f), 0.01f, 1e-4f);
    // Three hours at 60 frames a second, across many wraps: every step keeps
    // its length to within rounding, as far from the start as at it.
    const float step = environmentClockStep(60.0);
    float clock = 390.0f;
    for (int frame = 0; frame < 60 * 3600 * 3; ++frame) {
        const float before = clock;
        clock = advanceEnvironmentClock(clock, step);
        ASSERT_GE(clock, 0.0f) << frame;
        ASSERT_LT(clock, 400.0f) << frame;
        const double moved = std::fmod(static_cast<double>(clock) - before + 400.0, 400.0);
        ASSERT_NEAR(moved, step, step * 0.002) << frame;
    }
}

TEST(Clock, ReadsTheMonotonicClock)
{
    timespec monotonic{};
    clock_gettime(CLOCK_MONOTONIC, &monotonic);
    const double a = clockReading();
    const double b = clockReading();
    EXPECT_GE(b, a);
    // Not the wall clock, which the system may step back or forth.
    EXPECT_NEAR(a, static_cast<double>(monotonic.tv_sec) + monotonic.tv_nsec * 1e-9, 1.0);
}

}  // namespace
