// Prints what the program computes of the measured waters, for
// reference_optics.py to check against its own computation from the tables.
#include <cstdio>

#include "optics/water_iops.h"
#include "optics/water_model.h"
#include "optics/water_view.h"
#include "logic/colour_chart.h"
#include "logic/eye_adaptation.h"
#include "render/depth_lighting.h"

int main()
{
    const float depths[] = {0.0f, 5.0f, 10.0f, 15.0f, 20.0f, 30.0f, 45.0f, 60.0f, 90.0f, 100.0f};
    for (int water = 0; water < waterTypeCount; ++water) {
        const int model = water + 1;
        const double chl = waterTypes[water].chlorophyll;
        const std::array<double, goneHues> gone = goneDepths(model);
        std::printf("gone %d 0 %.4f %.4f %.4f\n", water, gone[0], gone[1], gone[2]);
        std::printf("beam %d 0 %.8f %.8f %.8f\n", water, beamAttenuation(450.0, chl), beamAttenuation(550.0, chl),
                    beamAttenuation(650.0, chl));
        for (double metres : {0.0, 0.73, 2.0}) {
            const LinearRgb t = torchTransmission(chl, metres);
            std::printf("torch %d %g %.6f %.6f %.6f\n", water, metres, t.r, t.g, t.b);
        }
        for (float d : depths) {
            const ChannelFactors f = waterFactors(water, d);
            std::printf("factors %d %g %.6f %.6f %.6f\n", water, d, f.red, f.green, f.blue);
            std::printf("eye %d %g %.6f\n", water, d, eyeAdaptationGain(model, d));
            float clear[4];
            modelClearColor(model, d, clear);
            std::printf("clear %d %g %.6f %.6f %.6f\n", water, d, clear[0], clear[1], clear[2]);
            const WaterView view = waterView(water, d);
            std::printf("veil %d %g %.6f %.6f %.6f\n", water, d, view.veil.r, view.veil.g, view.veil.b);
            std::printf("below %d %g %.6f %.6f %.6f\n", water, d, view.veilBelow.r, view.veilBelow.g, view.veilBelow.b);
            for (double up : {-0.6, 0.0, 0.3, 0.8}) {
                const LinearRgb toward = veilingLightToward(chl, d, up);
                std::printf("toward %d %g %g %.6f %.6f %.6f\n", water, d, up, toward.r, toward.g, toward.b);
            }
            const LinearRgb sun = sunTransmission(water, d);
            std::printf("sun %d %g %.8f %.8f %.8f\n", water, d, sun.r, sun.g, sun.b);
            std::printf("attenuation %d %g %.6f %.6f %.6f\n", water, d, view.attenuation.r, view.attenuation.g,
                        view.attenuation.b);
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
