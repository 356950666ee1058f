#include "render/depth_lighting.h"

#include <GL/gl.h>
#include <orlin/orlin.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "logic/eye_adaptation.h"
#include "optics/colorimetry.h"

#include "render/water_lighting.h"
#include "state/program_state.h"

float lightDiffuse[4] = {0.4f, 0.4f, 0.4f, 1.0f};
float lightSpecular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
float ambientLight[4] = {0.6f, 0.6f, 0.6f, 1.0f};
float lightPosition[4] = {1.0f, 4.0f, 1.0f, 0.0f};

namespace {

// The base clear colour in the double precision its products are taken in.
constexpr double baseClearRgb[3] = {0.2, 0.5, 0.6};
constexpr float baseFogDensity = 0.05f;

}  // namespace

const float baseClearColor[4] = {static_cast<float>(baseClearRgb[0]), static_cast<float>(baseClearRgb[1]),
                                 static_cast<float>(baseClearRgb[2]), 1.0f};

float displayScale(double linear)
{
    // A texel t (sRGB-encoded) under a light l shows as t * l. Showing it as
    // the surface it stands for, with f times the light, means
    // encode(f * decode(t)), which no single l gives for every t: the curve
    // is straight near black (IEC 61966-2-1, section 5.2) and a power law
    // above. The one l closest over all 256 texel values, by least squares,
    // is what a light colour can do; it keeps a dim factor's dark tail near
    // its true brightness, where f^(1/2.2) would show it several times
    // too bright.
    if (!(linear > 0.0))
        return 0.0f;
    static const std::array<double, 256> decoded = [] {
        std::array<double, 256> d{};
        for (std::size_t i = 0; i < d.size(); ++i)
            d[i] = srgbDecode(static_cast<double>(i) / 255.0);
        return d;
    }();
    double texelTarget = 0.0;
    double texelTexel = 0.0;
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const double t = static_cast<double>(i) / 255.0;
        texelTarget += t * srgbEncode(linear * decoded[i]);
        texelTexel += t * t;
    }
    return static_cast<float>(texelTarget / texelTexel);
}

DepthFactors displayFactors(const DepthFactors& f)
{
    const double gain = sceneExposure();
    return {displayScale(gain * f.red), displayScale(gain * f.green), displayScale(gain * f.blue)};
}

double sceneExposure()
{
    return eyeAdapted ? eyeAdaptationGain(colourModel, depth) : 1.0;
}

void exposedColour(const LinearRgb& linear, float rgba[4])
{
    const double gain = sceneExposure();
    rgba[0] = static_cast<float>(srgbEncode(gain * linear.r));
    rgba[1] = static_cast<float>(srgbEncode(gain * linear.g));
    rgba[2] = static_cast<float>(srgbEncode(gain * linear.b));
    rgba[3] = 1.0f;
}

namespace {

// The simple rule's factors dim display values: the eye's gain goes on
// their linear light.
DepthFactors exposedSimpleFactors(const DepthFactors& f)
{
    const double gain = sceneExposure();
    const auto exposed = [gain](float factor) {
        return static_cast<float>(srgbEncode(std::min(1.0, gain * srgbDecode(factor))));
    };
    return {exposed(f.red), exposed(f.green), exposed(f.blue)};
}

}  // namespace

void modelClearColor(int model, float atDepth, float rgba[4])
{
    if (!measuredModel(model)) {
        clearColorOf(eyeAdapted ? exposedSimpleFactors(depthFactors(atDepth)) : depthFactors(atDepth), rgba);
        return;
    }
    // In measured water the background is the water's own light, the veil
    // that far things fade into.
    veilColour(model - 1, atDepth, rgba);
}

void clearColorOf(const DepthFactors& f, float rgba[4])
{
    rgba[0] = static_cast<float>(baseClearRgb[0] * f.red);
    rgba[1] = static_cast<float>(baseClearRgb[1] * f.green);
    rgba[2] = static_cast<float>(baseClearRgb[2] * f.blue);
    rgba[3] = 1.0f;
}

void initGLState()
{
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_CULL_FACE);
    glClearColor(baseClearColor[0], baseClearColor[1], baseClearColor[2], baseClearColor[3]);
    glEnable(GL_COLOR_MATERIAL);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, orlinBlack);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    // The specular colour starts from the diffuse one; every frame replaces it.
    glLightfv(GL_LIGHT0, GL_SPECULAR, lightDiffuse);
    glEnable(GL_LIGHT0);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambientLight);
    glFogfv(GL_FOG_COLOR, baseClearColor);
    glFogf(GL_FOG_DENSITY, baseFogDensity);
    glEnable(GL_FOG);
}

void applyDepthLighting()
{
    float clear[4];
    modelClearColor(colourModel, depth, clear);
    glClearColor(clear[0], clear[1], clear[2], clear[3]);
    // Fog the colour of the background, so distant things dissolve into it.
    glFogfv(GL_FOG_COLOR, clear);
    // As thick as the water is, under the measured waters; back to the fixed
    // density once the simple rule returns.
    static bool fogDensityChanged = false;
    if (measuredModel(colourModel)) {
        glFogf(GL_FOG_DENSITY, veilFogDensity(colourModel - 1, depth));
        fogDensityChanged = true;
    } else if (fogDensityChanged) {
        glFogf(GL_FOG_DENSITY, baseFogDensity);
        fogDensityChanged = false;
    }

    // The simple rule's factors act on display values as they are; the
    // measured waters' are ratios of linear light.
    DepthFactors f = modelDepthFactors(colourModel, depth);
    if (measuredModel(colourModel))
        f = displayFactors(f);
    else if (eyeAdapted)
        f = exposedSimpleFactors(f);
    lightSpecular[0] = f.red;
    lightSpecular[1] = f.green;
    lightSpecular[2] = f.blue;
    lightDiffuse[0] = static_cast<float>(daylightDiffuse * f.red);
    lightDiffuse[1] = static_cast<float>(daylightDiffuse * f.green);
    lightDiffuse[2] = static_cast<float>(daylightDiffuse * f.blue);
    ambientLight[0] = static_cast<float>(daylightAmbient * f.red);
    ambientLight[1] = static_cast<float>(daylightAmbient * f.green);
    ambientLight[2] = static_cast<float>(daylightAmbient * f.blue);

    glLightfv(GL_LIGHT0, GL_DIFFUSE, lightDiffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, lightSpecular);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambientLight);
}
