// What the GUI shows of the colour model: the model's name under the depth
// gauge (none for the simple rule) and the colour chart. Both are handed to
// the GUI only when the model, the depth or the chart's showing changes.
#pragma once

#include <array>

// Brings the GUI's name and chart up to date with colourModel, depth and
// colourChartShown; does nothing when none of them changed.
void syncColourOverlay();

// The 24 ColorChecker patches as 8-bit sRGB, in chart order: on the surface
// in daylight; at a depth as a camera set to daylight white balance records
// them, with its automatic exposure under the measured waters; and at a depth
// white-balanced on the chart's white patch (what a camera with custom white
// balance recovers).
struct ColourChartPatches {
    std::array<unsigned char, 24 * 3> surface;
    std::array<unsigned char, 24 * 3> atDepth;
    std::array<unsigned char, 24 * 3> whiteBalanced;
    double exposureStops = 0.0;  // how far the exposure was opened at depth
};
ColourChartPatches colourChartPatches(int model, float atDepth);
