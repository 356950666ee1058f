#include "optics/water_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "optics/depth_table.h"
#include "optics/measured_tables.h"

namespace {

// Linear interpolation in a table column over its wavelength column; the
// ends hold beyond the table.
double interpolate(const SpectralTable& table, int column, double wavelength)
{
    const int last = table.rows - 1;
    if (wavelength <= table.at(0, 0))
        return table.at(0, column);
    if (wavelength >= table.at(last, 0))
        return table.at(last, column);
    int row = 0;
    while (row < last - 1 && table.at(row + 1, 0) <= wavelength)
        ++row;
    const double w0 = table.at(row, 0);
    const double w1 = table.at(row + 1, 0);
    const double t = (wavelength - w0) / (w1 - w0);
    return table.at(row, column) + t * (table.at(row + 1, column) - table.at(row, column));
}

using FactorTable = std::array<ChannelFactors, depthTableEntries>;

}  // namespace

double diffuseAttenuation(double wavelength, double chlorophyll)
{
    const double kdTableEnd = waterAttenuation.at(waterAttenuation.rows - 1, 0);  // 700 nm
    if (wavelength <= kdTableEnd) {
        const double kw = interpolate(waterAttenuation, 1, wavelength);
        const double chi = interpolate(waterAttenuation, 2, wavelength);
        const double e = interpolate(waterAttenuation, 3, wavelength);
        return kw + chi * std::pow(chlorophyll, e);
    }
    // The Kd table ends at 700 nm. Beyond it, water's own absorption (Pope
    // and Fry, to 727.5 nm, and its last value further on) stands for Kd:
    // there it is so strong that chlorophyll and scattering hardly matter,
    // and the eye sees little of that light anyway.
    return pureWaterAbsorptionAt(wavelength);
}

double pureWaterAbsorptionAt(double wavelength)
{
    return interpolate(pureWaterAbsorption, 1, wavelength);
}

Spectrum lightAtDepth(double chlorophyll, double depthMetres)
{
    Spectrum light = daylightSpectrum();
    for (int i = 0; i < spectrumSamples; ++i)
        light[static_cast<std::size_t>(i)] *= std::exp(-diffuseAttenuation(wavelengthAt(i), chlorophyll) * depthMetres);
    return light;
}

ChannelFactors computeWaterFactors(double chlorophyll, double depthMetres)
{
    // Scenes are surfaces, not the light itself: the factors carry the
    // ColorChecker's patches from the surface to the depth as well as one
    // scale per channel can. The light's own colour lies outside the gamut
    // and would lose its red to the gamut mapping long before the surfaces
    // it lights do.
    static const PatchColours surface = shownColours(chartUnder(daylightSpectrum()));
    const PatchColours deep = shownColours(chartUnder(lightAtDepth(chlorophyll, std::max(depthMetres, 0.0))));
    const LinearRgb scales = channelScales(surface, deep);
    return {static_cast<float>(scales.r), static_cast<float>(scales.g), static_cast<float>(scales.b)};
}

ChannelFactors waterFactors(int waterType, double depthMetres)
{
    static std::unique_ptr<FactorTable> tables[waterTypeCount];
    const int type = std::clamp(waterType, 0, waterTypeCount - 1);
    if (!tables[type]) {
        tables[type] = std::make_unique<FactorTable>();
        for (int i = 0; i <= depthTableSteps; ++i)
            (*tables[type])[static_cast<std::size_t>(i)] =
                computeWaterFactors(waterTypes[type].chlorophyll, depthTableDepth(i));
    }
    const DepthPosition at = depthPosition(depthMetres);
    const float t = static_cast<float>(at.fraction);
    const ChannelFactors& a = (*tables[type])[at.below];
    const ChannelFactors& b = (*tables[type])[at.below + 1];
    return {a.red + t * (b.red - a.red), a.green + t * (b.green - a.green), a.blue + t * (b.blue - a.blue)};
}
