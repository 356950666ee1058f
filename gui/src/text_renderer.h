// Lines of text as atlas quads, each with a one-pixel shadow in the ink
// colour so it stays legible over a bright scene.
#pragma once

#include "font_atlas.h"
#include "quad_batch.h"
#include "theme.h"

// Adds `text` with its pen starting at x and its baseline at y (pixels).
// Glyphs from the first one that would reach past `clipRight` on are left
// out. Does nothing without a usable font.
void addText(QuadBatch& batch, const FontAtlas& atlas, const char* text, int x, int baseline, const Colour& colour,
             const Colour& ink, int clipRight);
