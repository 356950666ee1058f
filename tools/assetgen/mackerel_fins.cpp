#include "mackerel_fins.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "mackerel_body.h"

namespace modelgen {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr Vec3 sideways{0.0, 0.0, 1.0};

// Fins take the skin's colour at their own spot, kept off the picture's very
// edges (as the body's) so texture filtering never reaches across to the other edge.
double clampToPicture(double value) { return std::clamp(value, skinMargin, 1.0 - skinMargin); }

TextureMapping pictureAt(double fixedV)
{
    return [fixedV](const Vec3& p) { return std::array<double, 2>{clampToPicture(skinU(p.x)), fixedV}; };
}

// A fin standing on the back (upwards) or hanging from the belly (downwards)
// in the fish's middle plane. Its root follows the body's outline, sunk a
// little into it so no gap shows; `height(s)` is the fin's height at the
// fraction s of the root from front to back and `sweep` leans it tailwards.
struct MedianFin {
    std::string name;
    double frontX;
    double backX;
    double (*height)(double s);
    double sweep;
    bool onBack;
    int columns;
    int rows;
};

ModelGroup buildMedianFin(const MedianFin& fin)
{
    constexpr double sink = 0.012;
    std::vector<std::vector<Vec3>> points;
    for (int i = 0; i <= fin.columns; ++i) {
        const double s = static_cast<double>(i) / fin.columns;
        const double x = fin.frontX + s * (fin.backX - fin.frontX);
        const double direction = fin.onBack ? 1.0 : -1.0;
        const double rootY = fin.onBack ? bodyTopY(x) - sink : bodyBottomY(x) + sink;
        const double h = fin.height(s) + sink;
        std::vector<Vec3>& column = points.emplace_back();
        for (int j = 0; j <= fin.rows; ++j) {
            const double b = static_cast<double>(j) / fin.rows;
            column.push_back({x - b * fin.sweep * h, rootY + direction * b * h, 0.0});
        }
    }
    ModelGroup group;
    group.name = fin.name;
    addTwoSidedSheet(group, points, sideways, pictureAt(fin.onBack ? 0.97 : 0.04));
    return group;
}

// The spiny first dorsal fin: a tall front, falling away towards the back.
double firstDorsalHeight(double s)
{
    const double rise = s < 0.18 ? std::sin(0.5 * pi * s / 0.18) : 1.0;
    return 0.004 + 0.096 * rise * std::pow(1.0 - s, 0.9);
}

// The soft second dorsal and the anal fin below it: small, with a concave
// trailing edge.
double secondDorsalHeight(double s)
{
    const double rise = s < 0.25 ? std::sin(0.5 * pi * s / 0.25) : 1.0;
    return 0.004 + 0.056 * rise * std::pow(1.0 - s, 1.3);
}

double analHeight(double s)
{
    const double rise = s < 0.25 ? std::sin(0.5 * pi * s / 0.25) : 1.0;
    return 0.004 + 0.046 * rise * std::pow(1.0 - s, 1.3);
}

double finletHeight(double s) { return 0.003 + 0.024 * (1.0 - s); }

// The forked tail in the middle plane: each lobe spreads from the stalk to a
// pointed tip; the trailing edge curves in to a deep fork.
ModelGroup buildTail()
{
    constexpr double rootX = -0.74;
    constexpr double rootHalfHeight = 0.02;
    constexpr double span = 0.24;
    constexpr double notchX = -0.99;
    constexpr int across = 16;
    constexpr int along = 8;
    std::vector<std::vector<Vec3>> points;
    for (int i = 0; i <= across; ++i) {
        const double eta = -1.0 + 2.0 * i / across;
        const double trailingX = notchX + (fishTailX - notchX) * std::pow(std::abs(eta), 1.5);
        std::vector<Vec3>& column = points.emplace_back();
        for (int j = 0; j <= along; ++j) {
            const double b = static_cast<double>(j) / along;
            const double spread = rootHalfHeight + (span - rootHalfHeight) * std::pow(b, 1.15);
            column.push_back({rootX + b * (trailingX - rootX), eta * spread, 0.0});
        }
    }
    ModelGroup tail;
    tail.name = "tail_fin";
    addTwoSidedSheet(tail, points, sideways, [](const Vec3& p) {
        return std::array<double, 2>{clampToPicture(skinU(p.x)), clampToPicture(0.5 + 0.47 * p.y / span)};
    });
    return tail;
}

// A leaf-shaped paired fin, rooted on the body at `root` and pointing along
// `direction`; `across` gives the root's direction. The fin on the -z side is
// the mirror image of the one on the +z side.
struct PairedFin {
    const char* name;
    Vec3 root;
    Vec3 direction;
    Vec3 across;
    double length;
    double rootWidth;
    double textureV;  // the pectorals take the darker colour of the back
};

std::vector<std::vector<Vec3>> leafPoints(const PairedFin& fin, bool mirrored)
{
    constexpr int columns = 8;
    constexpr int rows = 4;
    const Vec3 a = normalized(fin.direction);
    const Vec3 c = normalized(fin.across - a * dot(fin.across, a));
    std::vector<std::vector<Vec3>> points;
    for (int i = 0; i <= columns; ++i) {
        const double s = static_cast<double>(i) / columns;
        // Widest a little behind the root, tapering to a rounded point; the
        // upper edge runs straighter than the lower.
        const double width = fin.rootWidth * (0.85 + 0.6 * std::sin(pi * std::min(s, 0.5))) * std::pow(1.0 - s, 0.8);
        const double upper = 0.35 * width;
        const double lower = -0.65 * width;
        std::vector<Vec3>& column = points.emplace_back();
        for (int j = 0; j <= rows; ++j) {
            const double r = static_cast<double>(j) / rows;
            Vec3 p = fin.root + a * (s * fin.length) + c * (lower + r * (upper - lower));
            if (mirrored)
                p.z = -p.z;
            column.push_back(p);
        }
    }
    return points;
}

ModelGroup buildPairedFins(const PairedFin& fin)
{
    ModelGroup group;
    group.name = fin.name;
    const Vec3 a = normalized(fin.direction);
    const Vec3 c = normalized(fin.across - a * dot(fin.across, a));
    Vec3 normal = normalized(cross(a, c));
    // Either side of a sheet is a front; the outer side is the one that faces
    // away from the body.
    if (normal.z < 0.0)
        normal = normal * -1.0;
    addTwoSidedSheet(group, leafPoints(fin, false), normal, pictureAt(fin.textureV));
    addTwoSidedSheet(group, leafPoints(fin, true), {normal.x, normal.y, -normal.z}, pictureAt(fin.textureV));
    return group;
}

// A point on the +z side of the body at height y, sunk slightly inwards.
Vec3 onSide(double x, double y, double inset)
{
    const BodySection s = bodySectionAt(x);
    const double half = y >= s.centreY ? s.upper : s.lower;
    const double c = std::clamp((y - s.centreY) / half, -1.0, 1.0);
    return {x, y, s.halfWidth * std::sqrt(1.0 - c * c) - inset};
}

}  // namespace

