// Small colour and interpolation helpers shared by the picture generators.
#pragma once

#include <algorithm>
#include <cmath>

struct Colour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

inline float clamp01(float v)
{
    return std::clamp(v, 0.0f, 1.0f);
}

inline float smoothstep(float edge0, float edge1, float v)
{
    float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

inline float mix(float a, float b, float t)
{
    return a + (b - a) * t;
}

inline Colour mix(const Colour& a, const Colour& b, float t)
{
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)};
}

inline Colour scale(const Colour& c, float k)
{
    return {c.r * k, c.g * k, c.b * k};
}

inline Colour add(const Colour& a, const Colour& b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

inline unsigned char toByte(float v)
{
    return static_cast<unsigned char>(std::lround(clamp01(v) * 255.0f));
}

inline void putRgb(unsigned char* pixel, const Colour& c)
{
    pixel[0] = toByte(c.r);
    pixel[1] = toByte(c.g);
    pixel[2] = toByte(c.b);
}
