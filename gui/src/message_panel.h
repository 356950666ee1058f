// A short message from the host in a small panel in the bottom-right corner.
#pragma once

#include "font_atlas.h"
#include "quad_batch.h"
#include "theme.h"

// Adds the panel for `text`, its right edge a margin from the window's; a text
// wider than the window is cut off at the left margin's width.
void addMessagePanel(QuadBatch& batch, const FontAtlas& atlas, const Theme& theme, const char* text, int windowWidth);
