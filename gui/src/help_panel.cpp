#include "help_panel.h"

#include <algorithm>

#include "text_renderer.h"

float helpOpacity(const HelpPanel& help)
{
    if (!help.shown)
        return 0.0f;
    return 1.0f - static_cast<float>(help.fadeStep) / static_cast<float>(helpFadeSteps);
}

void toggleHelp(HelpPanel& help)
{
    help.shown = !help.shown;
    help.fadeStep = 0;
    help.fadesBySelf = false;
    help.hintShown = false;
}

bool advanceHelpFade(HelpPanel& help)
{
    if (!help.shown || !help.fadesBySelf)
        return false;
    ++help.fadeStep;
    if (help.fadeStep < helpFadeSteps)
        return true;
    help.shown = false;
    help.fadesBySelf = false;
    help.fadeStep = 0;
    help.hintShown = !help.rows.empty();
    return false;
}

namespace {

struct HelpColumns {
    int keys = 0;
    int actions = 0;
};

HelpColumns helpColumns(const PanelStyle& style, const HelpPanel& help, int maxWidth)
{
    HelpColumns columns;
    for (const HelpRowText& row : help.rows) {
        columns.keys = std::max(columns.keys, textWidth(style.atlas, row.keys.c_str()) + 2 * style.size.keyCapPadding);
        columns.actions = std::max(columns.actions, textWidth(style.atlas, row.action.c_str()));
    }
    fitColumns(style.size, columns.keys, columns.actions, maxWidth);
    return columns;
}

}  // namespace

PanelBox helpPanelSize(const PanelStyle& style, const HelpPanel& help, int maxWidth)
{
    if (help.rows.empty())
        return {};
    const HelpColumns columns = helpColumns(style, help, maxWidth);
    PanelBox box;
    box.width = 2 * style.size.panelPadding + columns.keys + style.size.columnGap + columns.actions;
    box.height = titledPanelHeight(style, static_cast<int>(help.rows.size()));
    return box;
}

void addHelpPanel(QuadBatch& batch, const PanelStyle& style, const HelpPanel& help, const PanelBox& box)
{
    if (help.rows.empty())
        return;
    const FontAtlas& atlas = style.atlas;
    const OverlayMetrics& m = style.size;
    const Theme& theme = style.theme;
    const HelpColumns columns = helpColumns(style, help, box.width);
    int baseline = addTitledPanel(batch, style, box, help.title.c_str());

    const int textLeft = box.x + m.panelPadding;
    const int textRight = box.x + box.width - m.panelPadding;
    const int keyRight = textLeft + columns.keys;
    const int actionLeft = keyRight + m.columnGap;
    for (const HelpRowText& row : help.rows) {
        const int capRight = std::min(keyRight, textLeft + textWidth(atlas, row.keys.c_str()) + 2 * m.keyCapPadding);
        addSolidQuad(batch, static_cast<float>(textLeft), static_cast<float>(baseline - atlas.descent - m.line),
                     static_cast<float>(capRight), static_cast<float>(baseline + atlas.ascent + m.line), theme.keyCap);
        addText(batch, style, row.keys.c_str(), textLeft + m.keyCapPadding, baseline, theme.textStrong,
                capRight - m.keyCapPadding);
        addText(batch, style, row.action.c_str(), actionLeft, baseline, theme.text, textRight);
        baseline -= panelRowHeight(style);
    }
}
