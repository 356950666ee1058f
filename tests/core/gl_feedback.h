// What GL itself emits for a piece of drawing, captured in feedback mode with
// window coordinates, colour and texture coordinates per vertex.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

struct FeedbackVertex {
    std::array<double, 3> window;  // x, y in pixels, z in 0..1
    std::array<float, 4> color;
    std::array<float, 4> texture;  // s, t, r, q
};

using FeedbackPolygon = std::vector<FeedbackVertex>;
using FeedbackQuad = std::array<FeedbackVertex, 4>;

// Runs draw in feedback mode and returns the polygons in the order GL
// emitted them. Points, lines and pass-through markers are skipped.
inline std::vector<FeedbackPolygon> captureFeedback(const std::function<void()>& draw,
                                                    std::size_t capacity = 1 << 18)
{
    std::vector<GLfloat> buffer(capacity);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "feedback buffer overflowed";

    constexpr std::size_t vertexSize = 3 + 4 + 4;  // RGBA mode
    std::vector<FeedbackPolygon> polygons;
    std::size_t i = 0;
    const std::size_t end = used > 0 ? static_cast<std::size_t>(used) : 0;
    auto readVertex = [&](std::size_t at) {
        FeedbackVertex v{};
        for (int k = 0; k < 3; ++k)
            v.window[k] = buffer[at + k];
        for (int k = 0; k < 4; ++k) {
            v.color[k] = buffer[at + 3 + k];
            v.texture[k] = buffer[at + 7 + k];
        }
        return v;
    };
    while (i < end) {
        const auto token = static_cast<GLenum>(buffer[i++]);
        switch (token) {
        case GL_POLYGON_TOKEN: {
            const auto count = static_cast<std::size_t>(buffer[i++]);
            FeedbackPolygon polygon;
            for (std::size_t v = 0; v < count; ++v, i += vertexSize)
                polygon.push_back(readVertex(i));
            polygons.push_back(polygon);
            break;
        }
        case GL_POINT_TOKEN:
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN:
            i += vertexSize;
            break;
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            i += 2 * vertexSize;
            break;
        case GL_PASS_THROUGH_TOKEN:
            i += 1;
            break;
        default:
            ADD_FAILURE() << "unknown feedback token " << token;
            return polygons;
        }
    }
    return polygons;
}

// How many quads' worth of area the polygons cover: a quad arrives either as
// one four-sided polygon or as two triangles.
inline double quadCount(const std::vector<FeedbackPolygon>& polygons)
{
    double triangles = 0.0;
    for (const FeedbackPolygon& p : polygons)
        triangles += static_cast<double>(p.size()) - 2.0;
    return triangles / 2.0;
}

inline bool sameVertex(const FeedbackVertex& a, const FeedbackVertex& b)
{
    return a.window == b.window;
}

// The quads as they were sent. A quad split into two triangles is put back
// together: the first triangle starts at the quad's first vertex, and the
// second triangle's free corner lies between the two shared ones.
inline std::vector<FeedbackQuad> reassembleQuads(const std::vector<FeedbackPolygon>& polygons)
{
    std::vector<FeedbackQuad> quads;
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        const FeedbackPolygon& a = polygons[i];
        if (a.size() == 4) {
            quads.push_back({a[0], a[1], a[2], a[3]});
            continue;
        }
        if (a.size() != 3 || i + 1 >= polygons.size() || polygons[i + 1].size() != 3) {
            ADD_FAILURE() << "polygon " << i << " with " << a.size() << " vertices is not part of a quad";
            return quads;
        }
        const FeedbackPolygon& b = polygons[++i];
        int freeInB = -1;
        for (int k = 0; k < 3; ++k) {
            bool shared = false;
            for (const FeedbackVertex& v : a)
                shared = shared || sameVertex(v, b[k]);
            if (!shared)
                freeInB = k;
        }
        int freeInA = -1;
        for (int k = 0; k < 3; ++k) {
            bool shared = false;
            for (const FeedbackVertex& v : b)
                shared = shared || sameVertex(v, a[k]);
            if (!shared)
                freeInA = k;
        }
        if (freeInA < 0 || freeInB < 0) {
            ADD_FAILURE() << "triangles " << i - 1 << " and " << i << " do not share exactly one edge";
            return quads;
        }
        // Walk a's cycle from its first vertex; b's free corner goes on the
        // shared edge, the one that does not touch a's free corner.
        FeedbackQuad quad{};
        int n = 0;
        for (int k = 0; k < 3; ++k) {
            quad[n++] = a[k];
            const int next = (k + 1) % 3;
            if (k != freeInA && next != freeInA)
                quad[n++] = b[freeInB];
        }
        if (n != 4) {
            ADD_FAILURE() << "could not rebuild quad from triangles " << i - 1 << " and " << i;
            return quads;
        }
        quads.push_back(quad);
    }
    return quads;
}

// The matrices and viewport a capture was taken under, to map window
// coordinates back to object coordinates.
struct GlTransform {
    std::array<double, 16> modelview{};
    std::array<double, 16> projection{};
    std::array<int, 4> viewport{};
};

inline GlTransform currentTransform()
{
    GlTransform t;
    glGetDoublev(GL_MODELVIEW_MATRIX, t.modelview.data());
    glGetDoublev(GL_PROJECTION_MATRIX, t.projection.data());
    glGetIntegerv(GL_VIEWPORT, t.viewport.data());
    return t;
}

inline std::array<double, 3> unproject(const FeedbackVertex& v, const GlTransform& t)
{
    std::array<double, 3> object{};
    gluUnProject(v.window[0], v.window[1], v.window[2], t.modelview.data(), t.projection.data(),
                 t.viewport.data(), &object[0], &object[1], &object[2]);
    return object;
}
