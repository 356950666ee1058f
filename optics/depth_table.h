// Where a depth falls in the tables the water types keep per depth (built on
// first use, so that a frame only looks up): 0..100 m in quarter metres,
// read linearly between two entries.
#pragma once

#include <algorithm>
#include <cstddef>

constexpr double depthTableMetres = 100.0;
constexpr int depthTableSteps = 400;  // quarter metres
constexpr std::size_t depthTableEntries = depthTableSteps + 1;

// The depth of entry `step`.
constexpr double depthTableDepth(int step)
{
    return depthTableMetres * step / depthTableSteps;
}

// The entry at or above the depth, and how far (0..1) toward the next one.
// Depths beyond the table read its ends; not-a-number counts as the surface
// rather than reaching the index.
struct DepthPosition {
    std::size_t below;
    double fraction;
};

inline DepthPosition depthPosition(double depthMetres)
{
    const double depth = depthMetres >= 0.0 ? std::min(depthMetres, depthTableMetres) : 0.0;
    const double position = depth / depthTableMetres * depthTableSteps;
    const int below = std::min(static_cast<int>(position), depthTableSteps - 1);
    return {static_cast<std::size_t>(below), position - below};
}
