// What one Orlin context holds.
#pragma once

#include <orlin/orlin.h>

#include <string>

#include "chart_panel.h"
#include "font_atlas.h"
#include "frame_rate_display.h"
#include "help_panel.h"
#include "quad_batch.h"
#include "theme.h"

struct OrlinContext::Impl {
    int id = 0;  // how timer callbacks find this context
    int width = 0;
    int height = 0;
    int keepPanelsLeftOf = 0;  // 0: the window's right edge
    Theme theme;
    FontAtlas atlas;
    QuadBatch batch;  // rebuilt every frame, storage kept
    HelpPanel help;
    FrameRateDisplay frameRate;
    ChartPanel chart;
    std::string label;  // the host's line of text, top-right corner at (labelRight, labelTop)
    int labelRight = 0;
    int labelTop = 0;
    std::string message;                     // shown until messageEnds
    OverlayClock::time_point messageEnds;
    // Held function keys: key repeat must not toggle a panel on and off.
    bool f1Held = false;
    bool f2Held = false;
};
