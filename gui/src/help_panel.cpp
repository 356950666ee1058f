#include "help_panel.h"

#include <algorithm>

#include "overlay_layout.h"
#include "text_renderer.h"

namespace {

struct HelpRow {
    const char* keys;
    const char* action;
};

const char* const helpTitle = "Controls";

const HelpRow helpRows[] = {
    {"Up / Down arrows", "change depth"},
    {"Left mouse button", "hold and move to look around"},
    {"Ctrl+Q", "quit"},
    {"F1", "show or hide this help"},
    {"F2", "show or hide the frame rate"},
};

constexpr int keyCapPadding = 5;  // around a key name, left and right

int keyColumnWidth(const FontAtlas& atlas)
{
    int width = 0;
    for (const HelpRow& row : helpRows)
        width = std::max(width, textWidth(atlas, row.keys) + 2 * keyCapPadding);
    return width;
}

int actionColumnWidth(const FontAtlas& atlas)
{
    int width = 0;
    for (const HelpRow& row : helpRows)
        width = std::max(width, textWidth(atlas, row.action));
    return width;
}

int rowHeight(const FontAtlas& atlas)
{
    return atlas.lineHeight + rowGap;
}

int titleHeight(const FontAtlas& atlas)
{
    return atlas.lineHeight + rowGap;
}

}  // namespace

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

struct HelpLayout {
    PanelBox box;
    int keyColumn = 0;
    int actionColumn = 0;
};

HelpLayout helpLayout(const FontAtlas& atlas, int windowHeight)
{
    constexpr int rowCount = static_cast<int>(sizeof helpRows / sizeof helpRows[0]);
    HelpLayout layout;
    layout.keyColumn = keyColumnWidth(atlas);
    layout.actionColumn = actionColumnWidth(atlas);
    fitColumns(layout.keyColumn, layout.actionColumn);
    PanelBox& box = layout.box;
    box.width = 2 * panelPadding + layout.keyColumn + columnGap + layout.actionColumn;
    box.height = titleHeight(atlas) + panelPadding / 2 + rowCount * rowHeight(atlas) + panelPadding / 2;
    box.x = windowMargin;
    box.y = windowHeight - windowMargin - box.height;
    return layout;
}

}  // namespace

PanelBox helpPanelBox(const FontAtlas& atlas, int windowHeight)
{
    return helpLayout(atlas, windowHeight).box;
}

void addHelpPanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, int windowHeight, float opacity)
{
    const HelpLayout layout = helpLayout(atlas, windowHeight);
    const PanelBox& box = layout.box;
    const int title = titleHeight(atlas);
    addPanel(batch, theme, box, title, opacity);

    const Colour ink = faded(theme.ink, opacity);
    const int top = box.y + box.height;
    const int textLeft = box.x + panelPadding;
    const int textRight = box.x + box.width - panelPadding;
    // Text sits in the middle of its row: half the gap above, half below.
    addText(batch, atlas, helpTitle, textLeft, top - rowGap / 2 - atlas.ascent, faded(theme.textStrong, opacity), ink,
            textRight);

    const int keyRight = textLeft + layout.keyColumn;
    const int actionLeft = keyRight + columnGap;
    int rowTop = top - title - panelPadding / 2;
    for (const HelpRow& row : helpRows) {
        const int baseline = rowTop - rowGap / 2 - atlas.ascent;
        const int capRight = std::min(keyRight, textLeft + textWidth(atlas, row.keys) + 2 * keyCapPadding);
        addSolidQuad(batch, static_cast<float>(textLeft), static_cast<float>(baseline - atlas.descent - 1),
                     static_cast<float>(capRight), static_cast<float>(baseline + atlas.ascent + 1),
                     faded(theme.keyCap, opacity));
        addText(batch, atlas, row.keys, textLeft + keyCapPadding, baseline, faded(theme.textStrong, opacity), ink,
                capRight - keyCapPadding);
        addText(batch, atlas, row.action, actionLeft, baseline, faded(theme.text, opacity), ink, textRight);
        rowTop -= rowHeight(atlas);
    }
}
