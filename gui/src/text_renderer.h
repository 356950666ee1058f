// Lines of text as atlas quads, each with a shadow in the ink colour, as
// thick as the style's lines, so it stays legible over a bright scene.
#pragma once

#include "overlay_layout.h"
#include "quad_batch.h"

// Adds `text` with its pen starting at x and its baseline at y (pixels).
// Glyphs from the first one that would reach past `clipRight` on are left
// out. Does nothing without a usable font.
void addText(QuadBatch& batch, const PanelStyle& style, const char* text, int x, int baseline, const Colour& colour,
             int clipRight);
