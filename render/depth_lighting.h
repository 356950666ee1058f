// The depth colour model: everything the scene shows is coloured by how far
// below the surface the viewer is. Under the simple rule red is gone 20 units
// down and green and blue fade out linearly to black at depth 90; the
// measured water types take the factors from sea water's spectra instead.
#pragma once

extern float lightDiffuse[4];
extern float lightSpecular[4];
extern float ambientLight[4];
extern float lightPosition[4];       // directional, from (1, 4, 1)
extern const float baseClearColor[4];

#include "logic/depth_range.h"

// Per-channel attenuation at a depth, each clamped to 0..1.
struct DepthFactors {
    float red;
    float green;
    float blue;
};
// The simple rule.
DepthFactors depthFactors(float atDepth);

// The colour models depth can take the colours by: the simple rule first,
// then the measured water types (depth in metres).
int colourModelCount();
const char* colourModelName(int model);
DepthFactors modelDepthFactors(int model, float atDepth);

// The clear and fog colour for a depth's factors (alpha 1).
void clearColorOf(const DepthFactors& factors, float rgba[4]);
// The same under the simple rule.
void depthClearColor(float atDepth, float rgba[4]);

void initGLState();
void applyDepthLighting();
