#include <algorithm>
#include <cmath>

#include "overlay_layout.h"

namespace {

int times(int pixels, float scale)
{
    return static_cast<int>(std::lround(static_cast<double>(pixels) * scale));
}

}  // namespace

OverlayMetrics overlayMetrics(float scale)
{
    // A scale below 1 would make text too small to read; NaN compares false.
    if (!(scale >= 1.0f) || scale > 16.0f)
        scale = 1.0f;
    const OverlayMetrics one;
    OverlayMetrics m;
    m.scale = scale;
    m.fontPixelSize = times(one.fontPixelSize, scale);
    m.windowMargin = times(one.windowMargin, scale);
    m.panelPadding = times(one.panelPadding, scale);
    m.rowGap = times(one.rowGap, scale);
    m.columnGap = times(one.columnGap, scale);
    m.keyCapPadding = times(one.keyCapPadding, scale);
    m.shadowOffset = times(one.shadowOffset, scale);
    m.line = std::max(1, static_cast<int>(std::floor(scale)));
    m.swatchSize = times(one.swatchSize, scale);
    m.swatchGap = times(one.swatchGap, scale);
    m.plotHeight = times(one.plotHeight, scale);
    m.plotLineThickness = times(one.plotLineThickness, scale);
    return m;
}

OverlayMetrics compactMetrics(const OverlayMetrics& metrics)
{
    OverlayMetrics m = metrics;
    m.rowGap = std::max(2 * metrics.line, metrics.rowGap / 3);
    m.panelPadding = metrics.panelPadding * 3 / 5;
    m.windowMargin = metrics.windowMargin / 2;
    m.plotHeight = metrics.plotHeight * 2 / 3;
    m.compact = true;
    return m;
}
