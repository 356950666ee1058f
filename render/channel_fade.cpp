#include "render/channel_fade.h"

#include <GL/gl.h>

#include <cmath>

#include "logic/colour_models.h"
#include "optics/water_view.h"
#include "state/program_state.h"

void drawFadedByChannel(void (*draw)(), double nearestMetres)
{
    if (!measuredModel(colourModel)) {
        draw();
        return;
    }
    // Per metre, which is per scene unit in the measured waters.
    const LinearRgb attenuation = waterView(colourModel - 1, depth).attenuation;
    const double densities[3] = {attenuation.r, attenuation.g, attenuation.b};
    bool first = true;
    for (int channel = 0; channel < 3; ++channel) {
        if (nearestMetres > 0.0 && std::exp(-densities[channel] * nearestMetres) < 0.5 / 255.0)
            continue;
        glColorMask(channel == 0, channel == 1, channel == 2, GL_TRUE);
        glFogf(GL_FOG_DENSITY, static_cast<float>(densities[channel]));
        draw();
        // The later passes meet the depths the first one wrote.
        if (first)
            glDepthFunc(GL_LEQUAL);
        first = false;
    }
    glDepthFunc(GL_LESS);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glFogf(GL_FOG_DENSITY, static_cast<float>(attenuation.g));
}
