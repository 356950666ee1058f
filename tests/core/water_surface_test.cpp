#include <gtest/gtest.h>

#include "render/water_surface.h"

namespace {

struct TexCoordCase {
    float clock;
    float x;
    float z;
    float s;
    float t;
};

// Quarter and half wave periods move the cosine and sine through their
// extremes; the drift carries s by -0.0625 per second of clock.
const TexCoordCase texCoordCases[] = {
    {0.0f, 0.0f, 0.0f, 0.0625f, 0.0f},
    {0.0f, -100.0f, -100.0f, -6.1875f, -6.25f},
    {0.0f, 100.0f, 100.0f, 6.3125f, 6.25f},
    {0.0f, -100.0f, 100.0f, -6.1875f, 6.25f},
    {0.0f, 100.0f, -100.0f, 6.3125f, -6.25f},
    {6.25f, 0.0f, 0.0f, -0.390625f, -0.0625f},
    {6.25f, -100.0f, -100.0f, -6.640625f, -6.3125f},
    {6.25f, 6.25f, 6.25f, 0.0625f, 0.390625f},
    {12.5f, 0.0f, 0.0f, -0.84375f, 0.0f},
    {12.5f, 12.5f, 0.0f, 0.0625f, 0.0f},
    {25.0f, 0.0f, 0.0f, -1.5f, 0.0f},
};

TEST(WaterTexCoord, FollowsTheDriftingTravellingWaves)
{
    for (const TexCoordCase& c : texCoordCases) {
        const float s = waterS(c.x, waterWaveCos(c.x, c.clock), c.clock);
        const float t = waterT(c.z, waterWaveSin(c.z, c.clock));
        EXPECT_NEAR(s, c.s, 1e-6) << "s at (" << c.x << ", " << c.z << ") clock " << c.clock;
        EXPECT_NEAR(t, c.t, 1e-6) << "t at (" << c.x << ", " << c.z << ") clock " << c.clock;
    }
}

TEST(WaterWaves, OppositeBoxEdgesAgreeAtEveryClock)
{
    // 200 units are eight wave periods, so the far edge's term can stand in
    // for the near edge's. Each phase, up to 32 in magnitude over one period
    // of clock, is rounded to a float (half a step there is 9.5e-7) before
    // the cosine or sine, and each result is rounded again: the two terms can
    // differ by that much and no more.
    const double tolerance = 2.1e-6;
    for (int step = 0; step <= 25000; ++step) {
        const float clock = static_cast<float>(step) * 0.001f;
        ASSERT_NEAR(waterWaveCos(-100.0f, clock), waterWaveCos(100.0f, clock), tolerance) << "clock " << clock;
        ASSERT_NEAR(waterWaveSin(-100.0f, clock), waterWaveSin(100.0f, clock), tolerance) << "clock " << clock;
    }
}

}  // namespace
