// The clock and the frame-rate arithmetic the main loop runs on.
#pragma once

// Seconds on the monotonic clock, for elapsed times only (its zero is
// arbitrary).
double clockReading();

// The estimate is replaced after every window of this many frames.
constexpr int frameRateWindow = 10;

struct FrameRateSampler {
    double frameTimeSum = 0.0;
    int framesSampled = 0;
};

// Adds one frame's draw time. When the window is complete, sets
// framesPerSecond to frames / summed time (infinite for a zero sum), starts
// a new window and returns true.
bool recordFrameTime(FrameRateSampler& sampler, double seconds, double& framesPerSecond);

// How far the environment clock moves per frame: 1 / fps, as a float.
// Zero while the estimate is still infinite.
float environmentClockStep(double framesPerSecond);

// The water's picture repeats exactly every 400 s of its clock: the wave's
// 25 s period and the 16 s the drift takes over one texture repeat.
constexpr float waterPatternPeriod = 400.0f;

// The environment clock after one more step, kept within one period of the
// water's pattern so that the float never grows coarse enough to round away
// the steps.
float advanceEnvironmentClock(float clock, float step);
