// What the colour chart shows: the ColorChecker's patches as a camera
// records them at a depth, the depth in its units, and the model's factors
// over the depth range. Pure computation; the GUI is handed it elsewhere.
#pragma once

#include <array>
#include <string>

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
    // Red, green and blue: whether the light has lost the channel beyond what
    // any white balance brings back (the balanced swatches then mean nothing).
    std::array<bool, 3> channelLost{};
};
ColourChartPatches colourChartPatches(int model, float atDepth);

// Whether a channel is lost at a depth: at this depth or any shallower one
// of the model, the channel's factor, opened up by the camera's widest
// exposure, stays under one step of an 8-bit picture. The water only ever
// takes light away, so a channel once lost stays lost deeper down.
std::array<bool, 3> lostChannels(int model, float atDepth);

// The depth as the gauge's label and the chart say it: metres (and feet)
// under the measured waters; the simple rule's depth has no unit.
std::string depthText(int model, double atDepth, bool withFeet);

// Where a depth lies along the plot's depth axis (0 at the model's shallow
// end, 1 at its deep end), and the depth at such a place. The simple rule's
// axis is linear; the measured waters' goes by the square root of the depth,
// so the first 10 m, where red, orange and yellow go, take a third of it.
double chartAxisFraction(int model, double atDepth);
double chartAxisDepth(int model, double fraction);

// The model's red, green and blue factors at evenly spaced places along the
// plot's depth axis, from the surface end to the sea floor end.
struct ChartPlot {
    static constexpr int points = 81;
    float red[points];
    float green[points];
    float blue[points];
};
ChartPlot chartPlot(int model);
