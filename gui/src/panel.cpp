#include "panel.h"

#include <algorithm>
#include <string>
#include <vector>

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

void addPanel(QuadBatch& batch, const PanelStyle& style, const PanelBox& box, int titleHeight)
{
    const Theme& theme = style.theme;
    const float x0 = static_cast<float>(box.x);
    const float y0 = static_cast<float>(box.y);
    const float x1 = static_cast<float>(box.x + box.width);
    const float y1 = static_cast<float>(box.y + box.height);
    const float s = static_cast<float>(style.size.shadowOffset);
    const int line = style.size.line;

    // The shadow only where the panel does not cover it, so the translucent
    // fill is not darkened.
    const Colour shadow = faded(theme.shadow, panelShadowOpacity);
    addSolidQuad(batch, x1, y0 - s, x1 + s, y1 - s, shadow);
    addSolidQuad(batch, x0 + s, y0 - s, x1, y0, shadow);

    addSolidQuad(batch, x0, y0, x1, y1, faded(theme.panel, panelFillOpacity));
    if (titleHeight > 0) {
        const float titleBottom = y1 - static_cast<float>(titleHeight);
        addSolidQuad(batch, x0, titleBottom, x1, y1, faded(theme.titleBar, panelTitleOpacity));
        addSolidQuad(batch, x0, titleBottom - static_cast<float>(line), x1, titleBottom, theme.divider);
    }
    addOutline(batch, box, line, theme.panelEdge);
    if (theme.debugOutline) {
        const PanelBox around{box.x - 2, box.y - 2, box.width + 4, box.height + 4};
        addOutline(batch, around, 1, theme.text);
    }
}

int panelRowHeight(const PanelStyle& style)
{
    return style.atlas.lineHeight + style.size.rowGap;
}

int titledPanelHeight(const PanelStyle& style, int rows)
{
    return panelRowHeight(style) + style.size.panelPadding + rows * panelRowHeight(style);
}

int addTitledPanel(QuadBatch& batch, const PanelStyle& style, const PanelBox& box, const char* title)
{
    const FontAtlas& atlas = style.atlas;
    const OverlayMetrics& m = style.size;
    const int titleHeight = panelRowHeight(style);
    addPanel(batch, style, box, titleHeight);
    const int top = box.y + box.height;
    // Text sits in the middle of its row: half the gap above, half below.
    addText(batch, style, title, box.x + m.panelPadding, top - m.rowGap / 2 - atlas.ascent, style.theme.textStrong,
            box.x + box.width - m.panelPadding);
    return top - titleHeight - m.panelPadding / 2 - m.rowGap / 2 - atlas.ascent;
}

namespace {

// A text panel's lines: its text split at line feeds.
std::vector<std::string> panelLines(const char* text)
{
    std::vector<std::string> lines;
    std::string line;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += *c;
        }
    }
    lines.push_back(line);
    return lines;
}

}  // namespace

PanelBox textPanelSize(const PanelStyle& style, const char* text, int maxWidth)
{
    const std::vector<std::string> lines = panelLines(text);
    int widest = 0;
    for (const std::string& line : lines)
        widest = std::max(widest, textWidth(style.atlas, line.c_str()));
    PanelBox box;
    box.width = std::min(widest + 2 * style.size.panelPadding, maxWidth);
    box.height = static_cast<int>(lines.size()) * panelRowHeight(style) + style.size.panelPadding;
    if (box.width <= 2 * style.size.panelPadding)
        box = PanelBox{};
    return box;
}

void addTextPanel(QuadBatch& batch, const PanelStyle& style, const char* text, const PanelBox& box)
{
    const OverlayMetrics& m = style.size;
    addPanel(batch, style, box, 0);
    int baseline = box.y + box.height - m.panelPadding / 2 - m.rowGap / 2 - style.atlas.ascent;
    for (const std::string& line : panelLines(text)) {
        addText(batch, style, line.c_str(), box.x + m.panelPadding, baseline, style.theme.text,
                box.x + box.width - m.panelPadding);
        baseline -= panelRowHeight(style);
    }
}
