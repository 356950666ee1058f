// The wall clock and the frame-rate arithmetic the main loop runs on.
#pragma once

// Wall-clock seconds: gettimeofday's seconds plus its microseconds.
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
