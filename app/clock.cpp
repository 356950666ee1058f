#include "app/clock.h"

#include <time.h>

#include <cmath>

double clockReading()
{
    // Monotonic: a step of the system clock (NTP, the user, a resume) must
    // not make a frame or a timer's wait negative or huge.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 0.000000001;
}

bool recordFrameTime(FrameRateSampler& sampler, double seconds, double& framesPerSecond)
{
    sampler.frameTimeSum += seconds;
    sampler.framesSampled += 1;
    if (sampler.framesSampled < frameRateWindow)
        return false;
    // A zero sum divides to +infinity, which stalls the clock until the next window.
    framesPerSecond = frameRateWindow / sampler.frameTimeSum;
    sampler.framesSampled = 0;
    sampler.frameTimeSum = 0.0;
    return true;
}

float environmentClockStep(double framesPerSecond)
{
    return static_cast<float>(1.0 / framesPerSecond);
}

float advanceEnvironmentClock(float clock, float step)
{
    float next = clock + step;
    if (next >= waterPatternPeriod)
        next = std::fmod(next, waterPatternPeriod);
    return next;
}
