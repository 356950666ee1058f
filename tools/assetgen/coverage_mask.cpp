#include "coverage_mask.h"

#include <algorithm>
#include <cmath>

namespace {

float distanceToSegment(Point p, Point a, Point b)
{
    float abx = b.x - a.x;
    float aby = b.y - a.y;
    float lengthSquared = abx * abx + aby * aby;
    float t = lengthSquared > 0.0f ? ((p.x - a.x) * abx + (p.y - a.y) * aby) / lengthSquared : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    float dx = p.x - (a.x + t * abx);
    float dy = p.y - (a.y + t * aby);
    return std::sqrt(dx * dx + dy * dy);
}

bool insidePolygon(Point p, const std::vector<Point>& corners)
{
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point& a = corners[i];
        const Point& b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

float overlap(float a0, float a1, float b0, float b1)
{
    return std::max(0.0f, std::min(a1, b1) - std::max(a0, b0));
}

}  // namespace

void strokePolyline(CoverageMask& mask, const std::vector<Point>& points, float width)
{
    if (points.empty())
        return;
    const float half = width * 0.5f;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            Point centre{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
            float d = distanceToSegment(centre, points[0], points[0]);
            for (std::size_t i = 1; i < points.size(); ++i)
                d = std::min(d, distanceToSegment(centre, points[i - 1], points[i]));
            // A pixel-wide ramp centred on the stroke's edge.
            float c = std::clamp(half + 0.5f - d, 0.0f, 1.0f);
            mask.at(x, y) = std::max(mask.at(x, y), c);
        }
    }
}

void fillPolygon(CoverageMask& mask, const std::vector<Point>& corners)
{
    if (corners.size() < 3)
        return;
    constexpr int samples = 8;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            int hits = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx)
                    hits += insidePolygon({static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / samples,
                                           static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / samples},
                                          corners);
            float c = static_cast<float>(hits) / (samples * samples);
            mask.at(x, y) = std::max(mask.at(x, y), c);
        }
    }
}

void fillRect(CoverageMask& mask, float x0, float y0, float x1, float y1)
{
    for (int y = 0; y < mask.height; ++y) {
        float cy = overlap(static_cast<float>(y), static_cast<float>(y) + 1.0f, y0, y1);
        if (cy <= 0.0f)
            continue;
        for (int x = 0; x < mask.width; ++x) {
            float c = cy * overlap(static_cast<float>(x), static_cast<float>(x) + 1.0f, x0, x1);
            mask.at(x, y) = std::max(mask.at(x, y), c);
        }
    }
}

CoverageMask dilate(const CoverageMask& mask, float radius)
{
    CoverageMask grown(mask.width, mask.height);
    const int reach = static_cast<int>(std::ceil(radius + 1.0f));
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            float best = 0.0f;
            for (int oy = -reach; oy <= reach; ++oy) {
                for (int ox = -reach; ox <= reach; ++ox) {
                    float c = mask.at(x + ox, y + oy);
                    if (c <= 0.0f)
                        continue;
                    float d = std::sqrt(static_cast<float>(ox * ox + oy * oy));
                    best = std::max(best, c * std::clamp(radius + 0.5f - d, 0.0f, 1.0f));
                }
            }
            grown.at(x, y) = best;
        }
    }
    return grown;
}
