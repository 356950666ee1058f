// A small triangle-model builder for generated meshes: named groups of
// vertices (position, normal, texture coordinate) and triangles, with the
// winding chosen from the side a triangle is meant to be seen from.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace modelgen {

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

Vec3 operator+(const Vec3& a, const Vec3& b);
Vec3 operator-(const Vec3& a, const Vec3& b);
Vec3 operator*(const Vec3& a, double s);
double dot(const Vec3& a, const Vec3& b);
Vec3 cross(const Vec3& a, const Vec3& b);
double length(const Vec3& a);
Vec3 normalized(const Vec3& a);

struct ModelVertex {
    Vec3 position;
    Vec3 normal;
    double u = 0.0;
    double v = 0.0;
};

// Vertex numbers in triangles are local to their group.
struct ModelGroup {
    std::string name;
    std::vector<ModelVertex> vertices;
    std::vector<std::array<int, 3>> triangles;
};

struct Model {
    std::vector<ModelGroup> groups;
};

int addVertex(ModelGroup& group, const ModelVertex& vertex);

// Adds the triangle wound counter-clockwise as seen from the side that
// `facing` points to. Triangles without area are left out: their normal is
// undefined and they draw nothing.
void addTriangleFacing(ModelGroup& group, int a, int b, int c, const Vec3& facing);

// A flat, two-sided sheet (a fin): points[column][row] all lie in the plane
// whose front side `normal` points to. The front copy faces `normal`, the back
// copy faces away with the opposite normal, so the sheet shows from both
// sides when back faces are culled. Every point gets the texture coordinate
// `textureAt` gives for its position.
using TextureMapping = std::function<std::array<double, 2>(const Vec3& position)>;
void addTwoSidedSheet(ModelGroup& group, const std::vector<std::vector<Vec3>>& points, const Vec3& normal,
                      const TextureMapping& textureAt);

struct Bounds {
    Vec3 low;
    Vec3 high;
};
Bounds modelBounds(const Model& model);
void translateModel(Model& model, const Vec3& offset);
std::size_t triangleCount(const Model& model);

}  // namespace modelgen
