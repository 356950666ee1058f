#include "noise.h"

#include <cmath>
#include <numbers>

namespace {

int wrap(int v, int period)
{
    int r = v % period;
    return r < 0 ? r + period : r;
}

float fade(float t)
{
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

// Dot product of the corner's unit gradient with the offset to the sample.
float cornerContribution(int cx, int cy, float dx, float dy, int period, std::uint32_t seed)
{
    float angle = hashUnit(wrap(cx, period), wrap(cy, period), seed) * 2.0f * std::numbers::pi_v<float>;
    return std::cos(angle) * dx + std::sin(angle) * dy;
}

}  // namespace

std::uint32_t hashPoint(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA6Bu;
    h = (h ^ (h >> 15)) * 0x2C1B3C6Du;
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h = (h ^ (h >> 13)) * 0x297A2D39u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    return h;
}

float hashUnit(int x, int y, std::uint32_t seed)
{
    return static_cast<float>(hashPoint(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

float gradientNoise(float x, float y, int period, std::uint32_t seed)
{
    float fx = std::floor(x);
    float fy = std::floor(y);
    int ix = static_cast<int>(fx);
    int iy = static_cast<int>(fy);
    float dx = x - fx;
    float dy = y - fy;
    float n00 = cornerContribution(ix, iy, dx, dy, period, seed);
    float n10 = cornerContribution(ix + 1, iy, dx - 1.0f, dy, period, seed);
    float n01 = cornerContribution(ix, iy + 1, dx, dy - 1.0f, period, seed);
    float n11 = cornerContribution(ix + 1, iy + 1, dx - 1.0f, dy - 1.0f, period, seed);
    float u = fade(dx);
    float v = fade(dy);
    float bottom = n00 + (n10 - n00) * u;
    float top = n01 + (n11 - n01) * u;
    // The raw range is about +-0.7; stretch it towards +-1.
    return (bottom + (top - bottom) * v) * 1.4f;
}

float fractalNoise(float x, float y, int period, int octaves, std::uint32_t seed)
{
    float sum = 0.0f;
    float amplitude = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * gradientNoise(x, y, period, seed + static_cast<std::uint32_t>(i) * 101u);
        total += amplitude;
        x *= 2.0f;
        y *= 2.0f;
        period *= 2;
        amplitude *= 0.5f;
    }
    return sum / total;
}

CellFeature cellFeature(int cx, int cy, int period, std::uint32_t seed)
{
    int wx = wrap(cx, period);
    int wy = wrap(cy, period);
    return {static_cast<float>(cx) + 0.1f + 0.8f * hashUnit(wx, wy, seed),
            static_cast<float>(cy) + 0.1f + 0.8f * hashUnit(wx, wy, seed + 7u), hashPoint(wx, wy, seed + 13u)};
}

CellSample cellularNoise(float x, float y, int period, std::uint32_t seed)
{
    int ix = static_cast<int>(std::floor(x));
    int iy = static_cast<int>(std::floor(y));
    CellSample best;
    best.nearest = 1e9f;
    best.secondNearest = 1e9f;
    for (int oy = -1; oy <= 1; ++oy) {
        for (int ox = -1; ox <= 1; ++ox) {
            CellFeature feature = cellFeature(ix + ox, iy + oy, period, seed);
            float dx = x - feature.x;
            float dy = y - feature.y;
            float d = std::sqrt(dx * dx + dy * dy);
            if (d < best.nearest) {
                best.secondNearest = best.nearest;
                best.nearest = d;
                best.offsetX = dx;
                best.offsetY = dy;
                best.cellId = feature.id;
            } else if (d < best.secondNearest) {
                best.secondNearest = d;
            }
        }
    }
    return best;
}
