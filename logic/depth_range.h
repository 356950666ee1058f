// The depth range: the surface end and the sea floor end of every depth the
// viewer takes, and where a depth lies between them.
#pragma once

constexpr float minDepth = 10.0f;
constexpr float maxDepth = 90.0f;

// 0 at minDepth, 1 at maxDepth, in between linearly; not clamped. Worked in
// double, as every fade over the range is.
constexpr double depthRangeFraction(float atDepth)
{
    return (static_cast<double>(atDepth) - static_cast<double>(minDepth)) /
           static_cast<double>(maxDepth - minDepth);
}
