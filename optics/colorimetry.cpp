#include "optics/colorimetry.h"

#include <algorithm>
#include <cmath>

#include "optics/measured_tables.h"

namespace {

Spectrum column(const SpectralTable& table, int index)
{
    Spectrum spectrum{};
    for (int i = 0; i < spectrumSamples && i < table.rows; ++i)
        spectrum[static_cast<std::size_t>(i)] = table.at(i, index);
    return spectrum;
}

// 1 / (sum of D65 times ybar): the scale that gives daylight's white Y = 1.
double whiteScale()
{
    static const double scale = [] {
        double sum = 0.0;
        for (int i = 0; i < spectrumSamples; ++i)
            sum += cieD65.at(i, 1) * cieObserver.at(i, 2);
        return 1.0 / sum;
    }();
    return scale;
}

}  // namespace

Spectrum daylightSpectrum()
{
    return column(cieD65, 1);
}

Spectrum patchReflectance(int patch)
{
    return column(colorCheckerReflectance, 1 + std::clamp(patch, 0, colorCheckerPatches - 1));
}

Xyz tristimulus(const Spectrum& light, const Spectrum& reflectance)
{
    Xyz xyz{0.0, 0.0, 0.0};
    for (int i = 0; i < spectrumSamples; ++i) {
        const double stimulus = light[static_cast<std::size_t>(i)] * reflectance[static_cast<std::size_t>(i)];
        xyz.x += stimulus * cieObserver.at(i, 1);
        xyz.y += stimulus * cieObserver.at(i, 2);
        xyz.z += stimulus * cieObserver.at(i, 3);
    }
    const double k = whiteScale();
    return {xyz.x * k, xyz.y * k, xyz.z * k};
}

Xyz tristimulus(const Spectrum& light)
{
    Spectrum white;
    white.fill(1.0);
    return tristimulus(light, white);
}

LinearRgb linearSrgb(const Xyz& c)
{
    // IEC 61966-2-1, D65 white.
    return {3.2406 * c.x - 1.5372 * c.y - 0.4986 * c.z, -0.9689 * c.x + 1.8758 * c.y + 0.0415 * c.z,
            0.0557 * c.x - 0.2040 * c.y + 1.0570 * c.z};
}

double luminance(const LinearRgb& c)
{
    return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b;
}

LinearRgb intoGamut(const LinearRgb& c)
{
    const double y = luminance(c);
    if (!(y > 0.0))
        return {0.0, 0.0, 0.0};
    if (y >= 1.0)
        return {1.0, 1.0, 1.0};
    // The largest s in 0..1 that keeps y + s * (channel - y) within 0..1 for
    // every channel; grey (s = 0) always fits since y does.
    double s = 1.0;
    for (double channel : {c.r, c.g, c.b}) {
        if (channel < 0.0)
            s = std::min(s, y / (y - channel));
        else if (channel > 1.0)
            s = std::min(s, (1.0 - y) / (channel - y));
    }
    auto toward = [&](double channel) { return std::clamp(y + s * (channel - y), 0.0, 1.0); };
    return {toward(c.r), toward(c.g), toward(c.b)};
}

unsigned char srgbByte(double linear)
{
    const double v = std::clamp(linear, 0.0, 1.0);
    const double encoded = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
    return static_cast<unsigned char>(std::lround(encoded * 255.0));
}
