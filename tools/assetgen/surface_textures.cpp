#include "surface_textures.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "colour_math.h"
#include "noise.h"

namespace {

constexpr float twoPi = 2.0f * std::numbers::pi_v<float>;

struct StoneLayer {
    int period;            // cells across the picture
    float presence;        // share of cells holding a stone
    float minRadius;       // in cells
    float maxRadius;
    float height;          // dome height, in the units of the height field
    float warp;            // how far the outline is pushed about, in cells
    float sandTint;        // how far the stone's colour leans to the sand's
    float algae;           // how green the stone's top may grow
    std::uint32_t seed;
};

// Boulders, pebbles and gravel; later layers lie on top of earlier ones.
constexpr StoneLayer stoneLayers[] = {
    {5, 0.45f, 0.26f, 0.42f, 22.0f, 0.32f, 0.0f, 0.45f, 11u},
    {22, 0.40f, 0.20f, 0.38f, 6.0f, 0.2f, 0.2f, 0.2f, 23u},
    {64, 0.28f, 0.18f, 0.32f, 2.0f, 0.08f, 0.35f, 0.0f, 37u},
};

constexpr Colour stoneColours[] = {
    {0.45f, 0.43f, 0.40f}, {0.36f, 0.35f, 0.34f}, {0.52f, 0.47f, 0.40f},
    {0.40f, 0.42f, 0.36f}, {0.58f, 0.55f, 0.50f}, {0.30f, 0.30f, 0.32f},
};

struct FloorSample {
    float height = 0.0f;
    Colour albedo;
    float shadow = 1.0f;  // darkening of the sand around a stone's foot
};

FloorSample sampleFloor(float u, float v)
{
    FloorSample s;
    // Sand: broad patches of lighter and greyer sand, wind-ripple ridges, grain.
    float patches = fractalNoise(u * 3.0f, v * 3.0f, 3, 4, 101u);
    float ripplePhase = twoPi * (7.0f * u + 2.0f * v) + 2.5f * fractalNoise(u * 4.0f, v * 4.0f, 4, 3, 103u);
    float ripple = 0.5f + 0.5f * std::sin(ripplePhase);
    ripple *= ripple;
    float grain = fractalNoise(u * 96.0f, v * 96.0f, 96, 2, 107u);
    s.height = 2.5f * ripple + 0.4f * grain;
    Colour lightSand{0.80f, 0.72f, 0.55f};
    Colour greySand{0.62f, 0.60f, 0.52f};
    s.albedo = mix(lightSand, greySand, smoothstep(-0.4f, 0.5f, patches));
    s.albedo = scale(s.albedo, 0.92f + 0.08f * grain + 0.05f * ripple);

    bool onStone = false;
    const Colour sand = s.albedo;
    for (const StoneLayer& layer : stoneLayers) {
        float p = static_cast<float>(layer.period);
        // The warp noise runs a whole number of cells across, so it tiles too.
        int warpCells = std::max(2, layer.period / 2);
        float wf = static_cast<float>(warpCells);
        float wu = (u + layer.warp / p * fractalNoise(u * wf, v * wf, warpCells, 3, layer.seed + 1u)) * p;
        float wv = (v + layer.warp / p * fractalNoise(u * wf, v * wf, warpCells, 3, layer.seed + 2u)) * p;
        int cx = static_cast<int>(std::floor(wu));
        int cy = static_cast<int>(std::floor(wv));
        // Each stone may reach into the neighbouring cells: look at all of them.
        for (int oy = -1; oy <= 1; ++oy) {
            for (int ox = -1; ox <= 1; ++ox) {
                CellFeature stoneAt = cellFeature(cx + ox, cy + oy, layer.period, layer.seed);
                std::uint32_t id = stoneAt.id;
                if (static_cast<float>(id & 0xFFFFu) / 65535.0f >= layer.presence)
                    continue;
                float radius = mix(layer.minRadius, layer.maxRadius, static_cast<float>((id >> 16) & 0xFFu) / 255.0f);
                // Stones are longer one way than the other.
                float angle = static_cast<float>((id >> 24) & 0xFFu) / 255.0f * std::numbers::pi_v<float>;
                float ca = std::cos(angle);
                float sa = std::sin(angle);
                float ox2 = wu - stoneAt.x;
                float oy2 = wv - stoneAt.y;
                float along = (ox2 * ca + oy2 * sa) / 1.25f;
                float across = (-ox2 * sa + oy2 * ca) * 1.1f;
                float d = std::sqrt(along * along + across * across) / radius;
                if (d >= 1.0f) {
                    // Sand darkens a little where it meets a stone.
                    if (!onStone)
                        s.shadow = std::min(s.shadow, 0.72f + 0.28f * smoothstep(1.0f, 1.4f, d));
                    continue;
                }
                float dome = std::pow(1.0f - d * d, 0.6f);
                float rough = fractalNoise(u * p * 4.0f, v * p * 4.0f, layer.period * 4, 2, layer.seed + 5u);
                float h = layer.height * (0.35f + 0.65f * dome) + 0.25f * layer.height * rough * dome;
                if (h <= s.height)
                    continue;
                s.height = h;
                Colour base = stoneColours[id % (sizeof stoneColours / sizeof stoneColours[0])];
                float mottle = fractalNoise(u * p * 6.0f, v * p * 6.0f, layer.period * 6, 2, layer.seed + 9u);
                float tone = 0.85f + 0.3f * static_cast<float>((id >> 8) & 0xFFu) / 255.0f;
                Colour stone = scale(base, tone * (0.88f + 0.22f * mottle));
                // Small stones are worn sand-coloured; big ones carry algae.
                stone = mix(stone, sand, layer.sandTint);
                float algae = smoothstep(0.35f, 0.9f, dome) *
                              smoothstep(0.0f, 0.5f, fractalNoise(u * 20.0f, v * 20.0f, 20, 2, 211u));
                s.albedo = mix(stone, Colour{0.33f, 0.42f, 0.25f}, layer.algae * algae);
                s.shadow = 1.0f;
                onStone = true;
            }
        }
    }
    return s;
}

}  // namespace

