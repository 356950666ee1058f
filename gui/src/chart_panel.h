// The chart panel: labelled groups of colour swatches side by side, a strip of
// colours, and a line plot with its legend, scale and marks under them, in the
// bottom-left corner. The host hands over the content
// whenever it changes; the panel only lays it out and draws it.
#pragma once

#include <string>
#include <vector>

#include <orlin/orlin.h>

#include "panel.h"
#include "quad_batch.h"
#include "theme.h"

struct SwatchGroup {
    std::string label;
    int columns = 0;
    int rows = 0;
    std::vector<Colour> colours;  // row by row from the top left
    std::string note;             // words shown instead of the swatches
    bool operator==(const SwatchGroup&) const = default;
};

struct PlotLine {
    std::vector<float> values;
    Colour colour;
    bool operator==(const PlotLine&) const = default;
};

struct PlotMark {
    float at = -1.0f;
    Colour colour;
    std::string label;
    bool operator==(const PlotMark&) const = default;
};

struct ChartPanel {
    bool shown = false;
    bool hasContent = false;
    std::string title;
    std::vector<SwatchGroup> groups;
    std::vector<PlotLine> lines;
    float marker = -1.0f;
    std::string leftLabel;
    std::string rightLabel;
    std::vector<std::string> lineNames;  // one per line, or none
    std::string legendTail;
    bool percentScale = false;
    std::string markerLabel;
    std::vector<PlotMark> marks;
    std::vector<Colour> band;
    std::string bandLabel;
    unsigned version = 0;  // counts changes of the content
};

// Copies the host's chart; a null chart empties the panel. The version moves
// only when something the panel shows differs.
void setChartContent(ChartPanel& chart, const OrlinChart* content);

// The panel's size, at most maxWidth wide; nothing when there is nothing to draw.
PanelBox chartPanelSize(const PanelStyle& style, const ChartPanel& chart, int maxWidth);

// Adds the panel in `box`.
void addChartPanel(QuadBatch& batch, const PanelStyle& style, const ChartPanel& chart, const PanelBox& box);
