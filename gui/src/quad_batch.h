// A panel's quads, solid or from the font atlas, as a vertex list: what the
// panel is made of before it is composited into its picture.
#pragma once

#include <vector>

#include "font_atlas.h"
#include "theme.h"

struct OverlayVertex {
    float x, y;
    float u, v;
    Colour colour;
};

struct QuadBatch {
    std::vector<OverlayVertex> vertices;  // four per quad, counter-clockwise from lower left
    float texelU = 0.0f;                  // one texel in texture coordinates
    float texelV = 0.0f;
    float solidU = 0.0f;                  // an opaque texel, for solid quads
    float solidV = 0.0f;
};

// Empties the batch for a new panel; the storage is kept.
void beginBatch(QuadBatch& batch, const FontAtlas& atlas);

// A quad from (x0, y0), lower left, to (x1, y1), upper right, in pixels.
void addSolidQuad(QuadBatch& batch, float x0, float y0, float x1, float y1, const Colour& colour);

// A quad showing the atlas texels from (tx, ty), top-left, of the given size.
void addAtlasQuad(QuadBatch& batch, float x0, float y0, int tx, int ty, int width, int height, const Colour& colour);
