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

HelpColumns measureColumns(const PanelStyle& style, const std::vector<HelpRowText>& rows, std::size_t from,
                           std::size_t to)
{
    HelpColumns columns;
    for (std::size_t i = from; i < to && i < rows.size(); ++i) {
        columns.keys = std::max(columns.keys, textWidth(style.atlas, rows[i].keys.c_str()) + 2 * style.size.keyCapPadding);
        columns.actions = std::max(columns.actions, textWidth(style.atlas, rows[i].action.c_str()));
    }
    return columns;
}

// The panel's rows as drawn: one column of the full rows, or the brief rows
// in two columns (the first half left, the rest right).
struct HelpLayout {
    const std::vector<HelpRowText>* rows = nullptr;
    std::size_t perColumn = 0;
    HelpColumns left;
    HelpColumns right;  // none in the one-column form
    int width = 0;      // without the padding
};

HelpLayout helpLayout(const PanelStyle& style, const HelpPanel& help, int maxWidth)
{
    HelpLayout layout;
    const int inner = maxWidth - 2 * style.size.panelPadding;
    if (style.size.compact && !help.briefRows.empty()) {
        layout.rows = &help.briefRows;
        const std::size_t count = help.briefRows.size();
        layout.perColumn = (count + 1) / 2;
        layout.left = measureColumns(style, help.briefRows, 0, layout.perColumn);
        layout.right = measureColumns(style, help.briefRows, layout.perColumn, count);
        // The second column's key caps mark where it starts: one column gap
        // between the two is enough.
        layout.width = layout.left.keys + style.size.columnGap + layout.left.actions + style.size.columnGap +
                       layout.right.keys + style.size.columnGap + layout.right.actions;
        if (layout.width <= inner)
            return layout;
    }
    layout.rows = style.size.compact && !help.briefRows.empty() ? &help.briefRows : &help.rows;
    layout.perColumn = layout.rows->size();
    layout.left = measureColumns(style, *layout.rows, 0, layout.perColumn);
    layout.right = {};
    fitColumns(style.size, layout.left.keys, layout.left.actions, maxWidth);
    layout.width = layout.left.keys + style.size.columnGap + layout.left.actions;
    return layout;
}

void addHelpColumn(QuadBatch& batch, const PanelStyle& style, const std::vector<HelpRowText>& rows,
                   std::size_t from, std::size_t to, const HelpColumns& columns, int left, int right, int baseline)
{
    const FontAtlas& atlas = style.atlas;
    const OverlayMetrics& m = style.size;
    const Theme& theme = style.theme;
    const int keyRight = left + columns.keys;
    const int actionLeft = keyRight + m.columnGap;
    for (std::size_t i = from; i < to && i < rows.size(); ++i) {
        const HelpRowText& row = rows[i];
        const int capRight = std::min(keyRight, left + textWidth(atlas, row.keys.c_str()) + 2 * m.keyCapPadding);
        addSolidQuad(batch, static_cast<float>(left), static_cast<float>(baseline - atlas.descent - m.line),
                     static_cast<float>(capRight), static_cast<float>(baseline + atlas.ascent + m.line), theme.keyCap);
        addText(batch, style, row.keys.c_str(), left + m.keyCapPadding, baseline, theme.textStrong,
                capRight - m.keyCapPadding);
        addText(batch, style, row.action.c_str(), actionLeft, baseline, theme.text, right);
        baseline -= panelRowHeight(style);
    }
}

}  // namespace

PanelBox helpPanelSize(const PanelStyle& style, const HelpPanel& help, int maxWidth)
{
    if (help.rows.empty())
        return {};
    const HelpLayout layout = helpLayout(style, help, maxWidth);
    PanelBox box;
    box.width = 2 * style.size.panelPadding + layout.width;
    box.height = titledPanelHeight(style, static_cast<int>(layout.perColumn));
    return box;
}

void addHelpPanel(QuadBatch& batch, const PanelStyle& style, const HelpPanel& help, const PanelBox& box)
{
    if (help.rows.empty())
        return;
    const OverlayMetrics& m = style.size;
    const HelpLayout layout = helpLayout(style, help, box.width);
    const int baseline = addTitledPanel(batch, style, box, help.title.c_str());
    const int textLeft = box.x + m.panelPadding;
    const int textRight = box.x + box.width - m.panelPadding;
    if (layout.right.keys == 0) {
        addHelpColumn(batch, style, *layout.rows, 0, layout.perColumn, layout.left, textLeft, textRight, baseline);
        return;
    }
    const int secondLeft = textLeft + layout.left.keys + m.columnGap + layout.left.actions + m.columnGap;
    addHelpColumn(batch, style, *layout.rows, 0, layout.perColumn, layout.left, textLeft, secondLeft - m.columnGap,
                  baseline);
    addHelpColumn(batch, style, *layout.rows, layout.perColumn, layout.rows->size(), layout.right, secondLeft,
                  textRight, baseline);
}
