#include "render/surface_from_below.h"

#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "assets/texture_set.h"
#include "logic/colour_models.h"
#include "optics/colorimetry.h"
#include "optics/water_view.h"
#include "render/channel_fade.h"
#include "render/depth_lighting.h"
#include "render/environment_box.h"
#include "render/eye_position.h"
#include "render/water_surface.h"
#include "state/program_state.h"

namespace {

void setDaylight(const float diffuse[4], const float ambient[4])
{
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
}

void windowVertex(float x, float y, float z, const float colour[3], float alpha)
{
    const float clock = environmentBox->clock;
    glColor4f(colour[0], colour[1], colour[2], alpha);
    glTexCoord2f(waterS(x, waterWaveCos(x, clock), clock), waterT(z, waterWaveSin(z, clock)));
    glVertex3f(x, y, z);
}

// Set by drawSnellsWindow for the passes of drawTheWindow.
float windowCentre[3];
float windowRadius;
float windowColour[3];

void drawTheWindow()
{
    // Full brightness out to most of the radius, then fading to nothing just
    // past it, as the surface's transmission falls near the critical angle.
    constexpr int sectors = 48;
    constexpr float rims[3] = {0.0f, 0.85f, 1.05f};
    constexpr float alphas[3] = {1.0f, 1.0f, 0.0f};
    const float y = windowCentre[1];
    for (int ring = 0; ring < 2; ++ring) {
        glBegin(GL_QUAD_STRIP);
        for (int i = 0; i <= sectors; ++i) {
            const double angle = -2.0 * std::numbers::pi * i / sectors;
            const float cx = static_cast<float>(std::cos(angle));
            const float sz = static_cast<float>(std::sin(angle));
            for (int edge = ring + 1; edge >= ring; --edge) {
                const float r = rims[edge] * windowRadius;
                windowVertex(windowCentre[0] + r * cx, y, windowCentre[2] + r * sz, windowColour, alphas[edge]);
            }
        }
        glEnd();
    }
}

}  // namespace

void lightTheSurface()
{
    if (!measuredModel(colourModel))
        return;
    const WaterView view = waterView(colourModel - 1, depth);
    static const float none[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float below[4];
    exposedColour(view.veilBelow, below);
    setDaylight(none, below);
}

void lightTheFloor()
{
    if (!measuredModel(colourModel))
        return;
    const DepthFactors f = displayFactors(modelDepthFactors(colourModel, seaFloorDepth));
    const float diffuse[4] = {static_cast<float>(daylightDiffuse * f.red), static_cast<float>(daylightDiffuse * f.green),
                              static_cast<float>(daylightDiffuse * f.blue), 1.0f};
    const float ambient[4] = {static_cast<float>(daylightAmbient * f.red), static_cast<float>(daylightAmbient * f.green),
                              static_cast<float>(daylightAmbient * f.blue), 1.0f};
    setDaylight(diffuse, ambient);
}

void restoreDaylight()
{
    if (!measuredModel(colourModel))
        return;
    setDaylight(lightDiffuse, ambientLight);
}

void drawSnellsWindow()
{
    if (!measuredModel(colourModel) || environmentBox == nullptr)
        return;
    float eye[3];
    eyePosition(eye);
    const float surface = environmentBox->maxCorner[1];
    const float below = surface - eye[1];
    if (!(below > 0.0f))
        return;
    windowCentre[0] = eye[0];
    windowCentre[1] = surface;
    windowCentre[2] = eye[2];
    windowRadius = below * static_cast<float>(std::tan(snellsWindowDegrees * std::numbers::pi / 180.0));
    // The light at the eye's depth, on a white surface.
    const DepthFactors f = displayFactors(modelDepthFactors(colourModel, below));
    windowColour[0] = f.red;
    windowColour[1] = f.green;
    windowColour[2] = f.blue;

    // Unlit, as bright as that light; over the surface in its own plane; the
    // ripples fade into the window's own brightness rather than the veil.
    float veil[4];
    glGetFloatv(GL_FOG_COLOR, veil);
    const float fog[4] = {windowColour[0], windowColour[1], windowColour[2], 1.0f};
    glFogfv(GL_FOG_COLOR, fog);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glBindTexture(GL_TEXTURE_2D, textures.waterTexture);
    drawFadedByChannel(drawTheWindow);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glFogfv(GL_FOG_COLOR, veil);
}
