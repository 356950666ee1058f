// One complete frame: depth colours, the orbiting camera, the scene, the
// depth gauge, the GUI overlay and the buffer swap.
#pragma once

// The gauge this frame draws over the scene.
#include "logic/gauge_geometry.h"

// Draws `texture` on a width x height quad whose lower-left corner is the
// current origin, in orlinWhite so the image shows in its own colours.
void drawOverlayQuad(unsigned texture, float width, float height);

// Perspective projection for the window's aspect ratio and the camera that
// orbits the focus point; leaves the model-view matrix current.
void setUpCamera();

// The scene alone in the current viewport: the depth's colours, the camera,
// the water, the sun and the fish; no overlay and no swap.
void drawScene();

void drawFrame();
