#include "app/colour_overlay.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include <orlin/orlin.h>

#include "language/translation.h"
#include "input/input_handlers.h"
#include "logic/colour_chart.h"
#include "logic/colour_models.h"
#include "logic/depth_range.h"
#include "logic/eye_adaptation.h"
#include "render/depth_lighting.h"
#include "render/surface_view_area.h"
#include "logic/gauge_geometry.h"
#include "state/program_state.h"

namespace {

// What the GUI was last given. It starts as the GUI does: no name, no chart.
struct ShownState {
    int model = 0;
    float depth = 0.0f;
    bool chartShown = false;
    GaugeOrigin gauge = {gaugeScaleX, gaugeScaleY};
    std::string label;
};
ShownState shown;

// The readout's font size: 8.5 % of the window's height, so that its digits,
// about 0.73 of the font size tall, stand above the 6 % a figure needs to be
// read across a classroom from a projected picture.
// The narrowest window whose chart panel, in the longest of the shipped
// languages, stands beside the depth in metres and feet in large figures.
constexpr int chartBesideFeetWidth = 800;

int readoutHeight(int screenHeight)
{
    return static_cast<int>(std::lround(0.085 * screenHeight));
}

// How far the camera opened up its exposure, in plain words: the factor it
// brightened the picture by (a stop doubles it); nothing where it hardly did.
std::string exposureWords(double stops)
{
    const long times = std::lround(std::exp2(stops));
    // TRANSLATORS: how many times the camera brightened the picture at depth.
    return times > 1 ? formatted(tr("%ld× brighter"), times) : "";
}

// Red, green and blue light, as the chart's legend and its words name them.
std::array<const char*, 3> lightNames()
{
    return {trc("light", "red"), trc("light", "green"), trc("light", "blue")};
}

// Where the light has lost a channel, what the white-balanced column says
// instead of colours balance cannot bring back; empty where none is lost.
std::string lostChannelsNote(const std::array<bool, 3>& lost)
{
    const std::array<const char*, 3> names = lightNames();
    std::string gone;
    for (std::size_t c = 0; c < lost.size(); ++c)
        if (lost[c])
            gone += (gone.empty() ? "" : ", ") + std::string(names[c]);
    // TRANSLATORS: %s names the lost colours of light ("red" or "red, green").
    return gone.empty() ? "" : formatted(tr("%s gone: no balance brings it back"), gone.c_str());
}

// The marks where red, orange and yellow are gone, in the hues' order, each in
// a colour near its own.
struct GoneMark {
    const char* label;
    float colour[4];
};
const GoneMark goneMarks[goneHues] = {
    {N_("red gone"), {0.95f, 0.3f, 0.3f, 1.0f}},
    {N_("orange gone"), {1.0f, 0.6f, 0.2f, 1.0f}},
    {N_("yellow gone"), {1.0f, 0.9f, 0.3f, 1.0f}},
};

void handOverChart()
{
    const float chartDepth = std::round(depth);
    const ColourChartPatches patches = colourChartPatches(colourModel, chartDepth);
    const std::string atDepth = depthText(colourModel, chartDepth, false);
    std::string atDepthLabel = formatted(tr("at %s"), atDepth.c_str());
    const std::string exposure = exposureWords(patches.exposureStops);
    if (measuredModel(colourModel) && !exposure.empty())
        atDepthLabel = formatted(tr("%s, %s"), atDepth.c_str(), exposure.c_str());
    // The group beside it already says the depth: the chart stays narrow
    // enough to stand beside the longest water's label.
    const std::string balancedLabel = tr("white-balanced");
    const DepthRange range = modelDepthRange(colourModel);
    const std::string minLabel = depthText(colourModel, range.shallowest, false);
    const std::string maxLabel = depthText(colourModel, range.deepest, false);
    const OrlinSwatchGroup groups[] = {
        {trc("chart", "surface"), 6, 4, patches.surface.data()},
        {atDepthLabel.c_str(), 6, 4, patches.atDepth.data()},
        {balancedLabel.c_str(), 6, 4, patches.whiteBalanced.data()},
    };

    // The model's red, green and blue factors over the depths the gauge shows,
    // with a legend that names them.
    const ChartPlot plot = chartPlot(colourModel);
    static const float redLine[4] = {0.95f, 0.3f, 0.3f, 1.0f};
    static const float greenLine[4] = {0.3f, 0.9f, 0.3f, 1.0f};
    static const float blueLine[4] = {0.4f, 0.6f, 1.0f, 1.0f};
    const OrlinPlotLine lines[] = {{plot.red, ChartPlot::points, redLine},
                                   {plot.green, ChartPlot::points, greenLine},
                                   {plot.blue, ChartPlot::points, blueLine}};
    const std::array<const char*, 3> lineNames = lightNames();
    const std::string lostNote = lostChannelsNote(patches.channelLost);
    const char* const groupNotes[] = {nullptr, nullptr, lostNote.c_str()};

    // Where red, orange and yellow are gone in this model: the same at every
    // depth, so found again only when the model changes.
    static int goneModel = -1;
    static std::array<double, goneHues> gone{};
    if (goneModel != colourModel) {
        gone = goneDepths(colourModel);
        goneModel = colourModel;
    }
    OrlinPlotMark marks[goneHues];
    for (int h = 0; h < goneHues; ++h) {
        const double at = gone[static_cast<std::size_t>(h)];
        marks[h] = {std::isnan(at) ? -1.0f : static_cast<float>(chartAxisFraction(colourModel, at)),
                    goneMarks[h].colour, tr(goneMarks[h].label)};
    }

    // Daylight's spectrum at the depth: the colours the water takes first go dark first.
    const std::array<unsigned char, stripColours * 3> band = spectrumStrip(colourModel, chartDepth);
    // TRANSLATORS: above a strip of the rainbow's colours as they reach the depth.
    const std::string bandLabel = formatted(tr("daylight at %s, 400 to 700 nm"), atDepth.c_str());

    const std::string title = formatted(tr("Colour chart: %s"), tr(colourModelName(colourModel)));
    OrlinChart chart{};
    chart.title = title.c_str();
    chart.groups = groups;
    chart.groupCount = 3;
    chart.lines = lines;
    chart.lineCount = 3;
    chart.marker = static_cast<float>(chartAxisFraction(colourModel, chartDepth));
    chart.leftLabel = minLabel.c_str();
    chart.rightLabel = maxLabel.c_str();
    chart.lineNames = lineNames.data();
    // TRANSLATORS: after the names of the plot's lines: "red, green, blue light left".
    chart.legendTail = tr("light left");
    chart.percentScale = true;
    chart.markerLabel = atDepth.c_str();
    chart.groupNotes = groupNotes;
    chart.marks = marks;
    chart.markCount = goneHues;
    chart.band = band.data();
    chart.bandCount = stripColours;
    chart.bandLabel = bandLabel.c_str();
    guiContext->setChart(&chart);
}

// The captions over the scene: in the window the model's name under the
// depth's large figures; with F8 the two views named, the surface view in its
// top-left corner, the view at the depth just right of it, over the scene it
// names. The GUI itself skips captions it already shows.
void syncCaptions(const std::string& readoutName, int labelTop, int labelHeight)
{
    std::vector<std::string> texts;
    std::vector<OrlinCaption> captions;
    if (!readoutName.empty()) {
        texts.push_back(readoutName);
        // A line of the label's font below its top, and a little more.
        captions.push_back({nullptr, static_cast<int>(gaugeRightEdge()),
                            labelTop - static_cast<int>(std::lround(1.25 * labelHeight)), true});
    }
    const WindowRect area = shownSurfaceViewArea();
    if (area.width > 0) {
        constexpr int pad = 6;
        const int top = area.y + area.height - pad;
        texts.push_back(tr("at the surface"));
        captions.push_back({nullptr, area.x + pad, top, false});
        texts.push_back(formatted(tr("at %s"), depthText(colourModel, depth, false).c_str()));
        // Left of the view, over the scene it names.
        captions.push_back({nullptr, area.x - 2 * pad, top, true});
    }
    for (std::size_t i = 0; i < captions.size(); ++i)
        captions[i].text = texts[i].c_str();
    guiContext->setCaptions(captions.empty() ? nullptr : captions.data(), static_cast<int>(captions.size()));
}

}  // namespace

