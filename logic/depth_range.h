// The depth ranges: the surface end and the sea floor end of every depth the
// viewer takes, and where a depth lies between them. The simple rule has its
// own units and runs 10..90; the measured waters are in metres and start just
// below the surface, where red, orange and yellow go.
#pragma once

constexpr float minDepth = 10.0f;
constexpr float maxDepth = 90.0f;
constexpr float measuredMinDepth = 1.0f;

struct DepthRange {
    float shallowest;
    float deepest;
};
inline constexpr DepthRange simpleRuleDepths{minDepth, maxDepth};
inline constexpr DepthRange measuredDepths{measuredMinDepth, maxDepth};

// 0 at minDepth, 1 at maxDepth, in between linearly; not clamped. Worked in
// double, as every fade over the range is.
constexpr double depthRangeFraction(float atDepth)
{
    return (static_cast<double>(atDepth) - static_cast<double>(minDepth)) /
           static_cast<double>(maxDepth - minDepth);
}

// A depth held within the range.
constexpr float clampDepth(float atDepth, DepthRange range)
{
    return atDepth < range.shallowest ? range.shallowest : atDepth > range.deepest ? range.deepest : atDepth;
}
