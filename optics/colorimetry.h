// Light as a spectrum, seen by the CIE 1931 observer and shown in sRGB.
#pragma once

#include <array>

// Every spectrum is sampled where the observer is: 380..780 nm in 5 nm steps.
constexpr int spectrumSamples = 81;
constexpr double firstWavelength = 380.0;
constexpr double wavelengthStep = 5.0;
using Spectrum = std::array<double, spectrumSamples>;

constexpr double wavelengthAt(int sample)
{
    return firstWavelength + wavelengthStep * sample;
}

struct Xyz {
    double x, y, z;
};

// Linear-light sRGB, 1 for each channel of a perfect white in daylight.
struct LinearRgb {
    double r, g, b;
};

Spectrum daylightSpectrum();  // CIE D65, relative power
constexpr int colorCheckerPatches = 24;
constexpr int colorCheckerWhite = 18;  // the white patch, in chart order
Spectrum patchReflectance(int patch);

// The observer's response to `light` reflected by `reflectance`, scaled so
// that daylight on a perfect white reflector has Y = 1.
Xyz tristimulus(const Spectrum& light, const Spectrum& reflectance);
// The same for light seen directly (a perfect white reflector).
Xyz tristimulus(const Spectrum& light);

LinearRgb linearSrgb(const Xyz& xyz);
double luminance(const LinearRgb& rgb);

// Brings a colour into 0..1 on every channel by desaturating it toward the
// grey of its own luminance, as little as needed: the luminance is kept, and
// the hue is kept as far as a straight line toward grey keeps it. A colour
// with luminance outside 0..1 becomes black or white. Clipping each channel on
// its own would instead shift the hue (deep blue-green water turns cyan).
LinearRgb intoGamut(const LinearRgb& rgb);

// The sRGB transfer curve (IEC 61966-2-1, section 5.2) and its inverse; the
// input of each is clamped to 0..1.
double srgbEncode(double linear);
double srgbDecode(double encoded);
// The same curve, to 8 bits.
unsigned char srgbByte(double linear);

// The ColorChecker's 24 patches under a light, as the observer sees them, and
// as the screen can show them (linear sRGB brought into the gamut).
using PatchTristimulus = std::array<Xyz, colorCheckerPatches>;
using PatchColours = std::array<LinearRgb, colorCheckerPatches>;
PatchTristimulus chartUnder(const Spectrum& light);
PatchColours shownColours(const PatchTristimulus& patches);

// Per channel, the one scale that best carries the patches `from` onto the
// patches `to` (least squares over the 24 patches), clamped to 0..1: how much
// of each channel a surface keeps from one light to the other.
LinearRgb channelScales(const PatchColours& from, const PatchColours& to);

// Chromatic adaptation by the Bradford transform, as ICC profiles use it
// (ICC.1:2010, Annex E; K. M. Lam, 1985): `xyz` seen under a light whose white
// is `sourceWhite` becomes what it would be under `targetWhite`.
Xyz bradfordAdapt(const Xyz& xyz, const Xyz& sourceWhite, const Xyz& targetWhite);
