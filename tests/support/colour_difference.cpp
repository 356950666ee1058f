#include "colour_difference.h"

#include <cmath>
#include <numbers>

namespace {

double labF(double t)
{
    constexpr double delta = 6.0 / 29.0;
    return t > delta * delta * delta ? std::cbrt(t) : t / (3.0 * delta * delta) + 4.0 / 29.0;
}

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

}  // namespace

Lab cielab(const Xyz& c)
{
    const double fx = labF(c.x / 0.95047);
    const double fy = labF(c.y / 1.0);
    const double fz = labF(c.z / 1.08883);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

Lab cielabOfSrgbBytes(const unsigned char rgb[3])
{
    const double r = srgbDecode(rgb[0] / 255.0);
    const double g = srgbDecode(rgb[1] / 255.0);
    const double b = srgbDecode(rgb[2] / 255.0);
    // IEC 61966-2-1, linear sRGB to XYZ.
    return cielab({0.4124 * r + 0.3576 * g + 0.1805 * b, 0.2126 * r + 0.7152 * g + 0.0722 * b,
                   0.0193 * r + 0.1192 * g + 0.9505 * b});
}

double hueAngle(const Lab& lab)
{
    const double h = degrees(std::atan2(lab.b, lab.a));
    return h < 0.0 ? h + 360.0 : h;
}

double deltaE2000(const Lab& one, const Lab& two)
{
    const double c1 = std::hypot(one.a, one.b);
    const double c2 = std::hypot(two.a, two.b);
    const double meanC7 = std::pow((c1 + c2) / 2.0, 7.0);
    const double g = 0.5 * (1.0 - std::sqrt(meanC7 / (meanC7 + std::pow(25.0, 7.0))));
    const double a1 = (1.0 + g) * one.a;
    const double a2 = (1.0 + g) * two.a;
    const double cp1 = std::hypot(a1, one.b);
    const double cp2 = std::hypot(a2, two.b);
    auto hue = [](double b, double a) {
        if (a == 0.0 && b == 0.0)
            return 0.0;
        const double h = degrees(std::atan2(b, a));
        return h < 0.0 ? h + 360.0 : h;
    };
    const double h1 = hue(one.b, a1);
    const double h2 = hue(two.b, a2);

    const double dL = two.l - one.l;
    const double dC = cp2 - cp1;
    double dh = 0.0;
    if (cp1 * cp2 != 0.0) {
        dh = h2 - h1;
        if (dh > 180.0)
            dh -= 360.0;
        else if (dh < -180.0)
            dh += 360.0;
    }
    const double dH = 2.0 * std::sqrt(cp1 * cp2) * std::sin(radians(dh / 2.0));

    const double meanL = (one.l + two.l) / 2.0;
    const double meanCp = (cp1 + cp2) / 2.0;
    double meanH = h1 + h2;
    if (cp1 * cp2 != 0.0) {
        if (std::fabs(h1 - h2) <= 180.0)
            meanH = (h1 + h2) / 2.0;
        else
            meanH = h1 + h2 < 360.0 ? (h1 + h2 + 360.0) / 2.0 : (h1 + h2 - 360.0) / 2.0;
    }
    const double t = 1.0 - 0.17 * std::cos(radians(meanH - 30.0)) + 0.24 * std::cos(radians(2.0 * meanH)) +
                     0.32 * std::cos(radians(3.0 * meanH + 6.0)) - 0.20 * std::cos(radians(4.0 * meanH - 63.0));
    const double dTheta = 30.0 * std::exp(-std::pow((meanH - 275.0) / 25.0, 2.0));
    const double meanCp7 = std::pow(meanCp, 7.0);
    const double rc = 2.0 * std::sqrt(meanCp7 / (meanCp7 + std::pow(25.0, 7.0)));
    const double sl = 1.0 + 0.015 * (meanL - 50.0) * (meanL - 50.0) / std::sqrt(20.0 + (meanL - 50.0) * (meanL - 50.0));
    const double sc = 1.0 + 0.045 * meanCp;
    const double sh = 1.0 + 0.015 * meanCp * t;
    const double rt = -std::sin(radians(2.0 * dTheta)) * rc;
    return std::sqrt((dL / sl) * (dL / sl) + (dC / sc) * (dC / sc) + (dH / sh) * (dH / sh) + rt * (dC / sc) * (dH / sh));
}
