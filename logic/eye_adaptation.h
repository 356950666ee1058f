// How much brighter the scene shows once the eye has adapted to the light at
// a depth: one gain on every colour, as a camera's exposure is, so that a
// white surface facing the light keeps the brightness it has at the surface.
// The water's cast stays; only the loss of light overall is made up.
#pragma once

#include <string>

// The gain stops here: a thousandth of daylight is where colour vision ends.
// A white surface in daylight (10^4 lux and more) has a luminance of some
// 3000 cd/m^2 and more (L = E / pi for a white diffuser); a thousandth of
// that is below 5 cd/m^2, where the eye's cones give way to its rods and
// colours fade (CIE 191:2010, the mesopic range 0.005 to 5 cd/m^2). Deeper
// than that a diver sees the scene darken whatever the eye does.
constexpr double maxEyeAdaptation = 1000.0;

// The gain, 1 or more, in linear light: the reciprocal of the luminance a
// white surface facing the light keeps at `atDepth` (Rec. 709 weights, as
// the sRGB primaries have them; IEC 61966-2-1), capped at maxEyeAdaptation.
// Under the simple rule the factors dim display values, and are taken back to
// linear light first.
double eyeAdaptationGain(int model, float atDepth);

// What the screen says of it: "eye adapted: 6 times brighter", in the user's
// language, with the figure of `gain`.
std::string eyeAdaptationNotice(double gain);
