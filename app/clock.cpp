#include "app/clock.h"

#include <sys/time.h>

double clockReading()
{
    timeval now{};
    gettimeofday(&now, nullptr);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_usec) * 0.000001;
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
