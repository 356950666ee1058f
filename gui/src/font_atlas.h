// One texture atlas holding the glyphs of the context's font for printable
// ASCII and the Latin-1 Supplement and Latin Extended-A blocks (the letters
// of the western European languages), rasterised once by FreeType, plus a block of opaque texels so that solid
// quads can be drawn from the same texture as the text.
#pragma once

#include <vector>

constexpr int firstGlyph = 32;   // space
constexpr int lastGlyph = 126;   // tilde
constexpr int firstLatinGlyph = 0xA0;  // no-break space
constexpr int lastLatinGlyph = 0x17F;  // long s, the end of Latin Extended-A
constexpr int glyphCount = (lastGlyph - firstGlyph + 1) + (lastLatinGlyph - firstLatinGlyph + 1);

// The code point of glyph `index`, and the index of a code point (-1: none).
int glyphCodePoint(int index);
int glyphIndex(int codePoint);
// The code point the UTF-8 text at `p` starts with, `p` moved past it; a
// malformed sequence gives '?' and moves one byte.
int nextCodePoint(const char*& p);

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

// The glyph for a code point; code points outside the atlas map to '?'.
const GlyphInfo& glyphFor(const FontAtlas& atlas, int codePoint);

// Width in pixels of UTF-8 `text` set on one line; without a usable font, the
// width an average character would take, so layouts keep their size.
int textWidth(const FontAtlas& atlas, const char* text);
