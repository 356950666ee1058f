#include "digit_font.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using Stroke = std::vector<Point>;

// Points along an elliptical arc in the unit glyph box, angles in degrees,
// counter-clockwise from the positive x axis; a1 < a0 runs clockwise.
Stroke arc(float cx, float cy, float rx, float ry, float a0, float a1)
{
    Stroke points;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        float a = (a0 + (a1 - a0) * static_cast<float>(i) / steps) * std::numbers::pi_v<float> / 180.0f;
        points.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return points;
}

Stroke join(Stroke first, const Stroke& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Centre lines of each digit in a unit box, y up.
std::vector<Stroke> glyph(char digit)
{
    switch (digit) {
    case '0':
        return {arc(0.5f, 0.5f, 0.5f, 0.5f, 90.0f, 450.0f)};
    case '1':
        return {{{0.15f, 0.78f}, {0.62f, 1.0f}, {0.62f, 0.0f}}};
    case '2':
        return {join(arc(0.5f, 0.72f, 0.5f, 0.28f, 165.0f, -20.0f), Stroke{{0.0f, 0.0f}, {1.0f, 0.0f}})};
    case '3':
        return {join(arc(0.48f, 0.76f, 0.44f, 0.24f, 160.0f, -90.0f), arc(0.5f, 0.27f, 0.5f, 0.27f, 90.0f, -160.0f))};
    case '4':
        return {{{0.78f, 0.0f}, {0.78f, 1.0f}, {0.0f, 0.3f}, {1.0f, 0.3f}}};
    case '5':
        return {join(Stroke{{0.95f, 1.0f}, {0.12f, 1.0f}, {0.06f, 0.55f}}, arc(0.5f, 0.32f, 0.5f, 0.32f, 135.0f, -155.0f))};
    case '6':
        return {join(Stroke{{0.88f, 0.93f}, {0.55f, 1.0f}, {0.2f, 0.86f}, {0.03f, 0.55f}, {0.0f, 0.3f}},
                     arc(0.5f, 0.3f, 0.5f, 0.3f, 180.0f, 540.0f))};
    case '7':
        return {{{0.0f, 1.0f}, {1.0f, 1.0f}, {0.38f, 0.0f}}};
    case '8':
        return {arc(0.5f, 0.76f, 0.42f, 0.24f, 270.0f, 630.0f), arc(0.5f, 0.27f, 0.5f, 0.27f, 90.0f, 450.0f)};
    case '9':
        return {join(arc(0.5f, 0.7f, 0.5f, 0.3f, 0.0f, 360.0f),
                     Stroke{{1.0f, 0.7f}, {0.97f, 0.45f}, {0.8f, 0.14f}, {0.45f, 0.0f}, {0.12f, 0.07f}})};
    default:
        return {};
    }
}

}  // namespace

float textWidth(const std::string& digits, const DigitStyle& style)
{
    if (digits.empty())
        return 0.0f;
    return static_cast<float>(digits.size()) * style.glyphWidth +
           static_cast<float>(digits.size() - 1) * style.spacing;
}

void drawDigits(CoverageMask& mask, const std::string& digits, float left, float bottom, const DigitStyle& style)
{
    // Stroke centre lines stay half a stroke inside the glyph box.
    const float inset = style.stroke * 0.5f;
    const float boxWidth = style.glyphWidth - style.stroke;
    const float boxHeight = style.glyphHeight - style.stroke;
    float x = left;
    for (char digit : digits) {
        for (const Stroke& stroke : glyph(digit)) {
            Stroke placed;
            for (const Point& p : stroke)
                placed.push_back({x + inset + p.x * boxWidth, bottom + inset + p.y * boxHeight});
            strokePolyline(mask, placed, style.stroke);
        }
        x += style.glyphWidth + style.spacing;
    }
}
