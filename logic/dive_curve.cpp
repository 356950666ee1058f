#include "logic/dive_curve.h"

#include <algorithm>
#include <cmath>

#include "logic/depth_range.h"

float diveDepth(double elapsed, float fromDepth)
{
    const double from = std::clamp(static_cast<double>(fromDepth), static_cast<double>(minDepth),
                                   static_cast<double>(maxDepth));
    const double t = std::max(elapsed, 0.0);
    const double firstDescent = (maxDepth - from) / diveSpeed;
    double d;
    if (t < firstDescent) {
        d = from + diveSpeed * t;
    } else {
        // Then round after round: pause deep, rise, pause at the top, descend.
        const double travel = (maxDepth - minDepth) / diveSpeed;
        const double round = 2.0 * (divePauseSeconds + travel);
        const double u = std::fmod(t - firstDescent, round);
        if (u < divePauseSeconds)
            d = maxDepth;
        else if (u < divePauseSeconds + travel)
            d = maxDepth - diveSpeed * (u - divePauseSeconds);
        else if (u < 2.0 * divePauseSeconds + travel)
            d = minDepth;
        else
            d = minDepth + diveSpeed * (u - 2.0 * divePauseSeconds - travel);
    }
    return static_cast<float>(std::clamp(d, static_cast<double>(minDepth), static_cast<double>(maxDepth)));
}
