// The six mackerel skins: one pattern in six colourings.
//
// Texture layout, which the fish mesh's texture coordinates follow:
//   u runs from the nose (0) to the tip of the tail (1), along the picture's
//     width (512 pixels);
//   v runs from the belly (0) to the back (1), along its height (256 pixels),
//     so the back is the picture's top row and the belly its bottom row;
//   both sides of the fish share the picture (a side-on projection), so the
//     fish faces left on the picture: head at the left, tail fin at the right.
// The eye is centred near u = 0.08, v = 0.6; the head and gill cover take the
// first fifth of u; the pale belly lies below v = 0.45, the dark wavy bars
// on the back above the lateral line (about v = 0.55); from u = 0.88 on lies
// the tail fin. The picture is drawn for a body 4.5 times as long as it is
// deep: on it, v is 2.25 times as dense in pixels as u, so the round eye is
// an upright ellipse in the picture and round on the fish.
#pragma once

#include "assets/texture_set.h"
#include "colour_math.h"
#include "raster.h"

struct MackerelSkin {
    unsigned TextureSet::*texture;  // the program's texture, which names the file
    Colour back;   // the upper body
    Colour bars;   // the wavy bars across the back
    Colour belly;  // the pale underside
};

constexpr int mackerelSkinCount = 6;
extern const MackerelSkin mackerelSkins[mackerelSkinCount];

constexpr int mackerelSkinWidth = 512;
constexpr int mackerelSkinHeight = 256;

// RGB, mackerelSkinWidth x mackerelSkinHeight.
Raster makeMackerelSkin(const MackerelSkin& skin);
