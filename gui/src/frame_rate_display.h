// Frame time and frames per second, measured from the host's calls to draw
// with the library's own clock, shown in the bottom-left corner while F2 has
// it on, and refreshed twice a second by a timer.
#pragma once

#include <chrono>

#include "font_atlas.h"
#include "panel.h"
#include "quad_batch.h"
#include "theme.h"

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
};

constexpr unsigned frameRateRefreshMs = 500;

// Notes one call to draw at `now`.
void noteFrame(FrameRateDisplay& display, OverlayClock::time_point now);

// Turns the display on or off. Turning it on starts a fresh measurement.
void toggleFrameRate(FrameRateDisplay& display);

// Averages the frames since the previous reading into the shown figures;
// keeps the old ones when no frame was drawn in between.
void takeFrameRateReading(FrameRateDisplay& display);

// Adds the panel in the window's bottom-left corner, above `below` (the top
// of what else is there, 0 for nothing), at most maxWidth wide.
void addFrameRatePanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const FrameRateDisplay& display,
                       int below, int maxWidth);
