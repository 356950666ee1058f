// The atlas as a GL texture: made once, on first use, then reused.
#pragma once

#include "font_atlas.h"

// Returns the atlas's texture, uploading it the first time. Needs a current
// GL context; changes the 2D binding and the unpack state, which the caller
// has saved.
unsigned atlasTexture(FontAtlas& atlas);

// Deletes the texture if it was made.
void releaseAtlasTexture(FontAtlas& atlas);
