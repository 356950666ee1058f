#include "mackerel_body.h"

#include <algorithm>
#include <cmath>

namespace modelgen {

namespace {

constexpr double pi = 3.14159265358979323846;

// Proportions of a mackerel: deepest a good third of the way back, about a
// fifth as deep as long, a slender tail stalk, a pointed snout.
constexpr double maxHalfHeight = 0.2;
constexpr double maxHalfWidth = 0.12;
constexpr double stalkHalfHeight = 0.028;
constexpr double stalkHalfWidth = 0.024;
constexpr double deepestAt = 0.36;  // fraction of the body length
constexpr double roundedEndFrom = 0.955;

// Around the body and along it.
constexpr int sectionsAround = 36;
constexpr int stepsAlong = 56;

double bodyFraction(double x) { return (fishNoseX - x) / (fishNoseX - bodyEndX); }

// 0 at the snout rising to 1 where the body is deepest, then falling to the
// stalk's share; the rear end is rounded off to a point.
double profile(double t, double snoutPower, double stalkShare)
{
    if (t <= 0.0 || t >= 1.0)
        return 0.0;
    double shape;
    if (t < deepestAt) {
        shape = std::pow(std::sin(0.5 * pi * t / deepestAt), snoutPower);
    } else {
        const double fall = std::cos(0.5 * pi * (t - deepestAt) / (1.0 - deepestAt));
        shape = stalkShare + (1.0 - stalkShare) * std::pow(fall, 1.4);
    }
    if (t > roundedEndFrom) {
        const double r = (t - roundedEndFrom) / (1.0 - roundedEndFrom);
        shape *= std::sqrt(std::max(0.0, 1.0 - r * r));
    }
    return shape;
}

Vec3 surfaceNormal(double x, double angle)
{
    // The surface is smooth in (x, angle): its normal is the cross product of
    // the two tangents, taken tailwards first so that it points outwards.
    constexpr double step = 1e-5;
    const Vec3 alongTail = bodySurfacePoint(x - step, angle) - bodySurfacePoint(x + step, angle);
    const Vec3 around = bodySurfacePoint(x, angle + step) - bodySurfacePoint(x, angle - step);
    return normalized(cross(alongTail, around));
}

}  // namespace

BodySection bodySectionAt(double x)
{
    const double t = bodyFraction(x);
    const double height = maxHalfHeight * profile(t, 0.75, stalkHalfHeight / maxHalfHeight);
    const double width = maxHalfWidth * profile(t, 0.85, stalkHalfWidth / maxHalfWidth);
    // The back arches a little more than the belly.
    return {0.0, 1.05 * height, 0.95 * height, width};
}

double bodyTopY(double x)
{
    const BodySection s = bodySectionAt(x);
    return s.centreY + s.upper;
}

double bodyBottomY(double x)
{
    const BodySection s = bodySectionAt(x);
    return s.centreY - s.lower;
}

double insidePicture(double fraction) { return skinMargin + (1.0 - 2.0 * skinMargin) * std::clamp(fraction, 0.0, 1.0); }

double skinU(double x) { return insidePicture((fishNoseX - x) / (fishNoseX - fishTailX)); }

double skinV(double x, double y)
{
    const BodySection s = bodySectionAt(x);
    const double height = s.upper + s.lower;
    if (height <= 0.0)
        return 0.5;
    return insidePicture((y - (s.centreY - s.lower)) / height);
}

Vec3 bodySurfacePoint(double x, double angle)
{
    const BodySection s = bodySectionAt(x);
    const double c = std::cos(angle);
    const double y = s.centreY + c * (c >= 0.0 ? s.upper : s.lower);
    return {x, y, s.halfWidth * std::sin(angle)};
}

ModelGroup buildBody()
{
    ModelGroup body;
    body.name = "body";

    // Rings closer together at the snout and the rear tip, where the outline
    // bends most.
    std::vector<double> ringX;
    for (int k = 1; k < stepsAlong; ++k) {
        const double s = static_cast<double>(k) / stepsAlong;
        const double t = 0.5 * s + 0.25 * (1.0 - std::cos(pi * s));
        ringX.push_back(fishNoseX - t * (fishNoseX - bodyEndX));
    }

    const BodySection snoutSection = bodySectionAt(fishNoseX);
    const Vec3 snout{fishNoseX, snoutSection.centreY, 0.0};
    const Vec3 tail{bodyEndX, bodySectionAt(bodyEndX).centreY, 0.0};
    const int snoutVertex = addVertex(body, {snout, {1.0, 0.0, 0.0}, skinU(snout.x), 0.5});
    std::vector<std::vector<int>> rings;
    for (double x : ringX) {
        std::vector<int>& ring = rings.emplace_back();
        for (int j = 0; j < sectionsAround; ++j) {
            const double angle = 2.0 * pi * j / sectionsAround;
            const Vec3 p = bodySurfacePoint(x, angle);
            ring.push_back(addVertex(body, {p, surfaceNormal(x, angle), skinU(x), skinV(x, p.y)}));
        }
    }
    const int tailVertex = addVertex(body, {tail, {-1.0, 0.0, 0.0}, skinU(tail.x), 0.5});

    auto normalOf = [&body](int n) { return body.vertices[static_cast<std::size_t>(n)].normal; };
    auto facingOf = [&](int a, int b, int c) { return normalOf(a) + normalOf(b) + normalOf(c); };
    auto addFacingOut = [&](int a, int b, int c) { addTriangleFacing(body, a, b, c, facingOf(a, b, c)); };

    for (int j = 0; j < sectionsAround; ++j) {
        const int next = (j + 1) % sectionsAround;
        addFacingOut(snoutVertex, rings.front()[j], rings.front()[next]);
        for (std::size_t k = 0; k + 1 < rings.size(); ++k) {
            addFacingOut(rings[k][j], rings[k + 1][j], rings[k + 1][next]);
            addFacingOut(rings[k][j], rings[k + 1][next], rings[k][next]);
        }
        addFacingOut(rings.back()[j], tailVertex, rings.back()[next]);
    }
    return body;
}

}  // namespace modelgen
