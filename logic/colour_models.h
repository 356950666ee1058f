// The colour models depth can take the scene's colours by: the simple rule
// (red gone 20 units down, green and blue fading out linearly to black at the
// sea floor end) first, then the measured water types, whose depth is in
// metres and whose factors come from sea water's spectra.
#pragma once

#include "logic/depth_range.h"

// Per-channel attenuation at a depth, each clamped to 0..1.
struct DepthFactors {
    float red;
    float green;
    float blue;
};

// Under the simple rule red fades out over this many units below the surface end.
constexpr double redFadeDepth = 20.0;

// The simple rule.
DepthFactors depthFactors(float atDepth);

int colourModelCount();
const char* colourModelName(int model);
DepthFactors modelDepthFactors(int model, float atDepth);

// Whether a model is one of the measured water types (model - 1 is then the
// water type).
bool measuredModel(int model);

// The depths a model takes: the simple rule 10..90, the measured waters from
// just below the surface to 90 m.
DepthRange modelDepthRange(int model);
