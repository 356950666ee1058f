#include "gauge_images.h"

#include <cmath>
#include <string>

#include "colour_math.h"
#include "coverage_mask.h"
#include "digit_font.h"

namespace {

// Scale layout, in pixels from the scale's left edge.
constexpr float trackLeft = 8.0f;
constexpr float trackRight = 10.0f;
constexpr float majorTickRight = 17.0f;
constexpr float minorTickRight = 13.0f;
constexpr float labelRight = 33.0f;

// Arrow layout, in pixels from the arrow's left edge (6 left of the scale).
// The left pointer's tip touches the track; the right one points back at
// the label, so the current depth's number sits between the two.
constexpr float leftPointerBase = 2.0f;
constexpr float leftPointerTip = 13.5f;
constexpr float rightPointerTip = 40.5f;
constexpr float rightPointerBase = 52.0f;

const Colour markColour{0.97f, 0.99f, 1.0f};
const Colour arrowColour{1.0f, 0.70f, 0.12f};
const Colour outlineColour{0.02f, 0.06f, 0.10f};

// Marks over a soft dark outline, so they read against bright water as well
// as against the black of the deep.
Raster compose(const CoverageMask& marks, const Colour& markTint, float outlineAlpha, float outlineRadius)
{
    CoverageMask outline = dilate(marks, outlineRadius);
    Raster raster(marks.width, marks.height, 4);
    for (int y = 0; y < marks.height; ++y) {
        for (int x = 0; x < marks.width; ++x) {
            float ink = marks.at(x, y);
            float under = outline.at(x, y) * outlineAlpha;
            float alpha = ink + under * (1.0f - ink);
            Colour colour = outlineColour;
            if (alpha > 0.0f)
                colour = scale(add(scale(markTint, ink), scale(outlineColour, under * (1.0f - ink))), 1.0f / alpha);
            // File rows run top-down; the masks bottom-up.
            unsigned char* pixel = raster.at(x, marks.height - 1 - y);
            putRgb(pixel, colour);
            pixel[3] = toByte(alpha);
        }
    }
    return raster;
}

}  // namespace

float depthScaleY(float depth)
{
    return 6.0f + 234.0f * (1.0f - (depth - 10.0f) / 80.0f);
}

Raster makeDepthScale()
{
    CoverageMask marks(depthScaleWidth, depthScaleHeight);
    fillRect(marks, trackLeft, depthScaleY(90.0f) - 1.0f, trackRight, depthScaleY(10.0f) + 1.0f);
    DigitStyle style;
    for (int depth = 10; depth <= 90; depth += 5) {
        float y = depthScaleY(static_cast<float>(depth));
        if (depth % 10 != 0) {
            // Minor tick: one pixel row, the one the centre line passes through.
            float row = std::floor(y);
            fillRect(marks, trackLeft, row, minorTickRight, row + 1.0f);
            continue;
        }
        // Major tick: two rows, snapped to the nearest row boundary so it stays crisp.
        float edge = std::round(y);
        fillRect(marks, trackLeft, edge - 1.0f, majorTickRight, edge + 1.0f);
        std::string label = std::to_string(depth);
        float bottom = std::round(y - style.glyphHeight * 0.5f);
        drawDigits(marks, label, labelRight - textWidth(label, style), bottom, style);
    }
    return compose(marks, markColour, 0.7f, 1.0f);
}

Raster makeDepthArrow()
{
    CoverageMask marks(depthArrowWidth, depthArrowHeight);
    // Inset by the outline's width, so the picture's corners stay clear.
    const float bottom = 2.0f;
    const float top = static_cast<float>(depthArrowHeight) - bottom;
    const float middle = static_cast<float>(depthArrowHeight) * 0.5f;
    fillPolygon(marks, {{leftPointerBase, bottom}, {leftPointerTip, middle}, {leftPointerBase, top}});
    fillPolygon(marks, {{rightPointerBase, bottom}, {rightPointerBase, top}, {rightPointerTip, middle}});
    return compose(marks, arrowColour, 0.85f, 1.0f);
}
