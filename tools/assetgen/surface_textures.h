// The two tiled surfaces of the scene's box: both tile seamlessly, since the
// box repeats them many times across its faces.
#pragma once

#include "raster.h"

// A sandy sea floor strewn with stones and pebbles, lit from one side. RGB.
Raster makeRockTexture(int size);
// The water surface seen from below: a net of bright caustic lines. RGB.
Raster makeWaterTexture(int size);
