// What lies at a distance in the water looks like: its own light dimmed by
// the water on the way to the eye, and veiled by the light the water itself
// scatters toward the eye. Akkaynak and Treibitz (2018), "A revised
// underwater image formation model", CVPR, eq. 1 with one coefficient per
// channel: I = J exp(-c z) + B (1 - exp(-c z)).
#pragma once

#include "optics/colorimetry.h"

// The veiling light B: the water seen far away, in linear sRGB brought into
// the gamut. Single scattering of the daylight E that reaches the depth,
// spread evenly over every direction: B = E b / (4 c) relative to a white
// surface facing the sun (whose light is E / pi against the water's
// E b / (4 pi c)).
LinearRgb veilingLight(double chlorophyll, double depthMetres);

// Per channel, how much of a surface's light, lit by the daylight at the
// depth, reaches an eye `distanceMetres` away: the scale that best carries the
// ColorChecker's patches onto themselves seen through that water.
LinearRgb pathTransmission(double chlorophyll, double depthMetres, double distanceMetres);

// The torch: CIE D65 (a daylight-balanced lamp), reflected by the
// ColorChecker's patches `distanceMetres` away and back to the eye, so
// through twice the distance; per channel, against the same in air.
LinearRgb torchTransmission(double chlorophyll, double distanceMetres);

// The veil and each channel's beam attenuation (1/m, from the transmission
// through one metre), tabled per water type on first use over 0..100 m in
// quarter metres: cheap enough for a frame.
struct WaterView {
    LinearRgb veil;
    LinearRgb attenuation;
};
WaterView waterView(int waterType, double depthMetres);
