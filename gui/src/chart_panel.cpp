#include "chart_panel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "library_texts.h"
#include "message_text.h"
#include "text_renderer.h"

namespace {

constexpr int largestGroupSide = 64;  // swatches along either side of a group: more is not a chart
constexpr int narrowestChart = 160;   // at scale 1, for a chart with little in it
constexpr int largestBand = 1024;     // colours in the strip: more than a panel has pixels

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

std::string textOf(const char* text)
{
    return text != nullptr ? text : "";
}

Colour colourOf(const float* rgba)
{
    return rgba != nullptr ? Colour{rgba[0], rgba[1], rgba[2], rgba[3]} : Colour{1.0f, 1.0f, 1.0f, 1.0f};
}

bool onPlot(float at)
{
    return at >= 0.0f && at <= 1.0f;
}

ChartPanel copied(const OrlinChart& content)
{
    ChartPanel chart;
    chart.hasContent = true;
    chart.title = content.title != nullptr ? content.title : "";
    for (int g = 0; content.groups != nullptr && g < content.groupCount; ++g) {
        const OrlinSwatchGroup& given = content.groups[g];
        SwatchGroup group;
        group.label = textOf(given.label);
        if (content.groupNotes != nullptr)
            group.note = textOf(content.groupNotes[g]);
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
        line.colour = colourOf(given.colour);
        chart.lines.push_back(std::move(line));
        if (content.lineNames != nullptr)
            chart.lineNames.push_back(textOf(content.lineNames[l]));
    }
    chart.legendTail = textOf(content.legendTail);
    chart.percentScale = content.percentScale;
    chart.markerLabel = textOf(content.markerLabel);
    for (int k = 0; content.marks != nullptr && k < content.markCount; ++k) {
        const OrlinPlotMark& given = content.marks[k];
        if (onPlot(given.at))
            chart.marks.push_back({given.at, colourOf(given.colour), textOf(given.label)});
    }
    for (int i = 0; content.band != nullptr && i < content.bandCount && i < largestBand; ++i)
        chart.band.push_back(
            {content.band[3 * i] / 255.0f, content.band[3 * i + 1] / 255.0f, content.band[3 * i + 2] / 255.0f, 1.0f});
    chart.bandLabel = textOf(content.bandLabel);
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
           a.rightLabel == b.rightLabel && a.lineNames == b.lineNames && a.legendTail == b.legendTail &&
           a.percentScale == b.percentScale && a.markerLabel == b.markerLabel && a.marks == b.marks &&
           a.band == b.band && a.bandLabel == b.bandLabel;
}

struct ChartParts {
    int contentWidth = 0;
    int swatchesHeight = 0;
    bool hasGroups = false;
    bool hasPlot = false;
    bool hasLegend = false;
    bool hasBand = false;
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
    parts.hasLegend = parts.hasPlot && (!chart.lineNames.empty() || !chart.legendTail.empty());
    parts.hasBand = !chart.band.empty();
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
    if (!chart.hasContent || (chart.groups.empty() && chart.lines.empty() && chart.band.empty()))
        return {};
    const OverlayMetrics& m = style.size;
    const int rowHeight = panelRowHeight(style);
    const ChartParts parts = chartParts(style, chart);
    const int narrowest = static_cast<int>(std::lround(narrowestChart * m.scale));
    PanelBox box;
    box.width = std::min(maxWidth, std::max(parts.contentWidth, narrowest) + 2 * m.panelPadding);
    box.height = rowHeight + m.panelPadding / 2 +
                 (parts.hasGroups ? rowHeight + parts.swatchesHeight + m.panelPadding : 0) +
                 (parts.hasBand ? rowHeight : 0) +
                 (parts.hasPlot ? m.plotHeight + rowHeight : 0) +
                 m.panelPadding / 2;
    return box;
}

namespace {

// Lines of text from the top of an area down, each cut off at `right`.
void addLines(QuadBatch& batch, const PanelStyle& style, const std::string& lines, int x, int top, int right)
{
    int baseline = top - style.atlas.ascent;
    std::size_t start = 0;
    while (start <= lines.size()) {
        const std::size_t end = std::min(lines.find('\n', start), lines.size());
        addText(batch, style, lines.substr(start, end - start).c_str(), x, baseline, style.theme.text, right);
        baseline -= style.atlas.lineHeight;
        start = end + 1;
    }
}

// The names of the lines, each in its line's colour, then the tail: its width,
// and the legend itself when `batch` is given.
int addLegend(QuadBatch* batch, const PanelStyle& style, const ChartPanel& chart, int x, int baseline, int right)
{
    const char* separator = ", ";
    const int start = x;
    const auto add = [&](const char* text, const Colour& colour) {
        if (batch != nullptr)
            addText(*batch, style, text, x, baseline, colour, right);
        x += textWidth(style.atlas, text);
    };
    for (std::size_t i = 0; i < chart.lineNames.size() && i < chart.lines.size(); ++i) {
        if (i > 0)
            add(separator, style.theme.text);
        add(chart.lineNames[i].c_str(), chart.lines[i].colour);
    }
    if (!chart.legendTail.empty()) {
        if (!chart.lineNames.empty())
            add(" ", style.theme.text);
        add(chart.legendTail.c_str(), style.theme.text);
    }
    return x - start;
}

}  // namespace

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

