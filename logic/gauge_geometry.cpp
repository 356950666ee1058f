#include "logic/gauge_geometry.h"

#include <algorithm>
#include <cmath>

#include "logic/depth_range.h"
#include "state/program_state.h"

float fullScreenScale(int height)
{
    return std::max(1.0f, std::floor(2.0f * static_cast<float>(height) / initialWindowHeight) / 2.0f);
}

GaugeOrigin gaugeOrigin()
{
    if (!fullScreen)
        return {gaugeScaleX, gaugeScaleY};
    const float scale = fullScreenScale(windowHeight);
    return {static_cast<float>(windowWidth) - (initialWindowWidth - gaugeScaleX) * scale,
            std::floor(static_cast<float>(windowHeight) / 2.0f - gaugeScaleHeight * scale / 2.0f), scale};
}

float gaugeLeftEdge()
{
    const GaugeOrigin origin = gaugeOrigin();
    return origin.x + gaugeArrowX * origin.scale;
}

float gaugeRightEdge()
{
    const GaugeOrigin origin = gaugeOrigin();
    return origin.x + (gaugeArrowX + gaugeArrowWidth) * origin.scale;
}

float gaugeArrowOffset(float atDepth, DepthRange range)
{
    if (range.shallowest < minDepth && atDepth < minDepth) {
        const double above = (static_cast<double>(minDepth) - atDepth) / (minDepth - range.shallowest);
        return gaugeArrowOffset(minDepth) + static_cast<float>(above * gaugeArrowInset);
    }
    double travelled = 1.0 - depthRangeFraction(atDepth);
    return static_cast<float>(travelled * gaugeArrowTravel - 5.0 + 6.0);
}
