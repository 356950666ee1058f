// The sun seen through the surface: a soft disc and a larger additive glow,
// billboarded to face the viewer, fading out with depth: under the simple rule
// by the depth range, in a measured water by the water the beam comes through.
#pragma once

extern const float initialSunPosition[3];

struct SunAlphas {
    float inner;  // normally blended disc
    float outer;  // additive glow
};
SunAlphas sunAlphas(float atDepth);

void drawSun();
