// A panel's quads composited once, on the CPU, into one image that GL then
// shows as a single textured quad: a panel of a few hundred glyph quads costs
// a frame one quad until it changes.
#pragma once

#include <vector>

#include "font_atlas.h"
#include "quad_batch.h"

struct PanelImage {
    int x = 0;  // lower-left corner, window pixels
    int y = 0;
    int width = 0;
    int height = 0;
    // Premultiplied RGBA, bottom row first: drawn with (1, 1 - source alpha)
    // blending it gives what drawing the quads one by one with
    // (source alpha, 1 - source alpha) blending would, over any background.
    std::vector<unsigned char> rgba;
};

// Composites the batch's quads in order, each lit where GL would light a
// pixel (its centre inside the quad) and sampled from the atlas's coverage as
// GL's nearest filtering would. The image covers every quad; `storage` keeps
// its scratch buffer between calls.
void compositeBatch(const QuadBatch& batch, const FontAtlas& atlas, PanelImage& image, std::vector<float>& storage);
