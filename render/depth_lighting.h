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

// Whether a model is one of the measured water types.
bool measuredModel(int model);

// The clear and fog colour for the simple rule's factors (alpha 1).
void clearColorOf(const DepthFactors& factors, float rgba[4]);
// The clear and fog colour of a model at a depth: under the measured waters
// the water's veiling light, display-encoded.
void modelClearColor(int model, float atDepth, float rgba[4]);
// What linear-light factors become for display-encoded colours lit by them.
DepthFactors displayFactors(const DepthFactors& linear);

void initGLState();
void applyDepthLighting();
