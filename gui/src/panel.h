// A panel: drop shadow, translucent fill, an optional title strip and a border.
#pragma once

#include "font_atlas.h"
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

// A title and the rows under it take one line of text each, with half a row
// gap above and below the text.
int panelRowHeight(const FontAtlas& atlas);

// Height of a titled panel holding `rows` rows of text.
int titledPanelHeight(const FontAtlas& atlas, int rows);

// Adds the panel with its title strip and title text. Returns the baseline of
// the first row; each further row's is panelRowHeight lower.
int addTitledPanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const PanelBox& box,
                   const char* title, float opacity);
