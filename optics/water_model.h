// How sea water filters daylight: the Case-1 model of Morel and Maritorena
// (2001), in which the diffuse attenuation of downwelling light is
//   Kd(lambda) = Kw(lambda) + chi(lambda) * Chl^e(lambda)
// for a chlorophyll concentration Chl in mg/m^3, and the light that reaches
// depth d (metres) is daylight times exp(-Kd * d).
#pragma once

#include "language/translation.h"
#include "optics/colorimetry.h"

struct WaterType {
    const char* name;
    double chlorophyll;  // mg/m^3
};

constexpr int waterTypeCount = 3;
inline constexpr WaterType waterTypes[waterTypeCount] = {
    {N_("Clear ocean"), 0.03},
    {N_("Open ocean"), 0.3},
    {N_("Green coastal water"), 3.0},
};

// Kd in 1/m at a wavelength of the spectral grid (380..780 nm).
double diffuseAttenuation(double wavelength, double chlorophyll);
// Pure water's absorption in 1/m (Pope and Fry, 1997; its last value past
// 727.5 nm).
double pureWaterAbsorptionAt(double wavelength);

// Daylight as it reaches depthMetres.
Spectrum lightAtDepth(double chlorophyll, double depthMetres);

// What a channel of the scene keeps at a depth, relative to the surface.
struct ChannelFactors {
    float red;
    float green;
    float blue;
};

// How much of each linear sRGB channel a surface keeps at depthMetres: the
// per-channel scale that best maps the ColorChecker's patches in daylight onto
// the same patches in the light at that depth (least squares). (1, 1, 1) at
// the surface, each factor within 0..1. Computed from the spectra: for
// start-up and tables, not frames.
ChannelFactors computeWaterFactors(double chlorophyll, double depthMetres);

// The same, read from a table of the water type built on first use
// (0..100 m in quarter metres, linear in between): cheap enough for a frame.
ChannelFactors waterFactors(int waterType, double depthMetres);
