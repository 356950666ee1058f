// One texture atlas holding the printable ASCII glyphs of the context's font,
// rasterised once by FreeType, plus a block of opaque texels so that solid
// quads can be drawn from the same texture as the text.
#pragma once

#include <vector>

constexpr int firstGlyph = 32;   // space
constexpr int lastGlyph = 126;   // tilde
constexpr int glyphCount = lastGlyph - firstGlyph + 1;

struct GlyphInfo {
    bool inAtlas = false;  // has a bitmap in the atlas (a space has none)
    int width = 0;         // bitmap size in pixels
    int height = 0;
    int left = 0;          // bitmap's left edge right of the pen
    int top = 0;           // bitmap's top edge above the baseline
    int advance = 0;       // pen step to the next glyph
    int atlasX = 0;        // bitmap's top-left texel in the atlas
    int atlasY = 0;
};

struct FontAtlas {
    bool hasText = false;  // false: the font could not be used; panels go without text
    int ascent = 0;        // pixels above the baseline
    int descent = 0;       // pixels below it
    int lineHeight = 0;    // baseline to baseline
    int fallbackAdvance = 0;  // character width assumed when there is no font
    GlyphInfo glyphs[glyphCount];
    int width = 0;         // atlas size in texels, powers of two
    int height = 0;
    std::vector<unsigned char> alpha;  // width * height coverage values, top row first
    int solidX = 0;        // centre of the opaque block, in texels
    int solidY = 0;
};

// Reads the font at `fontPath` at `pixelSize` pixels. A font that cannot be
// used gives an atlas without text and, when `warn`, one warning on
// standard error.
FontAtlas buildFontAtlas(const char* fontPath, int pixelSize, bool warn = true);

// The glyph for a character; characters outside the atlas map to '?'.
const GlyphInfo& glyphFor(const FontAtlas& atlas, char c);

// Width in pixels of `text` set on one line; without a usable font, the
// width an average character would take, so layouts keep their size.
int textWidth(const FontAtlas& atlas, const char* text);
