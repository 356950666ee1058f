#include "optics/water_view.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numbers>

#include "optics/depth_table.h"
#include "optics/water_iops.h"
#include "optics/water_model.h"

namespace {

Spectrum beamTransmission(double chlorophyll, double metres)
{
    Spectrum t;
    for (int i = 0; i < spectrumSamples; ++i)
        t[static_cast<std::size_t>(i)] = std::exp(-beamAttenuation(wavelengthAt(i), chlorophyll) * metres);
    return t;
}

Spectrum times(Spectrum a, const Spectrum& b)
{
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] *= b[i];
    return a;
}

WaterView computeWaterView(double chlorophyll, double depthMetres)
{
    const LinearRgb oneMetre = pathTransmission(chlorophyll, depthMetres, 1.0);
    // A channel that keeps nothing through a metre is given a steep but
    // finite attenuation.
    auto attenuation = [](double t) { return t > 1e-12 ? -std::log(t) : 27.6; };
    return {veilingLight(chlorophyll, depthMetres),
            {attenuation(oneMetre.r), attenuation(oneMetre.g), attenuation(oneMetre.b)},
            veilingLightBelow(chlorophyll, depthMetres), sunBeamTransmission(chlorophyll, depthMetres)};
}

LinearRgb mix(const LinearRgb& a, const LinearRgb& b, double t)
{
    return {a.r + t * (b.r - a.r), a.g + t * (b.g - a.g), a.b + t * (b.b - a.b)};
}

}  // namespace

LinearRgb veilingLight(double chlorophyll, double depthMetres)
{
    Spectrum veil = lightAtDepth(chlorophyll, std::max(depthMetres, 0.0));
    for (int i = 0; i < spectrumSamples; ++i) {
        const double w = wavelengthAt(i);
        const double sideways = volumeScattering(w, chlorophyll, 0.0);
        veil[static_cast<std::size_t>(i)] *=
            std::numbers::pi * sideways / (absorption(w, chlorophyll) + backscattering(w, chlorophyll));
    }
    return intoGamut(linearSrgb(tristimulus(veil)));
}

LinearRgb veilingLightBelow(double chlorophyll, double depthMetres)
{
    Spectrum veil = lightAtDepth(chlorophyll, std::max(depthMetres, 0.0));
    for (int i = 0; i < spectrumSamples; ++i) {
        const double w = wavelengthAt(i);
        const double back = volumeScattering(w, chlorophyll, -1.0);
        veil[static_cast<std::size_t>(i)] *=
            std::numbers::pi * back /
            (absorption(w, chlorophyll) + backscattering(w, chlorophyll) + diffuseAttenuation(w, chlorophyll));
    }
    return intoGamut(linearSrgb(tristimulus(veil)));
}

LinearRgb pathTransmission(double chlorophyll, double depthMetres, double distanceMetres)
{
    const Spectrum light = lightAtDepth(chlorophyll, std::max(depthMetres, 0.0));
    const Spectrum through = times(light, beamTransmission(chlorophyll, std::max(distanceMetres, 0.0)));
    return channelScales(shownColours(chartUnder(light)), shownColours(chartUnder(through)));
}

LinearRgb torchTransmission(double chlorophyll, double distanceMetres)
{
    const Spectrum lamp = daylightSpectrum();
    const Spectrum through = times(lamp, beamTransmission(chlorophyll, 2.0 * std::max(distanceMetres, 0.0)));
    return channelScales(shownColours(chartUnder(lamp)), shownColours(chartUnder(through)));
}

WaterView waterView(int waterType, double depthMetres)
{
    static std::unique_ptr<std::array<WaterView, depthTableEntries>> tables[waterTypeCount];
    const int type = std::clamp(waterType, 0, waterTypeCount - 1);
    if (!tables[type]) {
        tables[type] = std::make_unique<std::array<WaterView, depthTableEntries>>();
        for (int i = 0; i <= depthTableSteps; ++i)
            (*tables[type])[static_cast<std::size_t>(i)] =
                computeWaterView(waterTypes[type].chlorophyll, depthTableDepth(i));
    }
    const DepthPosition at = depthPosition(depthMetres);
    const double t = at.fraction;
    const WaterView& a = (*tables[type])[at.below];
    const WaterView& b = (*tables[type])[at.below + 1];
    return {mix(a.veil, b.veil, t), mix(a.attenuation, b.attenuation, t), mix(a.veilBelow, b.veilBelow, t),
            mix(a.sunBeam, b.sunBeam, t)};
}

LinearRgb sunBeamTransmission(double chlorophyll, double depthMetres)
{
    const Spectrum sun = daylightSpectrum();
    const Spectrum through = times(sun, beamTransmission(chlorophyll, std::max(depthMetres, 0.0)));
    return channelScales(shownColours(chartUnder(sun)), shownColours(chartUnder(through)));
}

LinearRgb sunTransmission(int waterType, double depthMetres)
{
    return waterView(waterType, depthMetres).sunBeam;
}
