#include "fish_skins.h"

#include <cmath>
#include <numbers>

#include "noise.h"

const MackerelSkin mackerelSkins[mackerelSkinCount] = {
    {&TextureSet::mackerelRedTexture, {0.74f, 0.12f, 0.10f}, {0.22f, 0.03f, 0.03f}, {0.97f, 0.88f, 0.85f}},
    {&TextureSet::mackerelOrangeTexture, {0.93f, 0.46f, 0.08f}, {0.30f, 0.10f, 0.02f}, {0.99f, 0.92f, 0.82f}},
    {&TextureSet::mackerelYellowTexture, {0.92f, 0.80f, 0.12f}, {0.34f, 0.27f, 0.03f}, {0.99f, 0.97f, 0.85f}},
    {&TextureSet::mackerelGreenTexture, {0.16f, 0.58f, 0.20f}, {0.03f, 0.17f, 0.05f}, {0.90f, 0.97f, 0.88f}},
    // The natural fish: iridescent blue-green back, black bars, silver belly.
    {&TextureSet::mackerelTexture, {0.10f, 0.42f, 0.48f}, {0.02f, 0.06f, 0.09f}, {0.90f, 0.92f, 0.94f}},
    {&TextureSet::mackerelPurpleTexture, {0.48f, 0.18f, 0.62f}, {0.14f, 0.04f, 0.20f}, {0.95f, 0.90f, 0.98f}},
};