    // The swatch groups, each under its label, cut off at the panel's edge; a
    // group with a note shows its words in the swatches' place.
    int top = firstBaseline + atlas.ascent + m.rowGap / 2;
    if (parts.hasGroups) {
        int groupLeft = left;
        for (const SwatchGroup& group : chart.groups) {
            addText(batch, style, group.label.c_str(), groupLeft, top - m.rowGap / 2 - atlas.ascent, theme.text,
                    right);
            const int swatchTop = top - rowHeight;
            const int width = columnWidth(style, group);
            if (!group.note.empty()) {
                const int lines = std::max(1, parts.swatchesHeight / std::max(1, atlas.lineHeight));
                const std::string wrapped = wrapMessage(atlas, group.note, width, lines);
                addLines(batch, style, wrapped, groupLeft, swatchTop, std::min(right, groupLeft + width));
                groupLeft += width + m.columnGap;
                continue;
            }
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
            groupLeft += width + m.columnGap;
        }
        top -= rowHeight + parts.swatchesHeight + m.panelPadding;
    }

    // The strip of colours in one row with its label, to the panel's edge.
    if (parts.hasBand) {
        const int baseline = top - m.rowGap / 2 - atlas.ascent;
        addText(batch, style, chart.bandLabel.c_str(), left, baseline, theme.text, right);
        const int labelWidth = textWidth(atlas, chart.bandLabel.c_str());
        const float from = static_cast<float>(labelWidth > 0 ? left + labelWidth + m.columnGap / 2 : left);
        const float width = static_cast<float>(right) - from;
        const std::size_t n = chart.band.size();
        for (std::size_t i = 0; width > 0.0f && i < n; ++i) {
            const float x0 = from + width * static_cast<float>(i) / static_cast<float>(n);
            const float x1 = from + width * static_cast<float>(i + 1) / static_cast<float>(n);
            addSolidQuad(batch, x0, static_cast<float>(baseline), x1, static_cast<float>(baseline + atlas.ascent),
                         chart.band[i]);
        }
        top -= rowHeight;
    }

