// Deterministic noise for the generated pictures. Every function tiles: its
// pattern repeats after `period` lattice cells in x and in y, so a picture
// that samples one full period across each side joins seamlessly when tiled.
#pragma once

#include <cstdint>

// A well-mixed 32-bit hash of a lattice point and a seed.
std::uint32_t hashPoint(int x, int y, std::uint32_t seed);
// The hash as a float in [0, 1).
float hashUnit(int x, int y, std::uint32_t seed);

// Gradient noise in about [-1, 1] at (x, y) in lattice units.
float gradientNoise(float x, float y, int period, std::uint32_t seed);

// Fractal sum of `octaves` gradient-noise layers, each twice the frequency
// and half the amplitude of the one before; about [-1, 1].
float fractalNoise(float x, float y, int period, int octaves, std::uint32_t seed);

// The one feature point of lattice cell (cx, cy), at a random place inside
// the cell; cells a whole period apart share their point's place and id.
struct CellFeature {
    float x = 0.0f;  // in lattice units
    float y = 0.0f;
    std::uint32_t id = 0;
};
CellFeature cellFeature(int cx, int cy, int period, std::uint32_t seed);

// Cellular noise over those feature points.
struct CellSample {
    float nearest = 0.0f;        // distance to the nearest feature point, in cells
    float secondNearest = 0.0f;  // distance to the second nearest
    float offsetX = 0.0f;        // from the nearest feature point to the sample
    float offsetY = 0.0f;
    std::uint32_t cellId = 0;    // hash of the nearest point's cell, stable across the wrap
};
CellSample cellularNoise(float x, float y, int period, std::uint32_t seed);
