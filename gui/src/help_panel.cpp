#include "help_panel.h"

#include <algorithm>

#include "overlay_layout.h"
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
    return false;
}

namespace {

constexpr int keyCapPadding = 5;  // around a key name, left and right

struct HelpLayout {
    PanelBox box;
    int keyColumn = 0;
    int actionColumn = 0;
};

HelpLayout helpLayout(const FontAtlas& atlas, const HelpPanel& help, int windowHeight, int maxWidth)
{
    HelpLayout layout;
    for (const HelpRowText& row : help.rows) {
        layout.keyColumn = std::max(layout.keyColumn, textWidth(atlas, row.keys.c_str()) + 2 * keyCapPadding);
        layout.actionColumn = std::max(layout.actionColumn, textWidth(atlas, row.action.c_str()));
    }
    fitColumns(layout.keyColumn, layout.actionColumn, maxWidth);
    PanelBox& box = layout.box;
    box.width = 2 * panelPadding + layout.keyColumn + columnGap + layout.actionColumn;
    box.height = titledPanelHeight(atlas, static_cast<int>(help.rows.size()));
    box.x = windowMargin;
    box.y = windowHeight - windowMargin - box.height;
    return layout;
}

}  // namespace

void addHelpPanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const HelpPanel& help,
                  int windowHeight, int maxWidth)
{
    if (help.rows.empty())
        return;
    const float opacity = helpOpacity(help);
    const HelpLayout layout = helpLayout(atlas, help, windowHeight, maxWidth);
    const PanelBox& box = layout.box;
    int baseline = addTitledPanel(batch, atlas, theme, box, help.title.c_str(), opacity);

    const Colour ink = faded(theme.ink, opacity);
    const int textLeft = box.x + panelPadding;
    const int textRight = box.x + box.width - panelPadding;
    const int keyRight = textLeft + layout.keyColumn;
    const int actionLeft = keyRight + columnGap;
    for (const HelpRowText& row : help.rows) {
        const int capRight = std::min(keyRight, textLeft + textWidth(atlas, row.keys.c_str()) + 2 * keyCapPadding);
        addSolidQuad(batch, static_cast<float>(textLeft), static_cast<float>(baseline - atlas.descent - 1),
                     static_cast<float>(capRight), static_cast<float>(baseline + atlas.ascent + 1),
                     faded(theme.keyCap, opacity));
        addText(batch, atlas, row.keys.c_str(), textLeft + keyCapPadding, baseline, faded(theme.textStrong, opacity),
                ink, capRight - keyCapPadding);
        addText(batch, atlas, row.action.c_str(), actionLeft, baseline, faded(theme.text, opacity), ink, textRight);
        baseline -= panelRowHeight(atlas);
    }
}
