// What lies at a distance in the water looks like: its own light dimmed by
// the water on the way to the eye, and veiled by the light the water itself
// scatters toward the eye. Akkaynak and Treibitz (2018), "A revised
// underwater image formation model", CVPR, eq. 1 with one coefficient per
// channel: I = J exp(-c z) + B (1 - exp(-c z)).
#pragma once

#include "optics/colorimetry.h"

// The veiling light B: the water seen far away, looking level, in linear
// sRGB brought into the gamut, relative to a white surface facing the sun
// (whose radiance is E_d / pi). The daylight E_d that reaches the depth comes
// from above and is scattered sideways, at 90 degrees, into the line of
// sight all along it, at the same depth all the way; the light scattered on
// its way is lost in the quasi-single-scattering approximation of Gordon
// (1973), "Simple calculation of the diffuse reflectance of the ocean", Appl.
// Opt. 12(12), 2803-2804, which counts forward scattering as no scattering,
// so that light on a path is attenuated by c - b_f = a + b_b. The path
// radiance is then L = E_d beta(90) / (a + b_b), and
//   B = pi L / E_d = pi beta(90) / (a + b_b)
// with beta from water_iops.h. Sea water's particles scatter mostly forward,
// so beta(90) follows their backscattering (b_bp / b_p), not b_p.
LinearRgb veilingLight(double chlorophyll, double depthMetres);

// The same looking straight down: light from above scattered straight back,
// beta(180), gathered along a path that goes deeper, where the daylight is
// weaker by exp(-Kd s), so L = E_d beta(180) / (a + b_b + Kd). What the water
// surface mirrors outside Snell's window.
LinearRgb veilingLightBelow(double chlorophyll, double depthMetres);

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
    LinearRgb veilBelow;
    LinearRgb sunBeam;
};
WaterView waterView(int waterType, double depthMetres);

// The sun's direct beam after coming straight down through depthMetres of
// water, exp(-c(lambda) d) on daylight's spectrum: per channel, the scale
// that best carries the ColorChecker's patches in daylight onto the same
// patches in that beam. The second reads the table above.
LinearRgb sunBeamTransmission(double chlorophyll, double depthMetres);
LinearRgb sunTransmission(int waterType, double depthMetres);
