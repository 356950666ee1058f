// Writing a raster as an 8-bit RGB or RGBA PNG file.
#pragma once

#include <string>

#include "raster.h"

// On failure returns false and puts the reason in *error.
bool writePng(const std::string& path, const Raster& raster, std::string* error);
