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

// The share of a band's surface daylight left in `light`.
double bandShare(const Spectrum& light, const HueBand& band)
{
    const Spectrum day = daylightSpectrum();
    double left = 0.0;
    double surface = 0.0;
    for (int i = 0; i < spectrumSamples; ++i) {
        const double w = wavelengthAt(i);
        if (w >= band.from && w < band.to) {
            left += light[static_cast<std::size_t>(i)];
            surface += day[static_cast<std::size_t>(i)];
        }
    }
    return surface > 0.0 ? left / surface : 0.0;
}

// A spectrum of daylight at one wavelength alone.
Spectrum daylightAt(int sample)
{
    Spectrum light{};
    light[static_cast<std::size_t>(sample)] = daylightSpectrum()[static_cast<std::size_t>(sample)];
    return light;
}

// The colour of daylight in a band, as the observer sees it in linear sRGB;
// a channel below zero (the band lies outside the sRGB gamut) counts as none.
LinearRgb bandColour(const HueBand& band)
{
    Xyz sum{0.0, 0.0, 0.0};
    for (int i = 0; i < spectrumSamples; ++i) {
        const double w = wavelengthAt(i);
        if (w >= band.from && w < band.to) {
            const Xyz one = tristimulus(daylightAt(i));
            sum = {sum.x + one.x, sum.y + one.y, sum.z + one.z};
        }
    }
    const LinearRgb c = linearSrgb(sum);
    return {std::max(c.r, 0.0), std::max(c.g, 0.0), std::max(c.b, 0.0)};
}

// How much of a band's light is left at a depth of a model.
double hueShare(int model, const HueBand& band, double atDepth)
{
    if (measuredModel(model))
        return bandShare(lightAtDepth(waterTypes[model - 1].chlorophyll, atDepth), band);
    const LinearRgb c = bandColour(band);
    const DepthFactors f = depthFactors(static_cast<float>(atDepth));
    const double whole = c.r + c.g + c.b;
    return whole > 0.0 ? (c.r * f.red + c.g * f.green + c.b * f.blue) / whole : 0.0;
}

}  // namespace

std::array<double, goneHues> goneDepths(int model)
{
    std::array<double, goneHues> depths;
    const DepthRange range = modelDepthRange(model);
    // The surface end of the simple rule is its own surface; the waters'
    // depths start at the sea's surface.
    const double top = measuredModel(model) ? 0.0 : range.shallowest;
    for (int h = 0; h < goneHues; ++h) {
        const HueBand& band = hueBands[h];
        double& depth = depths[static_cast<std::size_t>(h)];
        if (hueShare(model, band, range.deepest) >= goneFraction) {
            depth = std::nan("");
            continue;
        }
        // The light only falls with depth: halve the interval that holds
        // the crossing down to a hundredth of a unit.
        double kept = top;
        double gone = range.deepest;
        while (gone - kept > 0.01) {
            const double middle = 0.5 * (kept + gone);
            (hueShare(model, band, middle) < goneFraction ? gone : kept) = middle;
        }
        depth = 0.5 * (kept + gone);
    }
    return depths;
}

std::array<unsigned char, stripColours * 3> spectrumStrip(int model, float atDepth)
{
    constexpr int firstSample = 4;  // 400 nm
    static_assert(wavelengthAt(firstSample) == 400.0 && wavelengthAt(firstSample + stripColours - 1) == 700.0,
                  "the strip runs from 400 nm to 700 nm");
    // Each wavelength's colour on the surface: out of gamut as every
    // spectral colour is, it takes as much white as brings its channels to
    // zero or more, and the brightest channel of all comes to 1.
    static const std::array<LinearRgb, stripColours> surface = [] {
        std::array<LinearRgb, stripColours> colours;
        double brightest = 0.0;
        for (int i = 0; i < stripColours; ++i) {
            LinearRgb c = linearSrgb(tristimulus(daylightAt(firstSample + i)));
            const double lift = std::max(0.0, -std::min({c.r, c.g, c.b}));
            c = {c.r + lift, c.g + lift, c.b + lift};
            brightest = std::max({brightest, c.r, c.g, c.b});
            colours[static_cast<std::size_t>(i)] = c;
        }
        for (LinearRgb& c : colours)
            c = {c.r / brightest, c.g / brightest, c.b / brightest};
        return colours;
    }();
    std::array<unsigned char, stripColours * 3> strip{};
    const bool measured = measuredModel(model);
    const Spectrum day = daylightSpectrum();
    const Spectrum light =
        measured ? lightAtDepth(waterTypes[model - 1].chlorophyll, std::max(static_cast<double>(atDepth), 0.0)) : day;
    const DepthFactors f = depthFactors(atDepth);
    for (int i = 0; i < stripColours; ++i) {
        const LinearRgb& c = surface[static_cast<std::size_t>(i)];
        const std::size_t s = static_cast<std::size_t>(firstSample + i);
        const double kept = measured && day[s] > 0.0 ? light[s] / day[s] : 1.0;
        const LinearRgb shown = measured ? LinearRgb{c.r * kept, c.g * kept, c.b * kept}
                                         : LinearRgb{c.r * f.red, c.g * f.green, c.b * f.blue};
        toBytes(shown, &strip[3 * static_cast<std::size_t>(i)]);
    }
    return strip;
}

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
