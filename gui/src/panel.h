// A panel: drop shadow, translucent fill, an optional title strip and a border.
#pragma once

#include "overlay_layout.h"
#include "quad_batch.h"

struct PanelBox {
    int x = 0;  // lower-left corner, window pixels
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PanelBox&) const = default;
};

// How opaque a panel's parts are.
constexpr float panelFillOpacity = 0.78f;
constexpr float panelTitleOpacity = 0.92f;
constexpr float panelShadowOpacity = 0.45f;

// Adds the panel's quads; `titleHeight` pixels at the top get the title strip
// (none when 0).
void addPanel(QuadBatch& batch, const PanelStyle& style, const PanelBox& box, int titleHeight);

// A rectangle's outline, `thickness` pixels wide, inside the box.
void addOutline(QuadBatch& batch, const PanelBox& box, int thickness, const Colour& colour);

// A title and the rows under it take one line of text each, with half a row
// gap above and below the text.
int panelRowHeight(const PanelStyle& style);

// Height of a titled panel holding `rows` rows of text.
int titledPanelHeight(const PanelStyle& style, int rows);

// Adds the panel with its title strip and title text. Returns the baseline of
// the first row; each further row's is panelRowHeight lower.
int addTitledPanel(QuadBatch& batch, const PanelStyle& style, const PanelBox& box, const char* title);

// The size of an untitled panel holding one line of text, at most maxWidth wide.
PanelBox textPanelSize(const PanelStyle& style, const char* text, int maxWidth);
// Adds that panel in `box`, its text cut off at the panel's edge.
void addTextPanel(QuadBatch& batch, const PanelStyle& style, const char* text, const PanelBox& box);
