// The slow dive's course: the depth moves by itself, smoothly, down to the
// sea floor end, pauses, rises to the surface end, pauses, and so on.
#pragma once

#include "logic/depth_range.h"

constexpr double diveSpeed = 8.0;         // depth units a second
constexpr double divePauseSeconds = 3.0;  // at each end

// The depth `elapsed` seconds into a dive that began at startDepth: first
// down to the deep end, then turning with a pause at each end. Always within
// `range`; continuous in elapsed.
float diveDepth(double elapsed, float startDepth, DepthRange range = simpleRuleDepths);
