// The depth gauge's two pictures, drawn pixel for pixel onto quads of the
// same size: the scale (41 x 246) and the arrow (54 x 10) that slides beside
// it. The arrow's quad starts 6 pixels left of the scale's.
#pragma once

#include "raster.h"

constexpr int depthScaleWidth = 41;
constexpr int depthScaleHeight = 246;
constexpr int depthArrowWidth = 54;
constexpr int depthArrowHeight = 10;

// Height above the scale's bottom edge where the arrow's centre line stands
// at `depth` (10 at the top, 90 at the bottom).
float depthScaleY(float depth);

// RGBA, transparent around the marks.
Raster makeDepthScale();
Raster makeDepthArrow();