    if (parts.hasPlot) {
        // A scale of 0, 50 and 100 % left of the plot, when asked for.
        const std::string full = withDecimalSeparator(orlinText("100 %"));
        const int scaleWidth = chart.percentScale ? textWidth(atlas, full.c_str()) + m.keyCapPadding : 0;
        // The plot's frame, then each line as a run of short steps, then the marks and the marker.
        const PanelBox frame{left + scaleWidth, top - m.plotHeight, right - left - scaleWidth, m.plotHeight};
        addOutline(batch, frame, m.line, theme.divider);
        const float inset = static_cast<float>(m.line);
        const float thickness = static_cast<float>(m.plotLineThickness);
        const float innerLeft = static_cast<float>(frame.x) + inset;
        const float innerWidth = static_cast<float>(frame.width) - 2.0f * inset;
        const float bottom = static_cast<float>(frame.y) + inset;
        const float height = static_cast<float>(frame.height) - 2.0f * inset - thickness;
        if (chart.percentScale) {
            const float middle = bottom + 0.5f * height + 0.5f * thickness;
            addSolidQuad(batch, innerLeft, middle - 0.5f * inset, innerLeft + innerWidth, middle + 0.5f * inset,
                         theme.divider);
            const int labelRight = frame.x - m.keyCapPadding;
            const struct {
                const char* text;
                int baseline;
            } scale[] = {{full.c_str(), frame.y + frame.height - atlas.ascent},
                         {"50", static_cast<int>(std::lround(middle)) - atlas.ascent / 2},
                         {"0", frame.y}};
            for (const auto& step : scale)
                addText(batch, style, step.text, labelRight - textWidth(atlas, step.text), step.baseline, theme.text,
                        labelRight);
        }
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
        // The legend in the plot's top right corner, where the light left at
        // depth never reaches. The marker's line stops short of it rather
        // than strike through its words.
        const int legendWidth = parts.hasLegend ? addLegend(nullptr, style, chart, 0, 0, right) : 0;
        const int legendBaseline = frame.y + frame.height - m.line - atlas.ascent;
        const int legendX = std::max(frame.x + 2 * m.line, frame.x + frame.width - 2 * m.line - legendWidth);
        if (parts.hasLegend)
            addLegend(&batch, style, chart, legendX, legendBaseline, right - m.line);
        if (onPlot(chart.marker)) {
            const float mx = innerLeft + innerWidth * chart.marker;
            float lineTop = bottom + height + thickness;
            if (parts.hasLegend && mx + inset >= static_cast<float>(legendX - m.line) &&
                mx - inset <= static_cast<float>(legendX + legendWidth + m.line))
                lineTop = std::min(lineTop, static_cast<float>(legendBaseline - atlas.descent - m.line));
            addSolidQuad(batch, mx - inset, bottom, mx + inset, lineTop, theme.textStrong);
        }
        // Each mark a tick on the plot's floor with its word beside it, left
        // of the tick or else right of it; a word that would run into one
        // already placed goes a line higher if that stays clear of the
        // legend, and is left out otherwise.
        const int tickHeight = m.plotHeight / 5;
        std::vector<std::pair<int, int>> placed[2];
        for (const PlotMark& mark : chart.marks) {
            const float mx = innerLeft + innerWidth * mark.at;
            addSolidQuad(batch, mx - inset, bottom, mx + inset, bottom + static_cast<float>(tickHeight), mark.colour);
            const int width = textWidth(atlas, mark.label.c_str());
            const int tick = static_cast<int>(std::lround(mx));
            const int lowest = frame.x + m.line;
            const int highest = std::max(lowest, frame.x + frame.width - m.line - width);
            const int sides[2] = {std::clamp(tick - 2 * m.line - width, lowest, highest),
                                  std::clamp(tick + 2 * m.line, lowest, highest)};
            bool done = false;
            for (int level = 0; level < 2 && !done; ++level) {
                const int baseline = frame.y + m.line + atlas.descent + level * atlas.lineHeight;
                if (level > 0 && baseline + atlas.ascent > legendBaseline - atlas.descent)
                    break;
                for (const int x : sides) {
                    bool free = true;
                    for (const auto& [from, to] : placed[level])
                        free = free && (x + width + m.columnGap / 2 < from || x > to + m.columnGap / 2);
                    if (!free)
                        continue;
                    placed[level].push_back({x, x + width});
                    addText(batch, style, mark.label.c_str(), x, baseline, mark.colour, frame.x + frame.width);
                    done = true;
                    break;
                }
            }
        }
        int markerFrom = right;
        int markerTo = left;
        if (onPlot(chart.marker)) {
            const float mx = innerLeft + innerWidth * chart.marker;
            if (!chart.markerLabel.empty()) {
                const int width = textWidth(atlas, chart.markerLabel.c_str());
                markerFrom = std::clamp(static_cast<int>(std::lround(mx)) - width / 2, left, std::max(left, right - width));
                markerTo = markerFrom + width;
            }
        }
        // Under the plot: its two ends and, under the marker, where it stands;
        // an end's label that the marker's would run into gives way.
        const int labelBaseline = frame.y - m.rowGap / 2 - atlas.ascent;
        const int gap = m.columnGap / 2;
        if (markerTo > markerFrom)
            addText(batch, style, chart.markerLabel.c_str(), markerFrom, labelBaseline, theme.textStrong, right);
        const int leftLabelRight = frame.x + textWidth(atlas, chart.leftLabel.c_str());
        if (markerTo <= markerFrom || leftLabelRight + gap < markerFrom)
            addText(batch, style, chart.leftLabel.c_str(), frame.x, labelBaseline, theme.text, right);
        const int rightLabelLeft = std::max(frame.x, right - textWidth(atlas, chart.rightLabel.c_str()));
        if (markerTo <= markerFrom || rightLabelLeft > markerTo + gap)
            addText(batch, style, chart.rightLabel.c_str(), rightLabelLeft, labelBaseline, theme.text, right);
    }
}
