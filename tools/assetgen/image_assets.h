// Writes the eleven PNG pictures the program loads into one folder, under the
// names of the program's texture table.
#pragma once

#include <string>

#include "raster.h"

// Prints one line on standard error for a file it cannot write and returns
// false; returns true when every picture was written.
bool writeImageAssets(const std::string& dir);

// Writes one picture as the assets are written (8-bit, every row up-filtered);
// prints one line on standard error and returns false when it cannot.
bool writeRaster(const std::string& path, const Raster& raster);
