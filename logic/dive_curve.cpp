#include "logic/dive_curve.h"

#include <algorithm>
#include <cmath>

#include "logic/depth_range.h"

float diveDepth(double elapsed, float fromDepth, DepthRange range, double speed, bool risingFirst)
{
    const double shallowest = range.shallowest;
    const double deepest = range.deepest;
    const double from = std::clamp(static_cast<double>(fromDepth), shallowest, deepest);
    const double t = std::max(elapsed, 0.0);
    const double firstLeg = (risingFirst ? from - shallowest : deepest - from) / speed;
    const double travel = (deepest - shallowest) / speed;
    const double round = 2.0 * (divePauseSeconds + travel);
    double d;
    if (t < firstLeg) {
        d = risingFirst ? from - speed * t : from + speed * t;
    } else {
        // Then round after round from the end reached: pause, cross, pause,
        // cross back. Risen first, the round starts half a round on.
        const double u = std::fmod(t - firstLeg + (risingFirst ? round / 2.0 : 0.0), round);
        if (u < divePauseSeconds)
            d = deepest;
        else if (u < divePauseSeconds + travel)
            d = deepest - speed * (u - divePauseSeconds);
        else if (u < 2.0 * divePauseSeconds + travel)
            d = shallowest;
        else
            d = shallowest + speed * (u - 2.0 * divePauseSeconds - travel);
    }
    return static_cast<float>(std::clamp(d, shallowest, deepest));
}
