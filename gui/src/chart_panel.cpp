#include "chart_panel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "text_renderer.h"

namespace {

constexpr int largestGroupSide = 64;  // swatches along either side of a group: more is not a chart
constexpr int narrowestChart = 160;   // at scale 1, for a chart with little in it

float unit(float value)
{
    return std::isfinite(value) ? std::clamp(value, 0.0f, 1.0f) : 0.0f;
}

int groupWidth(const OverlayMetrics& m, const SwatchGroup& group)
{
    return group.columns > 0 ? group.columns * m.swatchSize + (group.columns - 1) * m.swatchGap : 0;
}

int groupHeight(const OverlayMetrics& m, const SwatchGroup& group)
{
    return group.rows > 0 ? group.rows * m.swatchSize + (group.rows - 1) * m.swatchGap : 0;
}

int columnWidth(const PanelStyle& style, const SwatchGroup& group)
{
    return std::max(groupWidth(style.size, group), textWidth(style.atlas, group.label.c_str()));
}

ChartPanel copied(const OrlinChart& content)
{
    ChartPanel chart;
    chart.hasContent = true;
    chart.title = content.title != nullptr ? content.title : "";
    for (int g = 0; content.groups != nullptr && g < content.groupCount; ++g) {
        const OrlinSwatchGroup& given = content.groups[g];
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
    for (int l = 0; content.lines != nullptr && l < content.lineCount; ++l) {
        const OrlinPlotLine& given = content.lines[l];
        PlotLine line;
        if (given.values != nullptr)
            for (int i = 0; i < given.count; ++i)
                line.values.push_back(unit(given.values[i]));
        line.colour = given.colour != nullptr ? Colour{given.colour[0], given.colour[1], given.colour[2], given.colour[3]}
                                              : Colour{1.0f, 1.0f, 1.0f, 1.0f};
        chart.lines.push_back(std::move(line));
    }
    chart.marker = content.marker;
    chart.leftLabel = content.leftLabel != nullptr ? content.leftLabel : "";
    chart.rightLabel = content.rightLabel != nullptr ? content.rightLabel : "";
    return chart;
}

bool sameContent(const ChartPanel& a, const ChartPanel& b)
{
    // The marker is compared by its bits: NaN ("none") equals itself.
    return a.hasContent == b.hasContent && a.title == b.title && a.groups == b.groups && a.lines == b.lines &&
           std::memcmp(&a.marker, &b.marker, sizeof a.marker) == 0 && a.leftLabel == b.leftLabel &&
           a.rightLabel == b.rightLabel;
}

struct ChartParts {
    int contentWidth = 0;
    int swatchesHeight = 0;
    bool hasGroups = false;
    bool hasPlot = false;
};

ChartParts chartParts(const PanelStyle& style, const ChartPanel& chart)
{
    ChartParts parts;
    for (const SwatchGroup& group : chart.groups) {
        parts.contentWidth += (parts.contentWidth > 0 ? style.size.columnGap : 0) + columnWidth(style, group);
        parts.swatchesHeight = std::max(parts.swatchesHeight, groupHeight(style.size, group));
    }
    parts.hasGroups = !chart.groups.empty();
    parts.hasPlot = !chart.lines.empty();
    return parts;
}

}  // namespace

void setChartContent(ChartPanel& chart, const OrlinChart* content)
{
    ChartPanel next = content != nullptr ? copied(*content) : ChartPanel{};
    next.shown = chart.shown;
    next.version = chart.version;
    if (!sameContent(chart, next))
        ++next.version;
    chart = std::move(next);
}

PanelBox chartPanelSize(const PanelStyle& style, const ChartPanel& chart, int maxWidth)
{
    if (!chart.hasContent || (chart.groups.empty() && chart.lines.empty()))
        return {};
    const OverlayMetrics& m = style.size;
    const int rowHeight = panelRowHeight(style);
    const ChartParts parts = chartParts(style, chart);
    const int narrowest = static_cast<int>(std::lround(narrowestChart * m.scale));
    PanelBox box;
    box.width = std::min(maxWidth, std::max(parts.contentWidth, narrowest) + 2 * m.panelPadding);
    box.height = rowHeight + m.panelPadding / 2 +
                 (parts.hasGroups ? rowHeight + parts.swatchesHeight + m.panelPadding : 0) +
                 (parts.hasPlot ? m.plotHeight + rowHeight : 0) + m.panelPadding / 2;
    return box;
}

void addChartPanel(QuadBatch& batch, const PanelStyle& style, const ChartPanel& chart, const PanelBox& box)
{
    if (box.width <= 0 || box.height <= 0)
        return;
    const FontAtlas& atlas = style.atlas;
    const Theme& theme = style.theme;
    const OverlayMetrics& m = style.size;
    const int rowHeight = panelRowHeight(style);
    const ChartParts parts = chartParts(style, chart);
    const int firstBaseline = addTitledPanel(batch, style, box, chart.title.c_str());
    const int left = box.x + m.panelPadding;
    const int right = box.x + box.width - m.panelPadding;

    // The swatch groups, each under its label, cut off at the panel's edge.
    int top = firstBaseline + atlas.ascent + m.rowGap / 2;
    if (parts.hasGroups) {
        int groupLeft = left;
        for (const SwatchGroup& group : chart.groups) {
            addText(batch, style, group.label.c_str(), groupLeft, top - m.rowGap / 2 - atlas.ascent, theme.text,
                    right);
            const int swatchTop = top - rowHeight;
            for (int row = 0; row < group.rows; ++row) {
                for (int column = 0; column < group.columns; ++column) {
                    const int x0 = groupLeft + column * (m.swatchSize + m.swatchGap);
                    const int y1 = swatchTop - row * (m.swatchSize + m.swatchGap);
                    if (x0 + m.swatchSize > right)
                        continue;
                    addSolidQuad(batch, static_cast<float>(x0), static_cast<float>(y1 - m.swatchSize),
                                 static_cast<float>(x0 + m.swatchSize), static_cast<float>(y1),
                                 group.colours[static_cast<std::size_t>(row * group.columns + column)]);
                }
            }
            groupLeft += columnWidth(style, group) + m.columnGap;
        }
        top -= rowHeight + parts.swatchesHeight + m.panelPadding;
    }

    if (parts.hasPlot) {
        // The plot's frame, then each line as a run of short steps, then the marker.
        const PanelBox frame{left, top - m.plotHeight, right - left, m.plotHeight};
        addOutline(batch, frame, m.line, theme.divider);
        const float inset = static_cast<float>(m.line);
        const float thickness = static_cast<float>(m.plotLineThickness);
        const float innerLeft = static_cast<float>(frame.x) + inset;
        const float innerWidth = static_cast<float>(frame.width) - 2.0f * inset;
        const float bottom = static_cast<float>(frame.y) + inset;
        const float height = static_cast<float>(frame.height) - 2.0f * inset - thickness;
        for (const PlotLine& line : chart.lines) {
            const std::size_t n = line.values.size();
            for (std::size_t i = 0; n >= 2 && i + 1 < n; ++i) {
                const float x0 = innerLeft + innerWidth * static_cast<float>(i) / static_cast<float>(n - 1);
                const float x1 = innerLeft + innerWidth * static_cast<float>(i + 1) / static_cast<float>(n - 1);
                const float a = bottom + height * line.values[i];
                const float b = bottom + height * line.values[i + 1];
                addSolidQuad(batch, x0, std::min(a, b), x1, std::max(a, b) + thickness, line.colour);
            }
        }
        if (chart.marker >= 0.0f && chart.marker <= 1.0f) {
            const float mx = innerLeft + innerWidth * chart.marker;
            addSolidQuad(batch, mx - inset, bottom, mx + inset, bottom + height + thickness, theme.textStrong);
        }
        const int labelBaseline = frame.y - m.rowGap / 2 - atlas.ascent;
        addText(batch, style, chart.leftLabel.c_str(), left, labelBaseline, theme.text, right);
        const int rightLabelLeft = right - textWidth(atlas, chart.rightLabel.c_str());
        addText(batch, style, chart.rightLabel.c_str(), std::max(left, rightLabelLeft), labelBaseline, theme.text,
                right);
    }
}
