#include "render/water_surface.h"

#include <cmath>
#include <numbers>

namespace {

float wavePhase(float u, float clock)
{
    double phase = (static_cast<double>(u) - static_cast<double>(clock)) * waveFrequency * 2.0 * std::numbers::pi;
    return static_cast<float>(phase);
}

}  // namespace

float waterWaveCos(float x, float clock)
{
    return static_cast<float>(std::cos(static_cast<double>(wavePhase(x, clock))));
}

float waterWaveSin(float z, float clock)
{
    return static_cast<float>(std::sin(static_cast<double>(wavePhase(z, clock))));
}

float waterS(float x, float waveCos, float clock)
{
    double sum = static_cast<double>(x) + static_cast<double>(waveCos) - static_cast<double>(clock);
    return static_cast<float>(sum * surfaceTexScale);
}

float waterT(float z, float waveSin)
{
    double sum = static_cast<double>(z) + static_cast<double>(waveSin);
    return static_cast<float>(sum * surfaceTexScale);
}
