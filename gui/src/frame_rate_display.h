// Frame time and frames per second, measured from the host's calls to draw
// with the library's own clock, shown in the bottom-left corner while F2 has
// it on, and refreshed twice a second by a timer.
#pragma once

#include <chrono>

#include "panel.h"
#include "quad_batch.h"

using OverlayClock = std::chrono::steady_clock;

struct FrameRateDisplay {
    bool shown = false;
    bool refreshPending = false;  // a refresh timer has been asked for and not yet fired
    bool hasLastFrame = false;
    OverlayClock::time_point lastFrame;
    double sampleSeconds = 0.0;   // frame intervals since the last reading
    int sampleFrames = 0;
    bool hasReading = false;
    double frameMilliseconds = 0.0;
    double framesPerSecond = 0.0;
    unsigned version = 0;  // counts changes of what the panel shows
};

constexpr unsigned frameRateRefreshMs = 500;

// Notes one call to draw at `now`.
void noteFrame(FrameRateDisplay& display, OverlayClock::time_point now);

// Turns the display on or off. Turning it on starts a fresh measurement.
void toggleFrameRate(FrameRateDisplay& display);

// Averages the frames since the previous reading into the shown figures;
// keeps the old ones when no frame was drawn in between.
void takeFrameRateReading(FrameRateDisplay& display);

// The panel's size, at most maxWidth wide; it does not change with the figures.
// In the compact style both figures share one row.
PanelBox frameRatePanelSize(const PanelStyle& style, int maxWidth);

// Adds the panel with the latest figures in `box`.
void addFrameRatePanel(QuadBatch& batch, const PanelStyle& style, const FrameRateDisplay& display, const PanelBox& box);
