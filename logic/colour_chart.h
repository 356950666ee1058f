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

// Where red, orange and yellow light are gone: the depth below which a hue
// keeps less than 5 % of its surface light. A hue is a band of wavelengths,
// as spectral colours are commonly named (Bruno and Svoronos, CRC Handbook of
// Fundamental Spectroscopic Correlation Charts, 2005): yellow 565..590 nm,
// orange 590..625 nm, red 625..700 nm (the eye sees little past 700). In a
// measured water the band's daylight goes by the water's spectra; the simple
// rule has none, so there the band's own colour (its daylight seen by the
// observer, in linear sRGB) goes by the rule's red, green and blue factors.
struct HueBand {
    double from;  // nm, the band's first wavelength
    double to;    // nm, past its last
};
constexpr int goneHues = 3;
inline constexpr HueBand hueBands[goneHues] = {{625.0, 700.0}, {590.0, 625.0}, {565.0, 590.0}};
constexpr double goneFraction = 0.05;
// The depths for red, orange and yellow in that order; NaN for a hue that
// keeps more than that down to the model's deepest.
std::array<double, goneHues> goneDepths(int model);

// Daylight's spectrum at a depth as a strip of colours, 400 nm to 700 nm in
// 5 nm steps, 8-bit sRGB: each wavelength in its own colour (its D65 power
// through the CIE 1931 observer, CIE 15:2004 eq. 7.1, plus as little white as
// brings every sRGB channel to zero or more: a mixture with white keeps the
// dominant wavelength, by Grassmann's laws), so bright on the surface that
// the brightest is full, and darkened by what the water takes, exp(-Kd d)
// (under the simple rule, the colour's channels by the rule's factors).
constexpr int stripColours = 61;
std::array<unsigned char, stripColours * 3> spectrumStrip(int model, float atDepth);
