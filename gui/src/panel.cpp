#include "panel.h"

#include "overlay_layout.h"
#include "text_renderer.h"

void addOutline(QuadBatch& batch, const PanelBox& box, int thickness, const Colour& colour)
{
    const float x0 = static_cast<float>(box.x);
    const float y0 = static_cast<float>(box.y);
    const float x1 = static_cast<float>(box.x + box.width);
    const float y1 = static_cast<float>(box.y + box.height);
    const float t = static_cast<float>(thickness);
    addSolidQuad(batch, x0, y0, x1, y0 + t, colour);
    addSolidQuad(batch, x0, y1 - t, x1, y1, colour);
    addSolidQuad(batch, x0, y0 + t, x0 + t, y1 - t, colour);
    addSolidQuad(batch, x1 - t, y0 + t, x1, y1 - t, colour);
}

void addPanel(QuadBatch& batch, const Theme& theme, const PanelBox& box, int titleHeight, float opacity)
{
    const float x0 = static_cast<float>(box.x);
    const float y0 = static_cast<float>(box.y);
    const float x1 = static_cast<float>(box.x + box.width);
    const float y1 = static_cast<float>(box.y + box.height);
    const float s = static_cast<float>(panelShadowOffset);

    // The shadow only where the panel does not cover it, so the translucent
    // fill is not darkened.
    const Colour shadow = faded(theme.shadow, panelShadowOpacity * opacity);
    addSolidQuad(batch, x1, y0 - s, x1 + s, y1 - s, shadow);
    addSolidQuad(batch, x0 + s, y0 - s, x1, y0, shadow);

    addSolidQuad(batch, x0, y0, x1, y1, faded(theme.panel, panelFillOpacity * opacity));
    if (titleHeight > 0) {
        const float titleBottom = y1 - static_cast<float>(titleHeight);
        addSolidQuad(batch, x0, titleBottom, x1, y1, faded(theme.titleBar, panelTitleOpacity * opacity));
        addSolidQuad(batch, x0, titleBottom - 1.0f, x1, titleBottom, faded(theme.divider, opacity));
    }
    addOutline(batch, box, 1, faded(theme.panelEdge, opacity));
    if (theme.debugOutline) {
        const PanelBox around{box.x - 2, box.y - 2, box.width + 4, box.height + 4};
        addOutline(batch, around, 1, faded(theme.text, opacity));
    }
}

int panelRowHeight(const FontAtlas& atlas)
{
    return atlas.lineHeight + rowGap;
}

int titledPanelHeight(const FontAtlas& atlas, int rows)
{
    return panelRowHeight(atlas) + panelPadding / 2 + rows * panelRowHeight(atlas) + panelPadding / 2;
}

int addTitledPanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const PanelBox& box,
                   const char* title, float opacity)
{
    const int titleHeight = panelRowHeight(atlas);
    addPanel(batch, theme, box, titleHeight, opacity);
    const int top = box.y + box.height;
    // Text sits in the middle of its row: half the gap above, half below.
    addText(batch, atlas, title, box.x + panelPadding, top - rowGap / 2 - atlas.ascent, faded(theme.textStrong, opacity),
            faded(theme.ink, opacity), box.x + box.width - panelPadding);
    return top - titleHeight - panelPadding / 2 - rowGap / 2 - atlas.ascent;
}
