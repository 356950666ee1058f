#include "message_panel.h"

#include <algorithm>

#include "overlay_layout.h"
#include "panel.h"
#include "text_renderer.h"

void addMessagePanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const char* text, int windowWidth)
{
    PanelBox box;
    box.width = std::min(textWidth(atlas, text) + 2 * panelPadding, windowWidth - 2 * windowMargin);
    box.height = panelRowHeight(atlas) + panelPadding;
    box.x = windowWidth - windowMargin - box.width;
    box.y = windowMargin;
    if (box.width <= 2 * panelPadding)
        return;
    addPanel(batch, theme, box, 0, 1.0f);
    const int baseline = box.y + box.height - panelPadding / 2 - rowGap / 2 - atlas.ascent;
    addText(batch, atlas, text, box.x + panelPadding, baseline, theme.text, theme.ink, box.x + box.width - panelPadding);
}
