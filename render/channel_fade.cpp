#include "render/channel_fade.h"

#include <GL/gl.h>

#include "logic/colour_models.h"
#include "optics/water_view.h"
#include "state/program_state.h"

void drawFadedByChannel(void (*draw)())
{
    if (!measuredModel(colourModel)) {
        draw();
        return;
    }
    // Per metre, which is per scene unit in the measured waters.
    const LinearRgb attenuation = waterView(colourModel - 1, depth).attenuation;
    const double densities[3] = {attenuation.r, attenuation.g, attenuation.b};
    for (int channel = 0; channel < 3; ++channel) {
        glColorMask(channel == 0, channel == 1, channel == 2, GL_TRUE);
        glFogf(GL_FOG_DENSITY, static_cast<float>(densities[channel]));
        // The later passes meet the depths the first one wrote.
        if (channel == 1)
            glDepthFunc(GL_LEQUAL);
        draw();
    }
    glDepthFunc(GL_LESS);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glFogf(GL_FOG_DENSITY, static_cast<float>(attenuation.g));
}
