// What one Orlin context holds.
#pragma once

#include <orlin/orlin.h>

#include <string>
#include <vector>

#include "chart_panel.h"
#include "font_atlas.h"
#include "frame_rate_display.h"
#include "help_panel.h"
#include "overlay_layout.h"
#include "overlay_plan.h"
#include "overlay_renderer.h"
#include "panel_layer.h"
#include "quad_batch.h"
#include "theme.h"


struct OrlinContext::Impl {
    int id = 0;  // how timer callbacks find this context
    int width = 0;
    int height = 0;
    int keepPanelsLeftOf = 0;  // 0: the window's right edge
    std::vector<PanelBox> keepClear;  // the host's subject, which no panel covers
    std::string fontPath;
    Theme theme;
    OverlayMetrics metrics;    // at the host's scale
    FontAtlas atlas;           // rasterised at metrics.fontPixelSize
    unsigned styleVersion = 0;  // counts changes of the font or the scale
    HelpPanel help;
    FrameRateDisplay frameRate;
    ChartPanel chart;
    std::string label;  // the host's line of text, top-right corner at (labelRight, labelTop)
    int labelRight = 0;
    int labelTop = 0;
    int labelHeight = 0;   // the label's own font size in pixels; 0: the overlay's font
    FontAtlas labelAtlas;  // rasterised at labelHeight when that is set
    unsigned labelVersion = 0;
    struct Caption {
        std::string text;
        int x = 0;  // the left edge, or the right edge when rightAligned
        int top = 0;
        bool rightAligned = false;
        PanelLayer layer;
    };
    std::vector<Caption> captions;  // the host's lines over its scene
    unsigned captionVersion = 0;
    std::string notice;  // the host's standing notice
    unsigned noticeVersion = 0;
    std::string message;  // shown until messageEnds
    OverlayClock::time_point messageEnds;
    unsigned messageVersion = 0;
    // Held function keys: key repeat must not toggle a panel on and off.
    bool f1Held = false;
    bool f2Held = false;
    bool escapeHeld = false;

    // Each panel's picture, and the label's, kept between frames.
    PanelLayer layers[panelSlots];
    PanelLayer labelLayer;
    // Scratch, kept so that a frame allocates nothing.
    QuadBatch batch;
    std::vector<float> compositeStorage;
    OverlayContent content;
    OverlayPlan plan;
    std::vector<ShownLayer> shownLayers;
};
