// The slow dive's course: the depth moves by itself, smoothly, down to the
// sea floor end, pauses, rises to the surface end, pauses, and so on.
#pragma once

#include "logic/depth_range.h"

// The dive's paces, in depth units (metres in the measured waters) a minute,
// slowest first; + and - step through them. It starts at 18 m a minute, a
// calm scuba descent: slow enough to name each fish's colour as it goes (the
// 80 m of the range take about four and a half minutes), and below the 75 ft
// (23 m) a minute the US Navy Diving Manual (rev. 6, ch. 8) sets as the most
// a descent may take. The quickest, 8 a second, crosses the range in 10 s.
inline constexpr double divePaces[] = {6.0, 9.0, 12.0, 18.0, 24.0, 36.0, 60.0, 120.0, 240.0, 480.0};
constexpr int divePaceCount = static_cast<int>(sizeof divePaces / sizeof divePaces[0]);
constexpr int startingDivePace = 3;
constexpr double quickestDiveSpeed = divePaces[divePaceCount - 1] / 60.0;  // units a second
constexpr double divePauseSeconds = 3.0;  // at each end

// The depth `elapsed` seconds into a dive that began at startDepth and goes
// at `speed` units a second: first down to the deep end (or, risingFirst, up
// to the shallow end), then turning with a pause at each end. Always within
// `range`; continuous in elapsed.
float diveDepth(double elapsed, float startDepth, DepthRange range = simpleRuleDepths,
                double speed = quickestDiveSpeed, bool risingFirst = false);
