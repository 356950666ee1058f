#include "logic/fish_view.h"

#include <algorithm>
#include <cmath>

#include "state/program_state.h"

std::array<WindowRect, 6> fishWindowAreas(int width, int height)
{
    std::array<WindowRect, 6> areas{};
    if (width <= 0 || height <= 0)
        return areas;
    // gluPerspective: a point at eye-space (x, y, z), z < 0, lands at
    // ndc = (x / (-z tan(fov/2) aspect), y / (-z tan(fov/2))).
    const double tanHalf = std::tan(30.0 * 3.14159265358979323846 / 180.0);
    const double aspect = static_cast<double>(width) / static_cast<double>(height);
    const double half[3] = {fishModelLength / 2.0, fishModelHeight / 2.0, fishModelThickness / 2.0};
    for (std::size_t i = 0; i < fishOffsets.size(); ++i) {
        const FishOffset& fish = fishOffsets[i];
        double left = 1e30, right = -1e30, bottom = 1e30, top = -1e30;
        for (int corner = 0; corner < 8; ++corner) {
            const double x = fish.x + ((corner & 1) ? half[0] : -half[0]);
            const double y = fish.y + ((corner & 2) ? half[1] : -half[1]);
            const double z = fish.z + ((corner & 4) ? half[2] : -half[2]) + static_cast<double>(cameraDistance);
            const double px = 0.5 * width * (1.0 + x / (-z * tanHalf * aspect));
            const double py = 0.5 * height * (1.0 + y / (-z * tanHalf));
            left = std::min(left, px);
            right = std::max(right, px);
            bottom = std::min(bottom, py);
            top = std::max(top, py);
        }
        const int x0 = static_cast<int>(std::floor(left));
        const int y0 = static_cast<int>(std::floor(bottom));
        areas[i] = {x0, y0, static_cast<int>(std::ceil(right)) - x0, static_cast<int>(std::ceil(top)) - y0};
    }
    return areas;
}