std::vector<ModelGroup> buildFins()
{
    std::vector<ModelGroup> fins;
    fins.push_back(buildTail());
    fins.push_back(buildMedianFin({"first_dorsal_fin", 0.66, 0.30, firstDorsalHeight, 0.45, true, 14, 5}));
    fins.push_back(buildMedianFin({"second_dorsal_fin", 0.06, -0.12, secondDorsalHeight, 0.5, true, 8, 4}));
    fins.push_back(buildMedianFin({"anal_fin", 0.02, -0.16, analHeight, 0.5, false, 8, 4}));

    // Five finlets above and five below the tail stalk.
    for (int k = 0; k < 5; ++k) {
        const double front = -0.18 - 0.092 * k;
        const std::string number = std::to_string(k + 1);
        fins.push_back(
            buildMedianFin({"dorsal_finlet_" + number, front, front - 0.045, finletHeight, 1.2, true, 2, 2}));
        fins.push_back(buildMedianFin(
            {"anal_finlet_" + number, front - 0.02, front - 0.065, finletHeight, 1.2, false, 2, 2}));
    }

    const double pectoralX = 0.74;
    fins.push_back(buildPairedFins(
        {"pectoral_fins", onSide(pectoralX, 0.01, 0.006), {-1.0, 0.18, 0.26}, {0.15, 1.0, 0.0}, 0.23, 0.045, 0.85}));
    const double pelvicX = 0.62;
    fins.push_back(buildPairedFins({"pelvic_fins", onSide(pelvicX, bodyBottomY(pelvicX) * 0.8, 0.004),
                                    {-1.0, -0.35, 0.3}, {1.0, 0.0, 0.0}, 0.1, 0.03, 0.04}));
    return fins;
}

}  // namespace modelgen
