// The program's icon for desktop menus: a mackerel facing left on a rounded
// square of sea blue, drawn at any size from one description so it stays
// recognisable at 48 pixels as well as at 256.
#pragma once

#include "raster.h"

// The sizes the desktop installs, in pixels, and the file written for each.
constexpr int appIconSizes[] = {48, 128, 256};

// RGBA, size x size; transparent outside the rounded square.
Raster makeAppIcon(int size);
