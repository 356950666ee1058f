#include "render/colour_overlay.h"

#include <cstdio>
#include <string>

#include "optics/colorimetry.h"
#include "optics/water_model.h"
#include "render/depth_lighting.h"
#include "render/frame.h"
#include "state/program_state.h"

namespace {

using PatchColours = std::array<LinearRgb, colorCheckerPatches>;

const PatchColours& surfacePatches()
{
    static const PatchColours patches = [] {
        PatchColours colours;
        const Spectrum light = daylightSpectrum();
        for (int p = 0; p < colorCheckerPatches; ++p)
            colours[static_cast<std::size_t>(p)] = intoGamut(linearSrgb(tristimulus(light, patchReflectance(p))));
        return colours;
    }();
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

// What the GUI was last given. It starts as the GUI does: no name, no chart.
struct ShownState {
    int model = 0;
    float depth = 0.0f;
    bool chartShown = false;
    GaugeOrigin gauge = {gaugeScaleX, gaugeScaleY};
};
ShownState shown;

void handOverChart()
{
    const ColourChartPatches patches = colourChartPatches(colourModel, depth);
    char atDepthLabel[32];
    char balancedLabel[48];
    std::snprintf(atDepthLabel, sizeof atDepthLabel, "at %.0f m", static_cast<double>(depth));
    std::snprintf(balancedLabel, sizeof balancedLabel, "at %.0f m, white-balanced", static_cast<double>(depth));
    const OrlinSwatchGroup groups[] = {
        {"surface", 6, 4, patches.surface.data()},
        {atDepthLabel, 6, 4, patches.atDepth.data()},
        {balancedLabel, 6, 4, patches.whiteBalanced.data()},
    };

    // The model's red, green and blue factors over the depths the gauge shows.
    constexpr int points = 81;
    float red[points], green[points], blue[points];
    for (int i = 0; i < points; ++i) {
        const DepthFactors f = modelDepthFactors(colourModel, minDepth + (maxDepth - minDepth) * i / (points - 1));
        red[i] = f.red;
        green[i] = f.green;
        blue[i] = f.blue;
    }
    static const float redLine[4] = {0.95f, 0.3f, 0.3f, 1.0f};
    static const float greenLine[4] = {0.3f, 0.9f, 0.3f, 1.0f};
    static const float blueLine[4] = {0.4f, 0.6f, 1.0f, 1.0f};
    const OrlinPlotLine lines[] = {{red, points, redLine}, {green, points, greenLine}, {blue, points, blueLine}};

    const std::string title = std::string("Colour chart: ") + colourModelName(colourModel);
    OrlinChart chart{};
    chart.title = title.c_str();
    chart.groups = groups;
    chart.groupCount = 3;
    chart.lines = lines;
    chart.lineCount = 3;
    chart.marker = (depth - minDepth) / (maxDepth - minDepth);
    chart.leftLabel = "10 m";
    chart.rightLabel = "90 m";
    guiContext->setChart(&chart);
}

}  // namespace

ColourChartPatches colourChartPatches(int model, float atDepth)
{
    ColourChartPatches patches;
    const PatchColours& surface = surfacePatches();
    for (std::size_t p = 0; p < surface.size(); ++p)
        toBytes(surface[p], &patches.surface[3 * p]);

    if (model <= 0 || model >= colourModelCount()) {
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

    // Under water the light is a spectrum. White balance works on the
    // tristimulus values, as a camera does on its sensor's channels: they are
    // never negative, where deep water's saturated light is outside sRGB and
    // would leave a white patch with no red to divide by.
    const Spectrum daylight = daylightSpectrum();
    const Spectrum light = lightAtDepth(waterTypes[model - 1].chlorophyll, atDepth);
    const Spectrum whiteReflectance = patchReflectance(colorCheckerWhite);
    const Xyz surfaceWhite = tristimulus(daylight, whiteReflectance);
    const Xyz deepWhite = tristimulus(light, whiteReflectance);
    for (int p = 0; p < colorCheckerPatches; ++p) {
        const Xyz deep = tristimulus(light, patchReflectance(p));
        const std::size_t at = 3 * static_cast<std::size_t>(p);
        toBytes(intoGamut(linearSrgb(deep)), &patches.atDepth[at]);
        const Xyz wb{balanced(deep.x, deepWhite.x, surfaceWhite.x), balanced(deep.y, deepWhite.y, surfaceWhite.y),
                     balanced(deep.z, deepWhite.z, surfaceWhite.z)};
        toBytes(intoGamut(linearSrgb(wb)), &patches.whiteBalanced[at]);
    }
    return patches;
}

void syncColourOverlay()
{
    if (guiContext == nullptr)
        return;
    const bool modelChanged = shown.model != colourModel;
    const GaugeOrigin gauge = gaugeOrigin();
    if (modelChanged || gauge.x != shown.gauge.x || gauge.y != shown.gauge.y) {
        const char* name = colourModel == 0 ? "" : colourModelName(colourModel);
        // Under the gauge, flush with its right edge.
        guiContext->setLabel(name, static_cast<int>(gauge.x + (gaugeArrowX + gaugeArrowWidth) * gauge.scale),
                             static_cast<int>(gauge.y - 6.0f * gauge.scale));
    }
    const bool chartToggled = colourChartShown != shown.chartShown;
    if (colourChartShown && (modelChanged || chartToggled || shown.depth != depth))
        handOverChart();
    if (chartToggled)
        guiContext->showChart(colourChartShown);
    shown = {colourModel, depth, colourChartShown, gauge};
}
