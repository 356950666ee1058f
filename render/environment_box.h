// The box the viewer swims in: a tiled rock sea floor at y = -50 (a display
// list compiled once) and a moving water surface at y = 50 (sent every frame).
#pragma once

struct EnvironmentBox {
    unsigned floorList = 0;
    float minCorner[3] = {};
    float maxCorner[3] = {};
    float clock = 0.0f;  // seconds; moves the water

    // Compiles the floor list; needs the GL context and the rock texture.
    EnvironmentBox();
};

// The floor's display list for the box, compiled in the current GL context.
unsigned compileFloorList(const EnvironmentBox& box);

extern const float boxMinCorner[3];
extern const float boxMaxCorner[3];
extern const float floorColor[4];
extern const float waterColor[4];
constexpr float boxCellSize = 10.0f;
// The sea floor's depth below the water surface, in the measured waters'
// metres.
constexpr float seaFloorDepth = 100.0f;


// The water surface of a box alone: 400 quads in immediate mode.
void drawWaterSurface(const EnvironmentBox& box);
// Water surface, then the floor list, of *environmentBox.
void drawEnvironment();
// Deletes the floor list and the box.
void releaseEnvironmentBox(EnvironmentBox* box);
