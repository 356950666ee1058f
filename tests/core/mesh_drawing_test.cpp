#include <array>
#include <vector>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "assets/mesh.h"
#include "assets/mesh_drawing.h"
#include "gl_window.h"
#include "state/program_state.h"

namespace {

// Two triangles of a square, 100 pixels on a side, with a texture coordinate
// per corner; one normal facing +z, one facing -z.
Mesh* makeSquareMesh(bool secondFacesAway)
{
    Mesh* mesh = new Mesh("/nonexistent/mesh.obj");
    mesh->vertexCount = 6;
    mesh->positions = new float[18]{100, 100, 0, 200, 100, 0, 100, 200, 0, 200, 100, 0, 200, 200, 0, 100, 200, 0};
    const float away = secondFacesAway ? -1.0f : 1.0f;
    mesh->normals = new float[18]{0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, away, 0, 0, away, 0, 0, away};
    mesh->texCoords = new float[12]{0, 0, 1, 0, 0, 1, 1, 0, 1, 1, 0, 1};
    mesh->indexCount = 6;
    mesh->indices = new std::uint32_t[6]{0, 1, 2, 3, 4, 5};
    return mesh;
}

struct FeedbackVertex {
    float x, y, z;
    float r, g, b, a;
    float s, t;
};
using FeedbackPolygon = std::vector<FeedbackVertex>;

// What `draw` sends down the pipeline, in window coordinates, read back in
// feedback mode: nothing reaches the framebuffer.
std::vector<FeedbackPolygon> feedback(void (*draw)())
{
    std::vector<GLfloat> buffer(4096);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);
    EXPECT_GE(used, 0) << "feedback buffer overflow";
    std::vector<FeedbackPolygon> polygons;
    for (GLint at = 0; at < used;) {
        const GLint token = static_cast<GLint>(buffer[static_cast<std::size_t>(at++)]);
        EXPECT_EQ(token, GL_POLYGON_TOKEN);
        if (token != GL_POLYGON_TOKEN)
            break;
        const int corners = static_cast<int>(buffer[static_cast<std::size_t>(at++)]);
        FeedbackPolygon& polygon = polygons.emplace_back();
        for (int c = 0; c < corners; ++c, at += 11) {
            const GLfloat* v = &buffer[static_cast<std::size_t>(at)];
            polygon.push_back({v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]});
        }
    }
    return polygons;
}

