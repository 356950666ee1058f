#include "logic/colour_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "language/translation.h"
#include "logic/colour_models.h"
#include "logic/depth_range.h"
#include "optics/camera.h"
#include "optics/colorimetry.h"
#include "optics/water_model.h"

namespace {

const PatchColours& surfacePatches()
{
    static const PatchColours patches = shownColours(chartUnder(daylightSpectrum()));
    return patches;
}

void toBytes(const LinearRgb& c, unsigned char* rgb)
{
    rgb[0] = srgbByte(c.r);
    rgb[1] = srgbByte(c.g);
    rgb[2] = srgbByte(c.b);
}

// Each channel divided by the white patch's at that depth, times the white
// patch's on the surface, so the white patch reads as on the surface chart. A
// channel the white patch has lost entirely is lost for every patch.
double balanced(double channel, double white, double surfaceWhite)
{
    return white > 1e-9 ? channel / white * surfaceWhite : 0.0;
}

// A channel under this, in linear light, is less than one step of an 8-bit
// picture: white balance has nothing left to scale up.
constexpr double smallestStep = 1.0 / 255.0;

}  // namespace

std::array<bool, 3> lostChannels(int model, float atDepth)
{
    std::array<bool, 3> lost{};
    const DepthRange range = modelDepthRange(model);
    const double widestGain = std::exp2(maxExposureStops);
    const float to = std::isfinite(atDepth) ? clampDepth(atDepth, range) : range.deepest;
    // Whole units down to the depth, then the depth itself.
    for (float d = range.shallowest;; d = std::min(d + 1.0f, to)) {
        const DepthFactors f = modelDepthFactors(model, d);
        const float factors[3] = {f.red, f.green, f.blue};
        for (int c = 0; c < 3; ++c)
            lost[static_cast<std::size_t>(c)] =
                lost[static_cast<std::size_t>(c)] || factors[c] * widestGain < smallestStep;
        if (d >= to)
            break;
    }
    return lost;
}

std::string depthText(int model, double atDepth, bool withFeet)
{
    char text[48];
    if (!measuredModel(model))
        std::snprintf(text, sizeof text, "%.0f", atDepth);
    else if (withFeet)
        std::snprintf(text, sizeof text, tr("%.0f m / %.0f ft"), atDepth, atDepth / 0.3048);
    else
        std::snprintf(text, sizeof text, tr("%.0f m"), atDepth);
    return text;
}

double chartAxisFraction(int model, double atDepth)
{
    const DepthRange range = modelDepthRange(model);
    if (!measuredModel(model))
        return (atDepth - range.shallowest) / (range.deepest - range.shallowest);
    const double top = std::sqrt(static_cast<double>(range.shallowest));
    return (std::sqrt(std::max(atDepth, 0.0)) - top) / (std::sqrt(static_cast<double>(range.deepest)) - top);
}

double chartAxisDepth(int model, double fraction)
{
    const DepthRange range = modelDepthRange(model);
    if (!measuredModel(model))
        return range.shallowest + (range.deepest - range.shallowest) * fraction;
    const double top = std::sqrt(static_cast<double>(range.shallowest));
    const double root = top + (std::sqrt(static_cast<double>(range.deepest)) - top) * fraction;
    return root * root;
}

ChartPlot chartPlot(int model)
{
    ChartPlot plot;
    for (int i = 0; i < ChartPlot::points; ++i) {
        const float atDepth =
            measuredModel(model) ? static_cast<float>(chartAxisDepth(model, static_cast<double>(i) / (ChartPlot::points - 1)))
                                 : minDepth + (maxDepth - minDepth) * i / (ChartPlot::points - 1);
        const DepthFactors f = modelDepthFactors(model, atDepth);
        plot.red[i] = f.red;
        plot.green[i] = f.green;
        plot.blue[i] = f.blue;
    }
    return plot;
}

ColourChartPatches colourChartPatches(int model, float atDepth)
{
    ColourChartPatches patches;
    patches.channelLost = lostChannels(model, atDepth);
    const PatchColours& surface = surfacePatches();
    for (std::size_t p = 0; p < surface.size(); ++p)
        toBytes(surface[p], &patches.surface[3 * p]);

    if (!measuredModel(model)) {
        // The simple rule has no spectrum: its factors dim the surface colours
        // in linear light, and white balance divides them out again where a
        // factor is left.
        const DepthFactors f = depthFactors(atDepth);
        const LinearRgb& white = surface[colorCheckerWhite];
        const LinearRgb dimWhite{white.r * f.red, white.g * f.green, white.b * f.blue};
        for (std::size_t p = 0; p < surface.size(); ++p) {
            const LinearRgb dim{surface[p].r * f.red, surface[p].g * f.green, surface[p].b * f.blue};
            toBytes(dim, &patches.atDepth[3 * p]);
            toBytes({balanced(dim.r, dimWhite.r, white.r), balanced(dim.g, dimWhite.g, white.g),
                     balanced(dim.b, dimWhite.b, white.b)},
                    &patches.whiteBalanced[3 * p]);
        }
        return patches;
    }

    // Under water the light is a spectrum, and the chart is what a camera
    // records of it.
    const ChartRecording recording = recordChart(lightAtDepth(waterTypes[model - 1].chlorophyll, atDepth));
    for (std::size_t p = 0; p < surface.size(); ++p) {
        toBytes(recording.exposed[p], &patches.atDepth[3 * p]);
        toBytes(recording.whiteBalanced[p], &patches.whiteBalanced[3 * p]);
    }
    patches.exposureStops = recording.exposureStops;
    return patches;
}
