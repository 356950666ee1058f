#include "app_icon.h"

#include <cmath>
#include <numbers>

#include "colour_math.h"

namespace {

// Everything below is in icon units: u to the right, v down, both 0..1.

struct Sample {
    Colour colour;
    float alpha = 0.0f;
};

bool insideRoundedSquare(float u, float v)
{
    constexpr float margin = 0.03f;
    constexpr float radius = 0.18f;
    const float lo = margin + radius;
    const float hi = 1.0f - margin - radius;
    const float du = std::max({lo - u, u - hi, 0.0f});
    const float dv = std::max({lo - v, v - hi, 0.0f});
    return u >= margin && u <= 1.0f - margin && v >= margin && v <= 1.0f - margin &&
           du * du + dv * dv <= radius * radius;
}

constexpr float noseU = 0.12f;
constexpr float bodyLength = 0.62f;
constexpr float bodyHalfDepth = 0.16f;
constexpr float midV = 0.5f;

// Half the body's depth at u: a blunt nose, the deepest point a third of the
// way back, a slim wrist before the tail.
float bodyHalfDepthAt(float u)
{
    const float t = (u - noseU) / bodyLength;
    if (t <= 0.0f || t >= 1.0f)
        return 0.0f;
    const float shape = std::pow(std::sin(std::numbers::pi_v<float> * std::pow(t, 0.8f)), 0.75f);
    return bodyHalfDepth * std::max(shape, 0.12f * (t > 0.5f ? 1.0f : 0.0f));
}

// The forked tail: two lobes from the wrist out to the icon's right side.
bool insideTail(float u, float v, float grow)
{
    const float wrist = noseU + bodyLength - 0.04f;
    const float tip = 0.91f + grow;
    if (u < wrist || u > tip)
        return false;
    const float t = (u - wrist) / (tip - wrist);
    const float spread = 0.025f + grow + t * 0.19f;
    const float notch = t > 0.55f ? (t - 0.55f) / 0.45f * 0.12f - grow : -1.0f;
    const float d = std::abs(v - midV);
    return d <= spread && d >= notch;
}

bool insideFish(float u, float v, float grow)
{
    const float half = bodyHalfDepthAt(u);
    const bool body = half > 0.0f && std::abs(v - midV) <= half + grow;
    const bool nose = u >= noseU - grow && u < noseU + 0.02f && std::abs(v - midV) <= grow + 0.03f;
    return body || nose || insideTail(u, v, grow);
}

Sample sampleIcon(float u, float v)
{
    if (!insideRoundedSquare(u, v))
        return {};
    const Colour seaTop{0.16f, 0.58f, 0.78f};
    const Colour seaBottom{0.02f, 0.16f, 0.36f};
    Sample s{mix(seaTop, seaBottom, v), 1.0f};
    // Light from the surface, brighter up top.
    s.colour = add(s.colour, scale(Colour{0.10f, 0.12f, 0.10f}, clamp01(0.35f - v) * 2.0f));

    if (!insideFish(u, v, 0.018f))
        return s;
    const Colour outline{0.02f, 0.07f, 0.10f};
    if (!insideFish(u, v, 0.0f)) {
        s.colour = outline;
        return s;
    }
    // The back blue-green with the mackerel's dark wavy bars, a bright
    // lateral line, the belly silver.
    const Colour back{0.12f, 0.48f, 0.52f};
    const Colour bar{0.03f, 0.16f, 0.20f};
    const Colour belly{0.90f, 0.93f, 0.95f};
    const float wave = std::sin(u * 46.0f + std::sin(v * 30.0f) * 1.6f);
    Colour top = wave > 0.35f && v < midV - 0.01f ? bar : back;
    const float toBelly = smoothstep(midV - 0.01f, midV + 0.04f, v);
    s.colour = mix(top, belly, toBelly);
    // The eye: white ring, black pupil.
    const float eu = u - 0.21f;
    const float ev = v - 0.475f;
    const float eye = std::sqrt(eu * eu + ev * ev);
    if (eye < 0.042f)
        s.colour = eye < 0.025f ? Colour{0.0f, 0.0f, 0.0f} : Colour{0.97f, 0.97f, 0.92f};
    // The gill cover's edge, an arc behind the eye.
    const float gill = std::abs(std::sqrt((u - 0.18f) * (u - 0.18f) + (v - midV) * (v - midV) * 0.6f) - 0.11f);
    if (gill < 0.008f && u > 0.2f)
        s.colour = scale(s.colour, 0.55f);
    return s;
}

}  // namespace

Raster makeAppIcon(int size)
{
    Raster raster(size, size, 4);
    constexpr int grid = 4;  // samples per pixel side, for smooth edges
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Colour sum{};
            float alpha = 0.0f;
            for (int sy = 0; sy < grid; ++sy) {
                for (int sx = 0; sx < grid; ++sx) {
                    const float u = (static_cast<float>(x) + (sx + 0.5f) / grid) / static_cast<float>(size);
                    const float v = (static_cast<float>(y) + (sy + 0.5f) / grid) / static_cast<float>(size);
                    const Sample s = sampleIcon(u, v);
                    sum = add(sum, scale(s.colour, s.alpha));
                    alpha += s.alpha;
                }
            }
            unsigned char* pixel = raster.at(x, y);
            const Colour colour = alpha > 0.0f ? scale(sum, 1.0f / alpha) : Colour{};
            pixel[0] = toByte(colour.r);
            pixel[1] = toByte(colour.g);
            pixel[2] = toByte(colour.b);
            pixel[3] = toByte(alpha / (grid * grid));
        }
    }
    return raster;
}
