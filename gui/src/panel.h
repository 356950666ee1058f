// A panel: drop shadow, translucent fill, an optional title strip and a border.
#pragma once

#include "quad_batch.h"
#include "theme.h"

struct PanelBox {
    int x = 0;  // lower-left corner, window pixels
    int y = 0;
    int width = 0;
    int height = 0;
};

// How opaque a panel's parts are, before the panel's own fade.
constexpr float panelFillOpacity = 0.78f;
constexpr float panelTitleOpacity = 0.92f;
constexpr float panelShadowOpacity = 0.45f;
constexpr int panelShadowOffset = 4;

// Adds the panel's quads; `titleHeight` pixels at the top get the title strip
// (none when 0). Every colour's alpha is scaled by `opacity`.
void addPanel(QuadBatch& batch, const Theme& theme, const PanelBox& box, int titleHeight, float opacity);

// A rectangle's outline, `thickness` pixels wide, inside the box.
void addOutline(QuadBatch& batch, const PanelBox& box, int thickness, const Colour& colour);
