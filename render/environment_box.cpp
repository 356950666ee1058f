#include "render/environment_box.h"

#include <GL/gl.h>

#include "assets/texture_set.h"
#include "render/channel_fade.h"
#include "render/scene_scale.h"
#include "render/surface_from_below.h"
#include "render/water_surface.h"
#include "state/program_state.h"

const float boxMinCorner[3] = {-100.0f, -50.0f, -100.0f};
const float boxMaxCorner[3] = {100.0f, 50.0f, 100.0f};
const float floorColor[4] = {0.2f, 0.2f, 0.2f, 1.0f};
const float waterColor[4] = {0.9f, 0.9f, 1.0f, 1.0f};

namespace {

void floorVertex(float x, float y, float z)
{
    glTexCoord2f(x * surfaceTexScale, z * surfaceTexScale);
    glVertex3f(x, y, z);
}

}  // namespace

EnvironmentBox::EnvironmentBox()
{
    for (int i = 0; i < 3; ++i) {
        minCorner[i] = boxMinCorner[i];
        maxCorner[i] = boxMaxCorner[i];
    }
    clock = 0.0f;
    floorList = compileFloorList(*this);
}

unsigned compileFloorList(const EnvironmentBox& box)
{
    const unsigned list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, textures.rockTexture);
    glBegin(GL_QUADS);
    glColor4fv(floorColor);
    glNormal3f(0.0f, 1.0f, 0.0f);
    const float y = box.minCorner[1];
    // Counter-clockwise seen from above: visible from above only.
    for (float x = box.minCorner[0]; x < box.maxCorner[0]; x += boxCellSize) {
        for (float z = box.minCorner[2]; z < box.maxCorner[2]; z += boxCellSize) {
            floorVertex(x + boxCellSize, y, z);
            floorVertex(x, y, z);
            floorVertex(x, y, z + boxCellSize);
            floorVertex(x + boxCellSize, y, z + boxCellSize);
        }
    }
    glEnd();
    glEndList();
    return list;
}

void drawWaterSurface(const EnvironmentBox& box)
{
    const float c = box.clock;
    const float y = box.maxCorner[1];

    glBindTexture(GL_TEXTURE_2D, textures.waterTexture);
    glBegin(GL_QUADS);
    glColor4fv(waterColor);
    glNormal3f(0.0f, 1.0f, 0.0f);
    // One cosine per column edge and one sine per row edge: each edge's value
    // is carried over to the next cell. The box is eight wave periods deep,
    // so the sine at the far z edge also serves as the first cell's near edge.
    float cosLeft = waterWaveCos(box.minCorner[0], c);
    float sinNear = waterWaveSin(box.maxCorner[2], c);
    for (float x = box.minCorner[0]; x < box.maxCorner[0]; x += boxCellSize) {
        const float xRight = x + boxCellSize;
        const float cosRight = waterWaveCos(xRight, c);
        const float sLeft = waterS(x, cosLeft, c);
        const float sRight = waterS(xRight, cosRight, c);
        for (float z = box.minCorner[2]; z < box.maxCorner[2]; z += boxCellSize) {
            const float zFar = z + boxCellSize;
            const float sinFar = waterWaveSin(zFar, c);
            const float tNear = waterT(z, sinNear);
            const float tFar = waterT(zFar, sinFar);
            // Counter-clockwise seen from below: visible from beneath only.
            glTexCoord2f(sLeft, tNear);
            glVertex3f(x, y, z);
            glTexCoord2f(sRight, tNear);
            glVertex3f(xRight, y, z);
            glTexCoord2f(sRight, tFar);
            glVertex3f(xRight, y, zFar);
            glTexCoord2f(sLeft, tFar);
            glVertex3f(x, y, zFar);
            sinNear = sinFar;
        }
        cosLeft = cosRight;
    }
    glEnd();
}

namespace {

void drawTheWaterSurface()
{
    drawWaterSurface(*environmentBox);
}

void drawTheFloor()
{
    glCallList(environmentBox->floorList);
}

}  // namespace

void drawEnvironment()
{
    // No part of the surface or the floor is nearer than its depth from the
    // focus point less the eye's distance from it.
    const double eyeOffset = fishDistanceMetres();
    lightTheSurface();
    drawFadedByChannel(drawTheWaterSurface, depth - eyeOffset);
    drawSnellsWindow();
    lightTheFloor();
    drawFadedByChannel(drawTheFloor, seaFloorDepth - depth - eyeOffset);
    restoreDaylight();
}

void releaseEnvironmentBox(EnvironmentBox* box)
{
    glDeleteLists(box->floorList, 1);
    delete box;
}