class MeshDrawingTest : public GlWindowTest {
protected:
    void SetUp() override
    {
        GlWindowTest::SetUp();
        // One window pixel per unit, origin at the lower left.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 640, 0, 480, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    void TearDown() override
    {
        releaseMesh(fishMesh);
        fishMesh = nullptr;
        GlWindowTest::TearDown();
    }
};

TEST_F(MeshDrawingTest, EmptyMeshDrawsNothing)
{
    // The mesh of a file that did not open: zero counts, null arrays.
    fishMesh = new Mesh("/nonexistent/mesh.obj");
    ASSERT_EQ(fishMesh->positions, nullptr);
    EXPECT_TRUE(feedback(drawMesh).empty());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    drawMesh();
    glFinish();
    EXPECT_EQ(readPixel(150, 150)[0], 0);
}

TEST_F(MeshDrawingTest, EveryCallDrawsTheWholeMeshWithTheCurrentTransformAndColour)
{
    fishMesh = makeSquareMesh(false);
    const std::vector<FeedbackPolygon> polygons = feedback([] {
        glColor4f(1, 0, 0, 1);
        drawMesh();
        glTranslatef(300, 50, 0);
        glColor4f(0, 0, 1, 1);
        drawMesh();
    });
    ASSERT_EQ(polygons.size(), 4u);
    for (std::size_t p = 0; p < polygons.size(); ++p) {
        const bool second = p >= 2;
        ASSERT_EQ(polygons[p].size(), 3u);
        for (std::size_t c = 0; c < 3; ++c) {
            const FeedbackVertex& v = polygons[p][c];
            const std::size_t index = fishMesh->indices[3 * (p % 2) + c];
            EXPECT_NEAR(v.x, fishMesh->positions[3 * index] + (second ? 300 : 0), 0.01);
            EXPECT_NEAR(v.y, fishMesh->positions[3 * index + 1] + (second ? 50 : 0), 0.01);
            EXPECT_NEAR(v.s, fishMesh->texCoords[2 * index], 1e-6);
            EXPECT_NEAR(v.t, fishMesh->texCoords[2 * index + 1], 1e-6);
            EXPECT_EQ(v.r, second ? 0.0f : 1.0f);
            EXPECT_EQ(v.b, second ? 1.0f : 0.0f);
        }
    }
}

TEST_F(MeshDrawingTest, RepeatedCallsFillTheSamePixelsAtEachPlace)
{
    fishMesh = makeSquareMesh(false);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor4f(1, 0, 0, 1);
    drawMesh();
    glTranslatef(300, 0, 0);
    glColor4f(0, 1, 0, 1);
    drawMesh();
    glFinish();
    for (int y : {110, 150, 190}) {
        for (int x : {110, 150, 190}) {
            const auto first = readPixel(x, y);
            const auto second = readPixel(x + 300, y);
            EXPECT_EQ(first[0], 255) << x << "," << y;
            EXPECT_EQ(second[1], 255) << x + 300 << "," << y;
        }
    }
    EXPECT_EQ(readPixel(250, 150)[0], 0);
    EXPECT_EQ(readPixel(250, 150)[1], 0);
}

TEST_F(MeshDrawingTest, MeshNormalsLightTheTriangles)
{
    fishMesh = makeSquareMesh(true);
    const std::vector<FeedbackPolygon> polygons = feedback([] {
        const GLfloat fromViewer[4] = {0, 0, 1, 0};
        const GLfloat white[4] = {1, 1, 1, 1};
        glLightfv(GL_LIGHT0, GL_POSITION, fromViewer);
        glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
        glEnable(GL_LIGHT0);
        glEnable(GL_LIGHTING);
        drawMesh();
        glDisable(GL_LIGHTING);
    });
    ASSERT_EQ(polygons.size(), 2u);
    // Default material: diffuse 0.8, ambient 0.2 under a global ambient of 0.2.
    for (const FeedbackVertex& v : polygons[0])
        EXPECT_NEAR(v.r, 0.84f, 0.01f);
    for (const FeedbackVertex& v : polygons[1])
        EXPECT_NEAR(v.r, 0.04f, 0.01f);
}

TEST_F(MeshDrawingTest, LeavesArraysOffAndTheCallersStateAlone)
{
    fishMesh = makeSquareMesh(false);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_TEXTURE_2D);
    glColor4f(0.25f, 0.5f, 0.75f, 1.0f);
    glTranslatef(3, 4, 0);
    const auto colourBefore = getFloat4(GL_CURRENT_COLOR);
    const auto matrixBefore = getMatrix(GL_MODELVIEW_MATRIX);

    drawMesh();
    drawMesh();

    EXPECT_FALSE(isEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(isEnabled(GL_NORMAL_ARRAY));
    EXPECT_FALSE(isEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_FALSE(isEnabled(GL_COLOR_ARRAY));
    // The pointers stay on the mesh's own arrays, tightly packed.
    GLvoid* pointer = nullptr;
    glGetPointerv(GL_VERTEX_ARRAY_POINTER, &pointer);
    EXPECT_EQ(pointer, fishMesh->positions);
    glGetPointerv(GL_NORMAL_ARRAY_POINTER, &pointer);
    EXPECT_EQ(pointer, fishMesh->normals);
    glGetPointerv(GL_TEXTURE_COORD_ARRAY_POINTER, &pointer);
    EXPECT_EQ(pointer, fishMesh->texCoords);
    EXPECT_EQ(getInt(GL_VERTEX_ARRAY_STRIDE), 0);
    EXPECT_EQ(getInt(GL_TEXTURE_COORD_ARRAY_SIZE), 2);
    EXPECT_EQ(getInt(GL_TEXTURE_BINDING_2D), static_cast<int>(texture));
    EXPECT_TRUE(isEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(getFloat4(GL_CURRENT_COLOR), colourBefore);
    EXPECT_EQ(getMatrix(GL_MODELVIEW_MATRIX), matrixBefore);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    glDeleteTextures(1, &texture);
}

}  // namespace
