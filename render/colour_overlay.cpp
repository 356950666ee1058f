#include "render/colour_overlay.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "optics/camera.h"
#include "optics/colorimetry.h"
#include "optics/water_model.h"
#include "render/depth_lighting.h"
#include "render/frame.h"
#include "state/program_state.h"

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

// What the GUI was last given. It starts as the GUI does: no name, no chart.
struct ShownState {
    int model = 0;
    float depth = 0.0f;
    bool chartShown = false;
    GaugeOrigin gauge = {gaugeScaleX, gaugeScaleY};
    std::string label;
};
ShownState shown;

// The depth as the gauge's label and the chart say it: metres (and feet)
// under the measured waters; the simple rule's depth has no unit.
std::string depthText(double atDepth, bool withFeet)
{
    char text[48];
    if (!measuredModel(colourModel))
        std::snprintf(text, sizeof text, "%.0f", atDepth);
    else if (withFeet)
        std::snprintf(text, sizeof text, "%.0f m / %.0f ft", atDepth, atDepth / 0.3048);
    else
        std::snprintf(text, sizeof text, "%.0f m", atDepth);
    return text;
}

void handOverChart()
{
    const float chartDepth = std::round(depth);
    const ColourChartPatches patches = colourChartPatches(colourModel, chartDepth);
    std::string atDepthLabel = "at " + depthText(chartDepth, false);
    if (measuredModel(colourModel)) {
        char stops[24];
        std::snprintf(stops, sizeof stops, ", %+.1f EV", patches.exposureStops);
        atDepthLabel += stops;
    }
    const std::string balancedLabel = "at " + depthText(chartDepth, false) + ", white-balanced";
    const std::string minLabel = depthText(minDepth, false);
    const std::string maxLabel = depthText(maxDepth, false);
    const OrlinSwatchGroup groups[] = {
        {"surface", 6, 4, patches.surface.data()},
        {atDepthLabel.c_str(), 6, 4, patches.atDepth.data()},
        {balancedLabel.c_str(), 6, 4, patches.whiteBalanced.data()},
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
    chart.marker = (chartDepth - minDepth) / (maxDepth - minDepth);
    chart.leftLabel = minLabel.c_str();
    chart.rightLabel = maxLabel.c_str();
    guiContext->setChart(&chart);
}

}  // namespace

ColourChartPatches colourChartPatches(int model, float atDepth)
{
    ColourChartPatches patches;
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

void syncColourOverlay()
{
    if (guiContext == nullptr)
        return;
    const bool modelChanged = shown.model != colourModel;
    const GaugeOrigin gauge = gaugeOrigin();
    // The water and the depth, in the units divers use; nothing for the
    // simple rule.
    const std::string label =
        measuredModel(colourModel) ? std::string(colourModelName(colourModel)) + ", " + depthText(depth, true) : "";
    if (label != shown.label || gauge.x != shown.gauge.x || gauge.y != shown.gauge.y) {
        // Under the gauge, flush with its right edge.
        guiContext->setLabel(label.c_str(), static_cast<int>(gaugeRightEdge()),
                             static_cast<int>(gauge.y - 6.0f * gauge.scale));
    }
    const bool chartToggled = colourChartShown != shown.chartShown;
    // By whole depths: a slow dive moves the depth every frame, and the chart
    // says the depth in whole metres anyway.
    const bool depthChanged = std::lround(shown.depth) != std::lround(depth);
    if (colourChartShown && (modelChanged || chartToggled || depthChanged))
        handOverChart();
    if (chartToggled)
        guiContext->showChart(colourChartShown);
    shown = {colourModel, depth, colourChartShown, gauge, label};
}
