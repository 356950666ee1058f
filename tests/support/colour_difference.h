// CIELAB and the CIEDE2000 colour difference, for tests that judge colours
// as a viewer would.
#pragma once

#include "optics/colorimetry.h"

struct Lab {
    double l, a, b;
};

// CIE 15:2004, eqs. 8.1-8.3, relative to the D65 white (0.95047, 1, 1.08883).
Lab cielab(const Xyz& xyz);
Lab cielabOfSrgbBytes(const unsigned char rgb[3]);
// The hue angle h_ab in degrees, 0..360.
double hueAngle(const Lab& lab);
// Sharma, Wu and Dalal (2005), "The CIEDE2000 color-difference formula",
// Color Res. Appl. 30(1), eqs. 1-22.
double deltaE2000(const Lab& first, const Lab& second);
