// The chart panel: labelled groups of colour swatches side by side and a line
// plot under them, in the bottom-left corner. The host hands over the content
// whenever it changes; the panel only lays it out and draws it.
#pragma once

#include <string>
#include <vector>

#include <orlin/orlin.h>

#include "font_atlas.h"
#include "panel.h"
#include "quad_batch.h"
#include "theme.h"

struct SwatchGroup {
    std::string label;
    int columns = 0;
    int rows = 0;
    std::vector<Colour> colours;  // row by row from the top left
};

struct PlotLine {
    std::vector<float> values;
    Colour colour;
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
};

// Copies the host's chart; a null chart empties the panel.
void setChartContent(ChartPanel& chart, const OrlinChart* content);

// Adds the panel at (x, y), its lower-left corner, at most maxWidth wide;
// returns its height (0 when there is nothing to draw).
int addChartPanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const ChartPanel& chart, int x, int y,
                  int maxWidth);
