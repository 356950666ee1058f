#include "model_builder.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace modelgen {

Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(const Vec3& a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double length(const Vec3& a) { return std::sqrt(dot(a, a)); }

Vec3 normalized(const Vec3& a)
{
    const double l = length(a);
    return l > 0.0 ? a * (1.0 / l) : a;
}

int addVertex(ModelGroup& group, const ModelVertex& vertex)
{
    group.vertices.push_back(vertex);
    return static_cast<int>(group.vertices.size()) - 1;
}

void addTriangleFacing(ModelGroup& group, int a, int b, int c, const Vec3& facing)
{
    const Vec3& pa = group.vertices[static_cast<std::size_t>(a)].position;
    const Vec3& pb = group.vertices[static_cast<std::size_t>(b)].position;
    const Vec3& pc = group.vertices[static_cast<std::size_t>(c)].position;
    const Vec3 geometric = cross(pb - pa, pc - pa);
    // Below this the corners, written with six decimals, could coincide.
    if (length(geometric) < 1e-10)
        return;
    if (dot(geometric, facing) >= 0.0)
        group.triangles.push_back({a, b, c});
    else
        group.triangles.push_back({a, c, b});
}

void addTwoSidedSheet(ModelGroup& group, const std::vector<std::vector<Vec3>>& points, const Vec3& normal,
                      const TextureMapping& textureAt)
{
    const Vec3 front = normalized(normal);
    const Vec3 back = front * -1.0;
    for (const Vec3& side : {front, back}) {
        std::vector<std::vector<int>> numbers;
        for (const auto& column : points) {
            std::vector<int>& columnNumbers = numbers.emplace_back();
            for (std::size_t j = 0; j < column.size(); ++j) {
                const Vec3& p = column[j];
                // Where an outline narrows to a point, its corners are one vertex.
                if (j > 0 && length(p - column[j - 1]) < 1e-9) {
                    columnNumbers.push_back(columnNumbers.back());
                    continue;
                }
                const auto [u, v] = textureAt(p);
                columnNumbers.push_back(addVertex(group, {p, side, u, v}));
            }
        }
        for (std::size_t i = 0; i + 1 < numbers.size(); ++i) {
            for (std::size_t j = 0; j + 1 < numbers[i].size(); ++j) {
                addTriangleFacing(group, numbers[i][j], numbers[i + 1][j], numbers[i + 1][j + 1], side);
                addTriangleFacing(group, numbers[i][j], numbers[i + 1][j + 1], numbers[i][j + 1], side);
            }
        }
    }
}

Bounds modelBounds(const Model& model)
{
    constexpr double huge = std::numeric_limits<double>::max();
    Bounds bounds{{huge, huge, huge}, {-huge, -huge, -huge}};
    for (const ModelGroup& group : model.groups) {
        for (const ModelVertex& vertex : group.vertices) {
            const Vec3& p = vertex.position;
            bounds.low = {std::min(bounds.low.x, p.x), std::min(bounds.low.y, p.y), std::min(bounds.low.z, p.z)};
            bounds.high = {std::max(bounds.high.x, p.x), std::max(bounds.high.y, p.y),
                           std::max(bounds.high.z, p.z)};
        }
    }
    return bounds;
}

void translateModel(Model& model, const Vec3& offset)
{
    for (ModelGroup& group : model.groups)
        for (ModelVertex& vertex : group.vertices)
            vertex.position = vertex.position + offset;
}

std::size_t triangleCount(const Model& model)
{
    std::size_t count = 0;
    for (const ModelGroup& group : model.groups)
        count += group.triangles.size();
    return count;
}

}  // namespace modelgen
