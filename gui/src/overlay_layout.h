// Sizes shared by the overlay's panels, in pixels, for one scale: every size
// is its size at scale 1 times the scale, so a panel keeps its proportions.
#pragma once

#include <orlin/orlin.h>

#include "font_atlas.h"
#include "theme.h"

struct OverlayMetrics {
    float scale = 1.0f;
    int fontPixelSize = orlinFontPixelSize;
    int windowMargin = 12;  // gap between a panel and the window's edge, and between two panels
    int panelPadding = 10;  // gap between a panel's edge and its content
    int rowGap = 6;         // extra space between rows of text
    int columnGap = 14;     // between a row's label and its value
    int keyCapPadding = 5;  // around a key name, left and right
    int shadowOffset = 4;   // the drop shadow, right of and below a panel
    int line = 1;           // borders, rules and the text's shadow
    int swatchSize = 14;
    int swatchGap = 2;
    int plotHeight = 60;
    int plotLineThickness = 2;
    bool compact = false;  // panels that can take less room do
};

// The sizes at `scale` (1 and more; anything else counts as 1).
OverlayMetrics overlayMetrics(float scale);

// The same with the rows drawn closer together, less padding and smaller
// gaps, and panels in their shortest form, for when the panels do not all
// fit side by side in a small window.
OverlayMetrics compactMetrics(const OverlayMetrics& metrics);

// What a panel is drawn with.
struct PanelStyle {
    const FontAtlas& atlas;
    const Theme& theme;
    const OverlayMetrics& size;
};

// The widest a panel may be when it must stay left of x (window pixels),
// with a margin on both sides; an unusually wide font must not push a panel
// over what the host draws there.
inline int maxPanelWidth(const OverlayMetrics& size, int keepLeftOf)
{
    return keepLeftOf - 2 * size.windowMargin;
}

// Shrinks two columns in proportion until they fit next to each other in a
// panel at most `panelWidth` wide; text that does not fit is cut off.
inline void fitColumns(const OverlayMetrics& size, int& first, int& second, int panelWidth)
{
    const int room = panelWidth - 2 * size.panelPadding - size.columnGap;
    const int total = first + second;
    if (total <= room)
        return;
    if (room <= 0) {
        first = 0;
        second = 0;
        return;
    }
    first = static_cast<int>(static_cast<long long>(first) * room / total);
    second = room - first;
}
