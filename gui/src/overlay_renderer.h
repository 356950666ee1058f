// Puts a frame's quad batch on screen over whatever the host has drawn,
// leaving the host's GL state as it found it.
#pragma once

#include "font_atlas.h"
#include "quad_batch.h"

void renderOverlay(const QuadBatch& batch, FontAtlas& atlas, int width, int height);
