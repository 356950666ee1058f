// Benchmark inputs larger than any asset, written once into the bench data
// folder and reused by later runs.
#pragma once

#include <string>

// A smooth wavy sheet of one million triangles, 501,501 distinct vertices,
// every face a full a/b/c triangle and every number written with "%f" as
// common exporters do. Returns its path; empty on failure.
std::string millionTriangleObj();

// A 4096 by 4096 8-bit RGBA PNG of smooth gradients with fine noise, written
// with libpng's default compression. Returns its path; empty on failure.
std::string largeRgbaPng();
