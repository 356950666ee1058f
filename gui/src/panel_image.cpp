#include "panel_image.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixels whose centre lies in [from, to).
void pixelSpan(float from, float to, int& first, int& end)
{
    first = static_cast<int>(std::ceil(from - 0.5f));
    end = static_cast<int>(std::ceil(to - 0.5f));
}

int texelIndex(double coordinate, int size)
{
    return std::clamp(static_cast<int>(std::floor(coordinate * size)), 0, size - 1);
}

// dst = src + dst * (1 - src alpha), all premultiplied.
void blendOver(float* dst, const Colour& colour, float coverage)
{
    const float a = colour[3] * coverage;
    const float keep = 1.0f - a;
    dst[0] = colour[0] * a + dst[0] * keep;
    dst[1] = colour[1] * a + dst[1] * keep;
    dst[2] = colour[2] * a + dst[2] * keep;
    dst[3] = a + dst[3] * keep;
}

}  // namespace

void compositeBatch(const QuadBatch& batch, const FontAtlas& atlas, PanelImage& image, std::vector<float>& storage)
{
    image.width = 0;
    image.height = 0;
    image.rgba.clear();
    const std::vector<OverlayVertex>& v = batch.vertices;
    if (v.size() < 4 || atlas.width <= 0 || atlas.height <= 0)
        return;
    float minX = v[0].x, maxX = v[0].x, minY = v[0].y, maxY = v[0].y;
    for (const OverlayVertex& vertex : v) {
        minX = std::min(minX, vertex.x);
        maxX = std::max(maxX, vertex.x);
        minY = std::min(minY, vertex.y);
        maxY = std::max(maxY, vertex.y);
    }
    int x0, x1, y0, y1;
    pixelSpan(minX, maxX, x0, x1);
    pixelSpan(minY, maxY, y0, y1);
    if (x1 <= x0 || y1 <= y0)
        return;
    image.x = x0;
    image.y = y0;
    image.width = x1 - x0;
    image.height = y1 - y0;
    const std::size_t pixels = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    storage.assign(pixels * 4, 0.0f);

    for (std::size_t q = 0; q + 3 < v.size(); q += 4) {
        const OverlayVertex& lowerLeft = v[q];
        const OverlayVertex& lowerRight = v[q + 1];
        const OverlayVertex& upperLeft = v[q + 3];
        int left, right, bottom, top;
        pixelSpan(lowerLeft.x, lowerRight.x, left, right);
        pixelSpan(lowerLeft.y, upperLeft.y, bottom, top);
        if (right <= left || top <= bottom)
            continue;
        const bool solid = lowerLeft.u == lowerRight.u && lowerLeft.v == upperLeft.v;
        if (solid) {
            // One coverage for the whole quad: a straight fill.
            const unsigned char coverage = atlas.alpha[static_cast<std::size_t>(texelIndex(lowerLeft.v, atlas.height)) *
                                                           atlas.width +
                                                       texelIndex(lowerLeft.u, atlas.width)];
            if (coverage == 0)
                continue;
            for (int py = bottom; py < top; ++py) {
                float* pixel = storage.data() + (static_cast<std::size_t>(py - y0) * image.width + (left - x0)) * 4;
                for (int px = left; px < right; ++px, pixel += 4)
                    blendOver(pixel, lowerLeft.colour, coverage / 255.0f);
            }
            continue;
        }
        const double quadWidth = static_cast<double>(lowerRight.x) - lowerLeft.x;
        const double quadHeight = static_cast<double>(upperLeft.y) - lowerLeft.y;
        for (int py = bottom; py < top; ++py) {
            float* row = storage.data() + (static_cast<std::size_t>(py - y0) * image.width) * 4;
            const double along = (py + 0.5 - lowerLeft.y) / quadHeight;
            const int texelRow =
                texelIndex(lowerLeft.v + along * (static_cast<double>(upperLeft.v) - lowerLeft.v), atlas.height);
            const unsigned char* coverageRow = atlas.alpha.data() + static_cast<std::size_t>(texelRow) * atlas.width;
            for (int px = left; px < right; ++px) {
                const double u =
                    lowerLeft.u + (px + 0.5 - lowerLeft.x) / quadWidth * (static_cast<double>(lowerRight.u) - lowerLeft.u);
                const unsigned char coverage = coverageRow[texelIndex(u, atlas.width)];
                if (coverage != 0)
                    blendOver(row + static_cast<std::size_t>(px - x0) * 4, lowerLeft.colour, coverage / 255.0f);
            }
        }
    }

    image.rgba.resize(pixels * 4);
    for (std::size_t i = 0; i < pixels * 4; ++i)
        image.rgba[i] = static_cast<unsigned char>(std::clamp(storage[i], 0.0f, 1.0f) * 255.0f + 0.5f);
}
