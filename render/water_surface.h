// Texture coordinates of the moving water surface. Along x the texture drifts
// with the clock and wobbles with a travelling cosine; along z it wobbles with
// a travelling sine. Wave period 25 units in space and 25 seconds in time.
#pragma once

constexpr float surfaceTexScale = 0.0625f;  // one texture repeat every 16 units
constexpr double waveFrequency = 0.04;      // cycles per unit

// The wobble terms, each evaluated once per grid line.
float waterWaveCos(float x, float clock);
float waterWaveSin(float z, float clock);

// s and t of a water vertex from its coordinate and wobble term.
float waterS(float x, float waveCos, float clock);
float waterT(float z, float waveSin);
