#include "sun_image.h"

#include <cmath>

#include "colour_math.h"
#include "noise.h"

Raster makeSunImage(int size)
{
    Raster raster(size, size, 4);
    const float centre = static_cast<float>(size) * 0.5f;
    const Colour core{1.0f, 1.0f, 0.97f};
    const Colour glow{1.0f, 0.93f, 0.72f};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float dx = (static_cast<float>(x) + 0.5f - centre) / centre;
            float dy = (static_cast<float>(y) + 0.5f - centre) / centre;
            float r = std::sqrt(dx * dx + dy * dy);
            float angle = std::atan2(dy, dx);
            // Faint shafts of light, broken up by the waves above.
            float shafts = 0.5f + 0.5f * std::sin(angle * 9.0f + 1.3f * std::sin(angle * 4.0f));
            float shaftFlicker = 0.5f + 0.5f * gradientNoise(dx / (r + 1e-6f) * 3.0f + r, dy / (r + 1e-6f) * 3.0f, 64, 401u);
            float disc = 1.0f - smoothstep(0.10f, 0.16f, r);
            float inner = std::exp(-(r * r) / (0.22f * 0.22f));
            float outer = std::exp(-(r * r) / (0.45f * 0.45f)) * (0.75f + 0.25f * shafts * shaftFlicker);
            float alpha = disc + (1.0f - disc) * (0.85f * inner + 0.45f * outer);
            // The window takes alpha to exactly zero well inside the edge.
            alpha *= 1.0f - smoothstep(0.45f, sunFadeEnd, r);
            Colour colour = mix(glow, core, clamp01(disc + 0.6f * inner));
            unsigned char* pixel = raster.at(x, y);
            // Transparent pixels keep the glow's colour, so filtering never
            // pulls a dark fringe into the edge.
            putRgb(pixel, colour);
            pixel[3] = toByte(alpha);
        }
    }
    return raster;
}
