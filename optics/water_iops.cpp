#include "optics/water_iops.h"

#include <algorithm>
#include <cmath>

#include "optics/phase_function.h"
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

double particleBackscatteringRatio(double wavelength, double chlorophyll)
{
    const double chl = std::max(chlorophyll, 1e-6);
    return 0.002 + 0.01 * (0.5 - 0.25 * std::log10(chl)) * std::pow(wavelength / 550.0, particleExponent(chl));
}

double backscattering(double wavelength, double chlorophyll)
{
    const double chl = std::max(chlorophyll, 1e-6);
    return 0.5 * seaWaterScattering(wavelength) +
           particleBackscatteringRatio(wavelength, chl) * particleScattering(wavelength, chl);
}

double volumeScattering(double wavelength, double chlorophyll, double cosAngle)
{
    const double g = henyeyGreensteinForBackFraction(particleBackscatteringRatio(wavelength, chlorophyll));
    return seaWaterScattering(wavelength) * seaWaterPhase(cosAngle) +
           particleScattering(wavelength, chlorophyll) * henyeyGreenstein(g, cosAngle);
}

double absorption(double wavelength, double chlorophyll)
{
    const double pureWater = pureWaterAbsorptionAt(wavelength);
    if (wavelength > 700.0)
        return pureWater;
    return std::max(diffuseAttenuation(wavelength, chlorophyll) - backscattering(wavelength, chlorophyll), pureWater);
}

double scattering(double wavelength, double chlorophyll)
{
    return seaWaterScattering(wavelength) + particleScattering(wavelength, chlorophyll);
}

double beamAttenuation(double wavelength, double chlorophyll)
{
    return absorption(wavelength, chlorophyll) + scattering(wavelength, chlorophyll);
}
