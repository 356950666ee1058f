#include "logic/dive_curve.h"

#include <algorithm>
#include <cmath>

#include "logic/depth_range.h"

float diveDepth(double elapsed, float fromDepth, DepthRange range)
{
    const double shallowest = range.shallowest;
    const double deepest = range.deepest;
    const double from = std::clamp(static_cast<double>(fromDepth), shallowest, deepest);
    const double t = std::max(elapsed, 0.0);
    const double firstDescent = (deepest - from) / diveSpeed;
    double d;
    if (t < firstDescent) {
        d = from + diveSpeed * t;
    } else {
        // Then round after round: pause deep, rise, pause at the top, descend.
        const double travel = (deepest - shallowest) / diveSpeed;
        const double round = 2.0 * (divePauseSeconds + travel);
        const double u = std::fmod(t - firstDescent, round);
        if (u < divePauseSeconds)
            d = deepest;
        else if (u < divePauseSeconds + travel)
            d = deepest - diveSpeed * (u - divePauseSeconds);
        else if (u < 2.0 * divePauseSeconds + travel)
            d = shallowest;
        else
            d = shallowest + diveSpeed * (u - 2.0 * divePauseSeconds - travel);
    }
    return static_cast<float>(std::clamp(d, shallowest, deepest));
}
