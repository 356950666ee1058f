// The box the viewer swims in: a tiled rock sea floor at y = -50 (a display
// list compiled once) and a moving water surface at y = 50 (sent every frame).
#pragma once

#include "render/water_surface.h"

struct EnvironmentBox {
    unsigned floorList = 0;
    float minCorner[3] = {};
    float maxCorner[3] = {};
    float clock = 0.0f;  // seconds; moves the water

    // Compiles the floor list; needs the GL context and the rock texture.
    EnvironmentBox();
};

extern const float boxMinCorner[3];
extern const float boxMaxCorner[3];
extern const float floorColor[4];
extern const float waterColor[4];
constexpr float boxCellSize = 10.0f;


// The wobble terms the water is drawn with. Passed in so that a test can count
// how often they are evaluated; the frame always uses waterWaves.
struct WaterWaves {
    float (*cosine)(float x, float clock);
    float (*sine)(float z, float clock);
};
inline constexpr WaterWaves waterWaves = {waterWaveCos, waterWaveSin};

// The water surface of a box alone: 400 quads in immediate mode.
void drawWaterSurface(const EnvironmentBox& box, const WaterWaves& waves = waterWaves);
// Water surface, then the floor list, of *environmentBox.
void drawEnvironment();
// Deletes the floor list and the box.
void releaseEnvironmentBox(EnvironmentBox* box);