namespace {

constexpr float twoPi = 2.0f * std::numbers::pi_v<float>;
// Body length over body depth: converts u into the units of v, so shapes
// that should be round on the fish can be drawn round.
constexpr float bodyLength = 4.5f;
constexpr float eyeU = 0.08f;
constexpr float eyeV = 0.6f;
constexpr float tailStart = 0.88f;

// 1 on the line, 0 more than `halfWidth` away, with a soft edge.
float band(float distance, float halfWidth, float softness)
{
    return 1.0f - smoothstep(halfWidth, halfWidth + softness, std::fabs(distance));
}

float backBellyBoundary(float u)
{
    return 0.45f + 0.025f * std::sin(twoPi * 1.3f * u + 0.6f) - 0.03f * smoothstep(0.75f, 1.0f, u);
}

float lateralLine(float u)
{
    return 0.60f - 0.07f * u + 0.008f * std::sin(twoPi * 3.0f * u);
}

// Dark wavy bars, strongest at the top of the back; 0..1.
float barStrength(float u, float v)
{
    float wobble = 0.32f * std::sin(twoPi * (3.1f * v + 1.7f * u)) +
                   0.55f * fractalNoise(u * 10.0f, v * 4.0f, 64, 3, 503u);
    float s = u * 21.0f + 1.6f * (v - 0.6f) + wobble;
    float cell = s - std::floor(s);
    float width = 0.13f + 0.08f * fractalNoise(u * 18.0f, v * 6.0f, 64, 2, 509u);
    float bar = band(cell - 0.5f, width, 0.05f);
    // Some bars break off or fork into the next.
    bar *= smoothstep(-0.45f, -0.1f, fractalNoise(u * 16.0f, v * 7.0f, 64, 2, 517u));
    // Bars fade in behind the gill cover, thin out towards the lateral line
    // and stop at the tail fin.
    float region = smoothstep(0.2f, 0.27f, u) * (1.0f - smoothstep(tailStart - 0.08f, tailStart - 0.01f, u));
    float below = smoothstep(lateralLine(u) + 0.01f, lateralLine(u) + 0.09f, v);
    return bar * region * below;
}

Colour bodyColour(const MackerelSkin& skin, float u, float v)
{
    float boundary = backBellyBoundary(u);
    float toBack = smoothstep(boundary - 0.07f, boundary + 0.05f, v);
    Colour belly = mix(skin.belly, Colour{1.0f, 1.0f, 1.0f}, 0.35f * (1.0f - smoothstep(0.0f, 0.3f, v)));
    // A silvery sheen where belly and back meet.
    Colour sheen = mix(skin.belly, mix(skin.back, Colour{0.85f, 0.9f, 0.95f}, 0.5f), 0.55f);
    Colour back = scale(skin.back, 1.0f - 0.35f * smoothstep(0.72f, 1.0f, v));
    Colour colour = mix(belly, sheen, band(v - boundary + 0.03f, 0.05f, 0.06f));
    colour = mix(colour, back, toBack);
    colour = mix(colour, skin.bars, 0.9f * barStrength(u, v));

    float line = lateralLine(u);
    if (u > 0.2f && u < tailStart) {
        // The lateral line: a thin dark thread with a pale edge below it.
        colour = mix(colour, skin.bars, 0.55f * band(v - line, 0.004f, 0.004f));
        colour = mix(colour, skin.belly, 0.25f * band(v - line + 0.011f, 0.003f, 0.004f));
    }
    // Fine scale texture and glints.
    float grain = fractalNoise(u * 128.0f, v * 48.0f, 128, 2, 521u);
    return scale(colour, 0.96f + 0.05f * grain);
}

Colour headColour(const MackerelSkin& skin, Colour colour, float u, float v)
{
    float bx = u * bodyLength;
    // Gill cover: an arc behind the eye; the cheek inside it is paler.
    float gx = (bx - 0.42f) / 0.46f;
    float gy = (v - 0.5f) / 0.3f;
    float gill = std::sqrt(gx * gx + gy * gy);
    float cheek = (1.0f - smoothstep(0.9f, 1.0f, gill)) * (1.0f - smoothstep(0.45f, 0.62f, v));
    colour = mix(colour, mix(skin.belly, Colour{0.95f, 0.88f, 0.70f}, 0.25f), 0.35f * cheek);
    if (bx > 0.42f)
        colour = mix(colour, skin.bars, 0.45f * band(gill - 1.0f, 0.006f, 0.02f) * smoothstep(0.2f, 0.35f, v));
    // The mouth: a short dark line from the nose.
    float mouthV = 0.47f - 0.2f * u;
    if (u < 0.04f)
        colour = mix(colour, skin.bars, 0.7f * band(v - mouthV, 0.004f, 0.006f) * (1.0f - smoothstep(0.025f, 0.04f, u)));
    return colour;
}

Colour eyeColour(Colour colour, float u, float v)
{
    float dx = (u - eyeU) * bodyLength;
    float dy = v - eyeV;
    float r = std::sqrt(dx * dx + dy * dy);
    const float soft = 0.008f;
    const Colour iris{0.86f, 0.80f, 0.58f};
    const Colour pupil{0.02f, 0.02f, 0.03f};
    const Colour rim{0.10f, 0.10f, 0.12f};
    float inEye = 1.0f - smoothstep(0.095f, 0.095f + soft, r);
    Colour eye = mix(rim, iris, 1.0f - smoothstep(0.078f, 0.078f + soft, r));
    eye = mix(eye, scale(iris, 0.75f), smoothstep(0.03f, 0.07f, dy) * 0.5f);
    eye = mix(eye, pupil, 1.0f - smoothstep(0.046f, 0.046f + soft, r));
    // A glint, up and towards the nose.
    float hx = dx + 0.018f;
    float hy = dy - 0.02f;
    eye = mix(eye, Colour{1.0f, 1.0f, 1.0f}, 0.9f * (1.0f - smoothstep(0.01f, 0.018f, std::sqrt(hx * hx + hy * hy))));
    return mix(colour, eye, inEye);
}

Colour tailColour(const MackerelSkin& skin, Colour colour, float u, float v)
{
    float fin = smoothstep(tailStart - 0.03f, tailStart + 0.04f, u);
    if (fin <= 0.0f)
        return colour;
    // Fine fin rays fan out from the root of the tail.
    float angle = std::atan2(v - 0.5f, (u - 0.8f) * bodyLength);
    float rays = 0.5f + 0.5f * std::cos(angle * 60.0f);
    Colour finColour = mix(scale(skin.back, 0.7f), skin.belly, 0.3f * (1.0f - v));
    finColour = scale(finColour, 0.92f + 0.08f * rays);
    return mix(colour, finColour, fin);
}

}  // namespace

Raster makeMackerelSkin(const MackerelSkin& skin)
{
    Raster raster(mackerelSkinWidth, mackerelSkinHeight, 3);
    for (int y = 0; y < mackerelSkinHeight; ++y) {
        for (int x = 0; x < mackerelSkinWidth; ++x) {
            float u = (static_cast<float>(x) + 0.5f) / mackerelSkinWidth;
            // The top row is the back.
            float v = 1.0f - (static_cast<float>(y) + 0.5f) / mackerelSkinHeight;
            Colour colour = bodyColour(skin, u, v);
            if (u < 0.25f) {
                colour = headColour(skin, colour, u, v);
                colour = eyeColour(colour, u, v);
            }
            colour = tailColour(skin, colour, u, v);
            putRgb(raster.at(x, y), colour);
        }
    }
    return raster;
}
