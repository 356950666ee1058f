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

double srgbEncode(double linear)
{
    const double v = std::clamp(linear, 0.0, 1.0);
    return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
}

double srgbDecode(double encoded)
{
    const double v = std::clamp(encoded, 0.0, 1.0);
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

unsigned char srgbByte(double linear)
{
    return static_cast<unsigned char>(std::lround(srgbEncode(linear) * 255.0));
}

PatchTristimulus chartUnder(const Spectrum& light)
{
    PatchTristimulus patches;
    for (int p = 0; p < colorCheckerPatches; ++p)
        patches[static_cast<std::size_t>(p)] = tristimulus(light, patchReflectance(p));
    return patches;
}

PatchColours shownColours(const PatchTristimulus& patches)
{
    PatchColours colours;
    for (std::size_t p = 0; p < patches.size(); ++p)
        colours[p] = intoGamut(linearSrgb(patches[p]));
    return colours;
}

LinearRgb channelScales(const PatchColours& from, const PatchColours& to)
{
    // Minimising sum((k * from - to)^2) over k gives k = sum(from * to) / sum(from^2).
    double fromTo[3] = {0.0, 0.0, 0.0};
    double fromFrom[3] = {0.0, 0.0, 0.0};
    for (std::size_t p = 0; p < from.size(); ++p) {
        const double f[3] = {from[p].r, from[p].g, from[p].b};
        const double t[3] = {to[p].r, to[p].g, to[p].b};
        for (int c = 0; c < 3; ++c) {
            fromTo[c] += f[c] * t[c];
            fromFrom[c] += f[c] * f[c];
        }
    }
    auto scale = [&](int c) { return fromFrom[c] > 0.0 ? std::clamp(fromTo[c] / fromFrom[c], 0.0, 1.0) : 0.0; };
    return {scale(0), scale(1), scale(2)};
}

namespace {

// The Bradford matrix from XYZ to its sharpened cone responses (ICC.1:2010,
// Annex E), and its exact inverse to seven decimals (the standard prints it
// to four, which would leave a white off by 1e-4).
constexpr double bradford[3][3] = {
    {0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}};
constexpr double bradfordInverse[3][3] = {
    {0.9869929, -0.1470543, 0.1599627}, {0.4323053, 0.5183603, 0.0492912}, {-0.0085287, 0.0400428, 0.9684867}};

void multiply(const double m[3][3], const double v[3], double out[3])
{
    for (int i = 0; i < 3; ++i)
        out[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
}

}  // namespace

Xyz bradfordAdapt(const Xyz& xyz, const Xyz& sourceWhite, const Xyz& targetWhite)
{
    const double v[3] = {xyz.x, xyz.y, xyz.z};
    const double s[3] = {sourceWhite.x, sourceWhite.y, sourceWhite.z};
    const double t[3] = {targetWhite.x, targetWhite.y, targetWhite.z};
    double cone[3], sourceCone[3], targetCone[3];
    multiply(bradford, v, cone);
    multiply(bradford, s, sourceCone);
    multiply(bradford, t, targetCone);
    // Von Kries scaling of each cone response by the ratio of the whites'.
    // In light as narrow as deep coastal water's a sharpened response may be
    // negative; the ratio still carries the white onto the white.
    for (int i = 0; i < 3; ++i)
        cone[i] = sourceCone[i] != 0.0 ? cone[i] * targetCone[i] / sourceCone[i] : 0.0;
    double out[3];
    multiply(bradfordInverse, cone, out);
    return {out[0], out[1], out[2]};
}
