// Prints what the program computes of the measured waters, for
// reference_optics.py to check against its own computation from the tables.
#include <cstdio>

#include "optics/water_model.h"
#include "render/colour_overlay.h"
#include "render/depth_lighting.h"

int main()
{
    const float depths[] = {0.0f, 5.0f, 10.0f, 15.0f, 20.0f, 30.0f, 45.0f, 60.0f, 90.0f};
    for (int water = 0; water < waterTypeCount; ++water) {
        const int model = water + 1;
        for (float d : depths) {
            const ChannelFactors f = waterFactors(water, d);
            std::printf("factors %d %g %.6f %.6f %.6f\n", water, d, f.red, f.green, f.blue);
            float clear[4];
            modelClearColor(model, d, clear);
            std::printf("clear %d %g %.6f %.6f %.6f\n", water, d, clear[0], clear[1], clear[2]);
            const ColourChartPatches chart = colourChartPatches(model, d);
            std::printf("stops %d %g %.6f\n", water, d, chart.exposureStops);
            const std::array<unsigned char, 72>* charts[] = {&chart.surface, &chart.atDepth, &chart.whiteBalanced};
            for (int c = 0; c < 3; ++c)
                for (int p = 0; p < 24; ++p) {
                    const unsigned char* rgb = &(*charts[c])[static_cast<std::size_t>(3 * p)];
                    std::printf("patch %d %g %d %d %d %d %d\n", water, d, c, p, rgb[0], rgb[1], rgb[2]);
                }
        }
    }
    return 0;
}
