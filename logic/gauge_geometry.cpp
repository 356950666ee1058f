#include "logic/gauge_geometry.h"

#include <cmath>

#include "logic/depth_range.h"
#include "state/program_state.h"

GaugeOrigin gaugeOrigin()
{
    if (!fullScreen)
        return {gaugeScaleX, gaugeScaleY};
    return {static_cast<float>(windowWidth) - (initialWindowWidth - gaugeScaleX),
            std::floor(static_cast<float>(windowHeight) / 2.0f - gaugeScaleHeight / 2.0f)};
}

float gaugeLeftEdge()
{
    return gaugeOrigin().x + gaugeArrowX;
}

float gaugeRightEdge()
{
    return gaugeLeftEdge() + gaugeArrowWidth;
}

float gaugeArrowOffset(float atDepth)
{
    double travelled = 1.0 - depthRangeFraction(atDepth);
    return static_cast<float>(travelled * gaugeArrowTravel - 5.0 + 6.0);
}