Raster makeRockTexture(int size)
{
    std::vector<FloorSample> samples(static_cast<std::size_t>(size) * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            samples[static_cast<std::size_t>(y) * size + x] =
                sampleFloor((static_cast<float>(x) + 0.5f) / size, (static_cast<float>(y) + 0.5f) / size);

    auto heightAt = [&](int x, int y) {
        x = (x + size) % size;
        y = (y + size) % size;
        return samples[static_cast<std::size_t>(y) * size + x].height;
    };
    // Light from the upper left; neighbours wrap so the shading tiles too.
    const float lx = -0.55f, ly = -0.55f, lz = 0.63f;
    Raster raster(size, size, 3);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const FloorSample& s = samples[static_cast<std::size_t>(y) * size + x];
            float gx = (heightAt(x + 1, y) - heightAt(x - 1, y)) * 0.5f;
            float gy = (heightAt(x, y + 1) - heightAt(x, y - 1)) * 0.5f;
            float nx = -gx, ny = -gy, nz = 1.0f;
            float len = std::sqrt(nx * nx + ny * ny + nz * nz);
            float lambert = std::max(0.0f, (nx * lx + ny * ly + nz * lz) / len);
            float light = 0.45f + 0.55f * lambert / lz;
            putRgb(raster.at(x, y), scale(s.albedo, light * s.shadow));
        }
    }
    return raster;
}

Raster makeWaterTexture(int size)
{
    Raster raster(size, size, 3);
    const Colour deep{0.06f, 0.30f, 0.46f};
    const Colour shallow{0.20f, 0.55f, 0.70f};
    const Colour bright{0.88f, 0.98f, 1.0f};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float u = (static_cast<float>(x) + 0.5f) / size;
            float v = (static_cast<float>(y) + 0.5f) / size;
            float caustic = 0.0f;
            // Two overlapping nets of different cell sizes, each bent by noise.
            const struct { int period; float weight; std::uint32_t seed; } nets[] = {{6, 0.75f, 301u}, {9, 0.55f, 307u}};
            for (const auto& net : nets) {
                float p = static_cast<float>(net.period);
                float wu = u * p + 0.35f * fractalNoise(u * 3.0f, v * 3.0f, 3, 3, net.seed + 1u);
                float wv = v * p + 0.35f * fractalNoise(u * 3.0f, v * 3.0f, 3, 3, net.seed + 2u);
                CellSample cell = cellularNoise(wu, wv, net.period, net.seed);
                float edge = cell.secondNearest - cell.nearest;
                float line = 1.0f - smoothstep(0.0f, 0.16f, edge);
                caustic += net.weight * line * std::sqrt(line);
            }
            float broad = 0.5f + 0.5f * fractalNoise(u * 2.0f, v * 2.0f, 2, 3, 331u);
            Colour base = mix(deep, shallow, broad);
            putRgb(raster.at(x, y), mix(base, bright, clamp01(caustic)));
        }
    }
    return raster;
}