void syncColourOverlay()
{
    if (guiContext == nullptr)
        return;
    const bool modelChanged = shown.model != colourModel;
    const GaugeOrigin gauge = gaugeOrigin();
    // The depth in figures a class reads from the back of the room, in every
    // model: in metres and feet in the waters divers know; the simple rule's
    // depth has no unit. In the window the model's name stands under it in
    // the overlay's font, as the window's width has no room for both in
    // large figures on one line.
    const char* name = tr(colourModelName(colourModel));
    // In a window too narrow for the chart beside the figures, the feet give
    // way while the chart is open, so the chart keeps its corner.
    const bool feet = fullScreen || !colourChartShown || windowWidth >= chartBesideFeetWidth;
    std::string label = measuredModel(colourModel)
                            ? depthText(colourModel, depth, feet)
                            // TRANSLATORS: the simple rule's depth, which has no unit.
                            : formatted(tr("depth %s"), depthText(colourModel, depth, true).c_str());
    std::string readoutName = name;
    // In full screen, the model's name beside it on the one line.
    if (fullScreen) {
        readoutName.clear();
        const std::string figure = depthText(colourModel, depth, true);
        label = measuredModel(colourModel) ? formatted(tr("%s, %s"), name, figure.c_str())
                                           // TRANSLATORS: the simple rule's depth has no unit.
                                           : formatted(tr("%s, depth %s"), name, figure.c_str());
    }
    // The GUI rebuilds the label's font only when the height changes.
    const int labelHeight = readoutHeight(windowHeight);
    guiContext->setLabelHeight(labelHeight);
    // Under the gauge, flush with its right edge.
    const int labelTop = static_cast<int>(gauge.y - 6.0f * gauge.scale);
    if (label != shown.label || gauge.x != shown.gauge.x || gauge.y != shown.gauge.y)
        guiContext->setLabel(label.c_str(), static_cast<int>(gaugeRightEdge()), labelTop);
    syncCaptions(readoutName, labelTop, labelHeight);
    const bool chartToggled = colourChartShown != shown.chartShown;
    // By whole depths: a slow dive moves the depth every frame, and the chart
    // says the depth in whole metres anyway.
    const bool depthChanged = std::lround(shown.depth) != std::lround(depth);
    if (colourChartShown && (modelChanged || chartToggled || depthChanged))
        handOverChart();
    if (chartToggled)
        guiContext->showChart(colourChartShown);
    // The eye's figure follows the depth and the model.
    static std::string eyeNotice;
    const std::string eye = eyeAdapted ? eyeAdaptationNotice(sceneExposure()) : "";
    if (eye != eyeNotice) {
        eyeNotice = eye;
        if (eyeAdapted)
            showNotice();
    }
    shown = {colourModel, depth, colourChartShown, gauge, label};
}
