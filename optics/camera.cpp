#include "optics/camera.h"

#include <algorithm>
#include <cmath>

ChartRecording recordChart(const Spectrum& light)
{
    const PatchTristimulus surface = chartUnder(daylightSpectrum());
    const PatchTristimulus deep = chartUnder(light);
    const Xyz& surfaceWhite = surface[colorCheckerWhite];
    const Xyz& deepWhite = deep[colorCheckerWhite];

    ChartRecording recording;
    recording.surface = shownColours(surface);

    // Exposure is one gain on every channel: the cast of the water stays, and
    // the label says how much light is gone.
    const double stops = deepWhite.y > 0.0 ? std::log2(surfaceWhite.y / deepWhite.y) : 2.0 * maxExposureStops;
    recording.exposureStops = std::clamp(stops, 0.0, maxExposureStops);
    const double gain = std::exp2(recording.exposureStops);
    // Balancing brings the white up to the surface's white, which takes the
    // same gain; past the camera's range the balanced chart darkens too.
    const double balanceShortfall = std::exp2(std::min(0.0, maxExposureStops - stops));
    PatchTristimulus exposed = deep;
    PatchTristimulus balanced = deep;
    for (std::size_t p = 0; p < deep.size(); ++p) {
        exposed[p] = {deep[p].x * gain, deep[p].y * gain, deep[p].z * gain};
        // Balancing on the white patch, in cone space, to the surface's white:
        // scaling X, Y and Z themselves would paint blues magenta.
        const Xyz adapted = bradfordAdapt(deep[p], deepWhite, surfaceWhite);
        balanced[p] = {adapted.x * balanceShortfall, adapted.y * balanceShortfall, adapted.z * balanceShortfall};
    }
    recording.exposed = shownColours(exposed);
    recording.whiteBalanced = shownColours(balanced);
    return recording;
}
