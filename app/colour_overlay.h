// What the GUI shows of the colour model: under the depth gauge the depth in
// large figures with the model's name, in every model; the names of the two
// views while F8 shows the surface beside the depth; and the colour chart. Both are handed to
// the GUI only when the model, the depth or the chart's showing changes.
#pragma once

// Brings the GUI's name and chart up to date with colourModel, depth and
// colourChartShown; does nothing when none of them changed.
void syncColourOverlay();
