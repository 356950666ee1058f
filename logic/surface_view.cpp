#include "logic/surface_view.h"

#include <algorithm>

namespace {

constexpr int margin = 8;

}  // namespace

WindowRect surfaceViewArea(int width, int height, int rightLimit)
{
    if (width <= 0 || height <= 0)
        return {};
    int fishTop = 0;
    for (const WindowRect& fish : fishWindowAreas(width, height))
        fishTop = std::max(fishTop, fish.y + fish.height);
    const int viewHeight = std::min(height / 3, height - fishTop - 2 * margin);
    if (viewHeight < height / 6)
        return {};
    const int viewWidth = static_cast<int>(static_cast<long long>(viewHeight) * width / height);
    const int x = std::max(margin, std::min(rightLimit, width) - margin - viewWidth);
    return {x, height - margin - viewHeight, viewWidth, viewHeight};
}
