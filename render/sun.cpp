#include "render/sun.h"

#include <GL/gl.h>

#include <algorithm>

#include "assets/texture_set.h"
#include "logic/colour_models.h"
#include "logic/depth_range.h"
#include "optics/water_view.h"
#include "render/depth_lighting.h"
#include "state/program_state.h"

const float initialSunPosition[3] = {5.0f, 60.0f, 5.0f};

namespace {

void drawSquare(float half)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-half, -half);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(half, -half);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(half, half);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-half, half);
    glEnd();
}

// In a measured water the sun's direct beam comes down through `depth`
// metres of water and keeps exp(-c d) of each channel, c the channel's beam
// attenuation: a deep blue glow in clear water at depth, nothing at all in
// green coastal water. Both squares are added to what lies behind them, so a
// sun that has lost its light leaves the veil as it is.
void drawSunThroughWater()
{
    const LinearRgb beam = sunTransmission(colourModel - 1, depth);
    const double gain = sceneExposure();
    const float t[3] = {displayScale(gain * beam.r), displayScale(gain * beam.g), displayScale(gain * beam.b)};
    const SunAlphas alpha = sunAlphas(minDepth);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glColor4f(t[0], t[1], t[2], alpha.inner);
    drawSquare(5.0f);
    glColor4f(t[0], t[1], t[2], alpha.outer);
    drawSquare(25.0f);
}

}  // namespace

SunAlphas sunAlphas(float atDepth)
{
    double fade = 1.0 - depthRangeFraction(atDepth);
    return {static_cast<float>(fade * static_cast<double>(0.8f)),
            static_cast<float>(fade * static_cast<double>(0.5f))};
}

void drawSun()
{
    glPushMatrix();
    glTranslatef(sunPosition[0], sunPosition[1], sunPosition[2]);

    // Billboard: keep the translation, drop rotation and scale, so the squares
    // face the viewer squarely at their eye-space size.
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    m[0] = m[5] = m[10] = 1.0f;
    m[1] = m[2] = m[4] = m[6] = m[8] = m[9] = 0.0f;
    glLoadMatrixf(m);

    glDisable(GL_FOG);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glBindTexture(GL_TEXTURE_2D, textures.sunTexture);

    if (measuredModel(colourModel)) {
        drawSunThroughWater();
    } else {
        SunAlphas alpha = sunAlphas(depth);
        if (eyeAdapted) {
            // The adapted eye sees the sun brighter, never more than at the surface.
            const SunAlphas top = sunAlphas(minDepth);
            const double gain = sceneExposure();
            alpha = {static_cast<float>(std::min<double>(top.inner, gain * alpha.inner)),
                     static_cast<float>(std::min<double>(top.outer, gain * alpha.outer))};
        }
        glColor4f(1.0f, 1.0f, 1.0f, alpha.inner);
        drawSquare(5.0f);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        glColor4f(1.0f, 1.0f, 1.0f, alpha.outer);
        drawSquare(25.0f);
    }
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    glEnable(GL_FOG);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
}
