#include "optics/water_iops.h"

#include <algorithm>
#include <cmath>

#include "optics/water_model.h"

namespace {

// Morel and Maritorena's spectral exponent of particle scattering.
double particleExponent(double chlorophyll)
{
    return chlorophyll >= 2.0 ? 0.0 : 0.5 * (std::log10(std::max(chlorophyll, 0.02)) - 0.3);
}

}  // namespace

double seaWaterScattering(double wavelength)
{
    return 0.00288 * std::pow(wavelength / 500.0, -4.32);
}

double particleScattering(double wavelength, double chlorophyll)
{
    const double chl = std::max(chlorophyll, 0.0);
    return 0.416 * std::pow(chl, 0.766) * std::pow(wavelength / 550.0, particleExponent(chl));
}

double backscattering(double wavelength, double chlorophyll)
{
    const double chl = std::max(chlorophyll, 1e-6);
    const double ratio =
        0.002 + 0.01 * (0.5 - 0.25 * std::log10(chl)) * std::pow(wavelength / 550.0, particleExponent(chl));
    return 0.5 * seaWaterScattering(wavelength) + ratio * particleScattering(wavelength, chl);
}

double absorption(double wavelength, double chlorophyll)
{
    if (wavelength > 700.0)
        return diffuseAttenuation(wavelength, chlorophyll);  // pure water's absorption there
    return std::max(diffuseAttenuation(wavelength, chlorophyll) / 1.0395 - backscattering(wavelength, chlorophyll), 0.0);
}

double scattering(double wavelength, double chlorophyll)
{
    return seaWaterScattering(wavelength) + particleScattering(wavelength, chlorophyll);
}

double beamAttenuation(double wavelength, double chlorophyll)
{
    return absorption(wavelength, chlorophyll) + scattering(wavelength, chlorophyll);
}
