// What the GUI shows of the colour model: the model's name under the depth
// gauge (none for the simple rule; in full screen the depth in large figures
// with the name, in every model) and the colour chart. Both are handed to
// the GUI only when the model, the depth or the chart's showing changes.
#pragma once

// Brings the GUI's name and chart up to date with colourModel, depth and
// colourChartShown; does nothing when none of them changed.
void syncColourOverlay();
