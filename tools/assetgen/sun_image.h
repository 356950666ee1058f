// The sun seen through the water: a soft glow on a transparent square.
#pragma once

#include "raster.h"

// RGBA. Alpha is 0 from sunFadeEnd of the half-size outwards, so the
// billboard's square never shows.
constexpr float sunFadeEnd = 0.82f;
Raster makeSunImage(int size);
