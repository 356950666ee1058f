#include "optics/phase_function.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double seaWaterPhase(double cosAngle)
{
    return (1.0 + 0.835 * cosAngle * cosAngle) / (4.0 * std::numbers::pi * (1.0 + 0.835 / 3.0));
}

double henyeyGreenstein(double g, double cosAngle)
{
    const double base = 1.0 + g * g - 2.0 * g * cosAngle;
    return (1.0 - g * g) / (4.0 * std::numbers::pi * base * std::sqrt(base));
}

double henyeyGreensteinBackFraction(double g)
{
    if (g <= 1e-9)
        return 0.5;  // the limit for isotropic scattering
    return (1.0 - g) / (2.0 * g) * ((1.0 + g) / std::sqrt(1.0 + g * g) - 1.0);
}

double henyeyGreensteinForBackFraction(double fraction)
{
    const double wanted = std::clamp(fraction, 1e-9, 0.5);
    double low = 0.0;
    double high = 1.0;
    for (int i = 0; i < 60; ++i) {
        const double middle = 0.5 * (low + high);
        if (henyeyGreensteinBackFraction(middle) > wanted)
            low = middle;
        else
            high = middle;
    }
    return 0.5 * (low + high);
}
