// The depth colours in GL, and the fixed GL state: everything the scene shows
// is coloured by how far below the surface the viewer is, by the colour model
// in force (logic/colour_models.h).
#pragma once

extern float lightDiffuse[4];
extern float lightSpecular[4];
extern float ambientLight[4];
extern float lightPosition[4];       // directional, from (1, 4, 1)
extern const float baseClearColor[4];

// The daylight's diffuse and ambient shares of the light at a depth.
constexpr double daylightDiffuse = 0.4;
constexpr double daylightAmbient = 0.6;

#include "logic/colour_models.h"
#include "logic/depth_range.h"

// The clear and fog colour for the simple rule's factors (alpha 1).
void clearColorOf(const DepthFactors& factors, float rgba[4]);
// The clear and fog colour of a model at a depth: under the measured waters
// the water's veiling light, display-encoded.
void modelClearColor(int model, float atDepth, float rgba[4]);
// What a linear-light factor becomes for display-encoded colours lit by it,
// and the same for the three factors.
float displayScale(double linear);
DepthFactors displayFactors(const DepthFactors& linear);

struct LinearRgb;
// The gain on every colour of the scene in linear light: 1, or, once the eye
// has adapted (F7), what makes up for the light lost at the depth
// (logic/eye_adaptation.h).
double sceneExposure();
// A linear-light colour of the scene, exposed and display-encoded (alpha 1).
void exposedColour(const LinearRgb& linear, float rgba[4]);

void initGLState();
void applyDepthLighting();
