// Antialiased shapes drawn as coverage (0..1 per pixel), for the small
// gauge pictures. Coordinates are in pixels with y up from the bottom edge:
// pixel (x, y) covers the square x..x+1, y..y+1.
#pragma once

#include <cstddef>
#include <vector>

struct Point {
    float x = 0.0f;
    float y = 0.0f;
};

struct CoverageMask {
    int width = 0;
    int height = 0;
    std::vector<float> coverage;  // bottom row first

    CoverageMask(int w, int h) : width(w), height(h), coverage(static_cast<std::size_t>(w) * h, 0.0f) {}
    float at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 0.0f;
        return coverage[static_cast<std::size_t>(y) * width + x];
    }
    float& at(int x, int y) { return coverage[static_cast<std::size_t>(y) * width + x]; }
};

// A line of the given width through the points, with round ends and joins.
void strokePolyline(CoverageMask& mask, const std::vector<Point>& points, float width);
// A filled polygon (even-odd rule), edges smoothed by supersampling.
void fillPolygon(CoverageMask& mask, const std::vector<Point>& corners);
// An axis-aligned rectangle with exact area coverage at its edges.
void fillRect(CoverageMask& mask, float x0, float y0, float x1, float y1);
// Grows the shapes by `radius` pixels with a soft edge, for an outline.
CoverageMask dilate(const CoverageMask& mask, float radius);
