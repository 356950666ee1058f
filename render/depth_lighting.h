// The depth colour model: everything the scene shows is coloured by how far
// below the surface the viewer is. Red is gone 20 units down; green and blue
// fade out linearly to black at depth 90.
#pragma once

extern float lightDiffuse[4];
extern float lightSpecular[4];
extern float ambientLight[4];
extern float lightPosition[4];       // directional, from (1, 4, 1)
extern const float baseClearColor[4];

constexpr float minDepth = 10.0f;
constexpr float maxDepth = 90.0f;

// Per-channel attenuation at a depth, each clamped to 0..1.
struct DepthFactors {
    float red;
    float green;
    float blue;
};
DepthFactors depthFactors(float atDepth);

// The clear and fog colour at a depth (alpha 1).
void depthClearColor(float atDepth, float rgba[4]);

void initGLState();
void applyDepthLighting();
