#include "render/veil_backdrop.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "logic/colour_models.h"
#include "optics/colorimetry.h"
#include "optics/water_view.h"
#include "render/depth_lighting.h"
#include "render/environment_box.h"
#include "render/eye_position.h"
#include "render/water_lighting.h"
#include "state/program_state.h"

namespace {

constexpr double degrees = 180.0 / std::numbers::pi;
// Inside the far plane (200) from any eye in the box.
constexpr float backdropRadius = 100.0f;
constexpr int backdropSectors = 24;
// The box's edge seen from near its middle: 100 m away straight across, 141
// toward its corners; the fog meets the background between the two.
constexpr double edgeDistance = 115.0;

// The fog colour toward a box edge at `edgeHeight`, 115 m across from the
// eye. Measured waters only: the simple rule's fog stays as it was set.
void fogTowardEdgeAt(float edgeHeight)
{
    if (!measuredModel(colourModel))
        return;
    float eye[3];
    eyePosition(eye);
    const double elevationDegrees = std::atan2(edgeHeight - eye[1], edgeDistance) * degrees;
    float fog[4];
    exposedColour(veilAtElevation(waterView(colourModel - 1, depth), elevationDegrees), fog);
    glFogfv(GL_FOG_COLOR, fog);
}

}  // namespace

void drawVeilBackdrop()
{
    if (!measuredModel(colourModel))
        return;
    const WaterView view = waterView(colourModel - 1, depth);
    float colours[veilElevations][4];
    float heights[veilElevations];
    float radii[veilElevations];
    for (int i = 0; i < veilElevations; ++i) {
        exposedColour(view.veilToward[i], colours[i]);
        const double e = veilElevationDegrees[i] / degrees;
        heights[i] = backdropRadius * static_cast<float>(std::sin(e));
        radii[i] = backdropRadius * static_cast<float>(std::cos(e));
    }

    // Centred on the eye: the camera's turn without its translation.
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    m[12] = m[13] = m[14] = 0.0f;
    glPushMatrix();
    glLoadMatrixf(m);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_FOG);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    float cx[backdropSectors + 1];
    float sz[backdropSectors + 1];
    for (int i = 0; i <= backdropSectors; ++i) {
        const double angle = 2.0 * std::numbers::pi * i / backdropSectors;
        cx[i] = static_cast<float>(std::cos(angle));
        sz[i] = static_cast<float>(std::sin(angle));
    }
    for (int band = 0; band + 1 < veilElevations; ++band) {
        glBegin(GL_QUAD_STRIP);
        for (int i = 0; i <= backdropSectors; ++i)
            for (int edge = band; edge <= band + 1; ++edge) {
                glColor4fv(colours[edge]);
                glVertex3f(radii[edge] * cx[i], heights[edge], radii[edge] * sz[i]);
            }
        glEnd();
    }
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_FOG);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glPopMatrix();
}

void fogTowardSurfaceEdge()
{
    if (environmentBox != nullptr)
        fogTowardEdgeAt(environmentBox->maxCorner[1]);
}

void fogTowardFloorEdge()
{
    if (environmentBox != nullptr)
        fogTowardEdgeAt(environmentBox->minCorner[1]);
}

void fogLevel()
{
    if (!measuredModel(colourModel))
        return;
    float fog[4];
    veilColour(colourModel - 1, depth, fog);
    glFogfv(GL_FOG_COLOR, fog);
}
