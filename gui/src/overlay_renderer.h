// Puts the panels' pictures on screen over whatever the host has drawn,
// leaving the host's GL state as it found it.
#pragma once

#include "panel_layer.h"

struct ShownLayer {
    PanelLayer* layer;
    float opacity;
};

// Uploads the pictures made since the last frame, then draws each one as one
// textured quad in a width x height pixel view.
void renderOverlay(const ShownLayer* layers, int count, int width, int height);
