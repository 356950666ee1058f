#include "render/water_lighting.h"

#include <GL/gl.h>

#include <cmath>

#include "optics/colorimetry.h"
#include "optics/water_model.h"
#include "optics/water_view.h"
#include "render/depth_lighting.h"
#include "render/scene_scale.h"
#include "state/program_state.h"

namespace {

// How bright the torch is on a fish facing it, as a light colour: a little
// more than the daylight's diffuse at the surface (0.4), as a dive light held
// a metre from a fish outshines the day.
constexpr float torchStrength = 0.8f;
// The beam has no hard rim: GL's spot factor cos^n of the angle from the axis
// falls smoothly to zero at a 90 degree cutoff, where a narrower cutoff cuts
// the light off in a line across whatever fish it crosses. With n = 3 the
// light halves 37.5 degrees from the axis (cos^3 = 0.5), so the outermost
// snout of the six fish, 34 degrees out, still gets 0.57 of the axis' light
// and 0.7 of its own fish's middle (The OpenGL Graphics System, version 1.5, section 2.14.1,
// the spotlight effect).
constexpr float torchCutoffDegrees = 90.0f;
constexpr float torchSpotExponent = 3.0f;

bool fishTouched()
{
    return measuredModel(colourModel) || torchOn;
}

void setTorch()
{
    float colour[4] = {torchStrength, torchStrength, torchStrength, 1.0f};
    if (measuredModel(colourModel)) {
        // The torch's light goes to the fish and back: a light colour for
        // display-encoded texels, as the daylight's.
        static int cachedType = -1;
        static double cachedDistance = -1.0;
        static LinearRgb cached{1.0, 1.0, 1.0};
        const int type = colourModel - 1;
        if (type != cachedType || fishDistanceMetres() != cachedDistance) {
            cachedType = type;
            cachedDistance = fishDistanceMetres();
            cached = torchTransmission(waterTypes[type].chlorophyll, cachedDistance);
        }
        const double gain = sceneExposure();
        colour[0] = torchStrength * displayScale(gain * cached.r);
        colour[1] = torchStrength * displayScale(gain * cached.g);
        colour[2] = torchStrength * displayScale(gain * cached.b);
    }
    static const float none[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    static const float atTheEye[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    static const float ahead[3] = {0.0f, 0.0f, -1.0f};
    // Placed in eye space: the torch is held where the eye is, looking ahead.
    glPushMatrix();
    glLoadIdentity();
    glLightfv(GL_LIGHT1, GL_POSITION, atTheEye);
    glLightfv(GL_LIGHT1, GL_SPOT_DIRECTION, ahead);
    glPopMatrix();
    glLightf(GL_LIGHT1, GL_SPOT_CUTOFF, torchCutoffDegrees);
    glLightf(GL_LIGHT1, GL_SPOT_EXPONENT, torchSpotExponent);
    glLightfv(GL_LIGHT1, GL_AMBIENT, none);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, colour);
    glLightfv(GL_LIGHT1, GL_SPECULAR, none);
    glEnable(GL_LIGHT1);
}

}  // namespace

void veilColour(int waterType, float atDepth, float rgba[4])
{
    exposedColour(waterView(waterType, atDepth).veil, rgba);
}

float veilFogDensity(int waterType, float atDepth)
{
    // One density for every channel is what GL's fog allows: green's, the
    // channel that carries most of the luminance.
    return static_cast<float>(waterView(waterType, atDepth).attenuation.g);
}

void beginFishLighting()
{
    if (!fishTouched())
        return;
    if (torchOn)
        setTorch();
    if (!measuredModel(colourModel))
        return;

    // The fish lie at one distance, so each channel can have its own
    // transmission t: the daylight's share of the lit colour times t, and
    // the veil's (1 - t) as the material's emission, a blend in display
    // values as GL's fog makes (exact at both ends and for a surface the
    // colour of the veil). The torch's light already made its way both ways.
    // Fog is off meanwhile: this is the fish's fog.
    const WaterView view = waterView(colourModel - 1, depth);
    const double z = fishDistanceMetres();
    const float t[3] = {static_cast<float>(std::exp(-view.attenuation.r * z)),
                        static_cast<float>(std::exp(-view.attenuation.g * z)),
                        static_cast<float>(std::exp(-view.attenuation.b * z))};
    float veil[4];
    exposedColour(view.veil, veil);
    float diffuse[4], specular[4], ambient[4], emission[4];
    for (int c = 0; c < 3; ++c) {
        diffuse[c] = lightDiffuse[c] * t[c];
        specular[c] = lightSpecular[c] * t[c];
        ambient[c] = ambientLight[c] * t[c];
        emission[c] = veil[c] * (1.0f - t[c]);
    }
    diffuse[3] = specular[3] = ambient[3] = emission[3] = 1.0f;
    glDisable(GL_FOG);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, emission);
}

void endFishLighting()
{
    if (!fishTouched())
        return;
    if (torchOn)
        glDisable(GL_LIGHT1);
    if (!measuredModel(colourModel))
        return;
    static const float noEmission[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, noEmission);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lightSpecular);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambientLight);
    glEnable(GL_FOG);
}
