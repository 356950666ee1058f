#include "chart_panel.h"

#include <algorithm>
#include <cmath>

#include "overlay_layout.h"
#include "text_renderer.h"

namespace {

constexpr int swatchSize = 14;
constexpr int swatchGap = 2;
constexpr int plotHeight = 60;
constexpr int lineThickness = 2;
constexpr int largestGroupSide = 64;  // swatches along either side of a group: more is not a chart

float unit(float value)
{
    return std::isfinite(value) ? std::clamp(value, 0.0f, 1.0f) : 0.0f;
}

int groupWidth(const SwatchGroup& group)
{
    return group.columns > 0 ? group.columns * swatchSize + (group.columns - 1) * swatchGap : 0;
}

int groupHeight(const SwatchGroup& group)
{
    return group.rows > 0 ? group.rows * swatchSize + (group.rows - 1) * swatchGap : 0;
}

int columnWidth(const FontAtlas& atlas, const SwatchGroup& group)
{
    return std::max(groupWidth(group), textWidth(atlas, group.label.c_str()));
}

}  // namespace

void setChartContent(ChartPanel& chart, const OrlinChart* content)
{
    chart.hasContent = content != nullptr;
    chart.groups.clear();
    chart.lines.clear();
    if (content == nullptr)
        return;
    chart.title = content->title != nullptr ? content->title : "";
    for (int g = 0; content->groups != nullptr && g < content->groupCount; ++g) {
        const OrlinSwatchGroup& given = content->groups[g];
        SwatchGroup group;
        group.label = given.label != nullptr ? given.label : "";
        if (given.rgb != nullptr && given.columns > 0 && given.rows > 0 && given.columns <= largestGroupSide &&
            given.rows <= largestGroupSide) {
            group.columns = given.columns;
            group.rows = given.rows;
            for (int i = 0; i < given.columns * given.rows; ++i)
                group.colours.push_back({given.rgb[3 * i] / 255.0f, given.rgb[3 * i + 1] / 255.0f,
                                         given.rgb[3 * i + 2] / 255.0f, 1.0f});
        }
        chart.groups.push_back(std::move(group));
    }
    for (int l = 0; content->lines != nullptr && l < content->lineCount; ++l) {
        const OrlinPlotLine& given = content->lines[l];
        PlotLine line;
        if (given.values != nullptr)
            for (int i = 0; i < given.count; ++i)
                line.values.push_back(unit(given.values[i]));
        line.colour = given.colour != nullptr ? Colour{given.colour[0], given.colour[1], given.colour[2], given.colour[3]}
                                              : Colour{1.0f, 1.0f, 1.0f, 1.0f};
        chart.lines.push_back(std::move(line));
    }
    chart.marker = content->marker;
    chart.leftLabel = content->leftLabel != nullptr ? content->leftLabel : "";
    chart.rightLabel = content->rightLabel != nullptr ? content->rightLabel : "";
}

int addChartPanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const ChartPanel& chart, int x, int y,
                  int maxWidth)
{
    if (!chart.hasContent || (chart.groups.empty() && chart.lines.empty()))
        return 0;
    const int rowHeight = panelRowHeight(atlas);
    int contentWidth = 0;
    int swatchesHeight = 0;
    for (const SwatchGroup& group : chart.groups) {
        contentWidth += (contentWidth > 0 ? columnGap : 0) + columnWidth(atlas, group);
        swatchesHeight = std::max(swatchesHeight, groupHeight(group));
    }
    const bool hasGroups = !chart.groups.empty();
    const bool hasPlot = !chart.lines.empty();
    PanelBox box;
    box.x = x;
    box.y = y;
    box.width = std::min(maxWidth, std::max(contentWidth, 160) + 2 * panelPadding);
    box.height = rowHeight + panelPadding / 2 + (hasGroups ? rowHeight + swatchesHeight + panelPadding : 0) +
                 (hasPlot ? plotHeight + rowHeight : 0) + panelPadding / 2;
    const int firstBaseline = addTitledPanel(batch, atlas, theme, box, chart.title.c_str(), 1.0f);
    const int left = box.x + panelPadding;
    const int right = box.x + box.width - panelPadding;

    // The swatch groups, each under its label, cut off at the panel's edge.
    int top = firstBaseline + atlas.ascent + rowGap / 2;
    if (hasGroups) {
        int groupLeft = left;
        for (const SwatchGroup& group : chart.groups) {
            addText(batch, atlas, group.label.c_str(), groupLeft, top - rowGap / 2 - atlas.ascent, theme.text,
                    theme.ink, right);
            const int swatchTop = top - rowHeight;
            for (int row = 0; row < group.rows; ++row) {
                for (int column = 0; column < group.columns; ++column) {
                    const int x0 = groupLeft + column * (swatchSize + swatchGap);
                    const int y1 = swatchTop - row * (swatchSize + swatchGap);
                    if (x0 + swatchSize > right)
                        continue;
                    addSolidQuad(batch, static_cast<float>(x0), static_cast<float>(y1 - swatchSize),
                                 static_cast<float>(x0 + swatchSize), static_cast<float>(y1),
                                 group.colours[static_cast<std::size_t>(row * group.columns + column)]);
                }
            }
            groupLeft += columnWidth(atlas, group) + columnGap;
        }
        top -= rowHeight + swatchesHeight + panelPadding;
    }

    if (hasPlot) {
        // The plot's frame, then each line as a run of short steps, then the marker.
        const PanelBox frame{left, top - plotHeight, right - left, plotHeight};
        addOutline(batch, frame, 1, theme.divider);
        const float innerLeft = static_cast<float>(frame.x + 1);
        const float innerWidth = static_cast<float>(frame.width - 2);
        const float bottom = static_cast<float>(frame.y + 1);
        const float height = static_cast<float>(frame.height - 2 - lineThickness);
        for (const PlotLine& line : chart.lines) {
            const std::size_t n = line.values.size();
            for (std::size_t i = 0; n >= 2 && i + 1 < n; ++i) {
                const float x0 = innerLeft + innerWidth * static_cast<float>(i) / static_cast<float>(n - 1);
                const float x1 = innerLeft + innerWidth * static_cast<float>(i + 1) / static_cast<float>(n - 1);
                const float a = bottom + height * line.values[i];
                const float b = bottom + height * line.values[i + 1];
                addSolidQuad(batch, x0, std::min(a, b), x1, std::max(a, b) + lineThickness, line.colour);
            }
        }
        if (chart.marker >= 0.0f && chart.marker <= 1.0f) {
            const float mx = innerLeft + innerWidth * chart.marker;
            addSolidQuad(batch, mx - 1.0f, bottom, mx + 1.0f, bottom + height + lineThickness, theme.textStrong);
        }
        const int labelBaseline = frame.y - rowGap / 2 - atlas.ascent;
        addText(batch, atlas, chart.leftLabel.c_str(), left, labelBaseline, theme.text, theme.ink, right);
        const int rightLabelLeft = right - textWidth(atlas, chart.rightLabel.c_str());
        addText(batch, atlas, chart.rightLabel.c_str(), std::max(left, rightLabelLeft), labelBaseline, theme.text,
                theme.ink, right);
    }
    return box.height;
}
