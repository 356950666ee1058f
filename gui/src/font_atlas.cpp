#include "font_atlas.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace {

// At the overlay's sizes (up to 64 pixels) the atlas is 256 texels wide
// and at most 1024 high; a larger font, as for a figure read from afar, gets
// an atlas as many times larger in each direction as it needs.
constexpr int baseAtlasWidth = 256;
constexpr int baseMaxAtlasHeight = 1024;
constexpr int baseLargestFont = 64;
constexpr int solidSide = 4;
constexpr int padding = 1;  // keeps neighbouring glyphs out of each other's texels

struct Rasterised {
    GlyphInfo info;
    std::vector<unsigned char> coverage;  // info.width * info.height, top row first
};

int roundUpToPowerOfTwo(int value)
{
    int result = 1;
    while (result < value)
        result *= 2;
    return result;
}

// Copies a FreeType bitmap into plain coverage rows, whatever its row order.
// Pixel formats other than 8-bit grey and 1-bit mono give no bitmap.
bool copyBitmap(const FT_Bitmap& bitmap, int maxSide, Rasterised& out)
{
    const int width = static_cast<int>(bitmap.width);
    const int rows = static_cast<int>(bitmap.rows);
    if (width <= 0 || rows <= 0 || bitmap.buffer == nullptr)
        return false;
    if (width > maxSide || rows > maxSide)
        return false;
    const int pitch = bitmap.pitch;
    const int absPitch = std::abs(pitch);
    const bool grey = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if (!grey && !mono)
        return false;
    if (absPitch < (grey ? width : (width + 7) / 8))
        return false;
    const int levels = grey && bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;

    out.info.width = width;
    out.info.height = rows;
    out.coverage.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(rows), 0);
    // A negative pitch stores the rows bottom first; the top row is then the last in memory.
    const unsigned char* row = pitch >= 0 ? bitmap.buffer : bitmap.buffer + static_cast<std::size_t>(absPitch) * (rows - 1);
    for (int y = 0; y < rows; ++y, row += pitch) {
        unsigned char* dest = out.coverage.data() + static_cast<std::size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            if (grey)
                dest[x] = static_cast<unsigned char>(std::min(255, row[x] * 255 / levels));
            else
                dest[x] = (row[x / 8] & (0x80 >> (x % 8))) != 0 ? 255 : 0;
        }
    }
    return true;
}

bool rasterise(FT_Face face, int pixelSize, Rasterised glyphs[glyphCount])
{
    if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0)
        return false;
    const int maxSide = pixelSize * 4;
    bool anyDrawn = false;
    for (int i = 0; i < glyphCount; ++i) {
        Rasterised& out = glyphs[i];
        if (FT_Load_Char(face, static_cast<FT_ULong>(glyphCodePoint(i)), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        out.info.advance = std::clamp(static_cast<int>((slot->advance.x + 32) >> 6), 0, maxSide);
        if (copyBitmap(slot->bitmap, maxSide, out)) {
            out.info.left = std::clamp(slot->bitmap_left, -maxSide, maxSide);
            out.info.top = std::clamp(slot->bitmap_top, -maxSide, maxSide);
            anyDrawn = true;
        }
    }
    return anyDrawn;
}

void setLineMetrics(FT_Face face, int pixelSize, FontAtlas& atlas)
{
    const FT_Size_Metrics& metrics = face->size->metrics;
    int ascent = static_cast<int>((metrics.ascender + 63) >> 6);
    int descent = static_cast<int>((-metrics.descender + 63) >> 6);
    int lineHeight = static_cast<int>((metrics.height + 32) >> 6);
    // Fonts with odd metrics still get a usable line.
    if (ascent <= 0 || ascent > pixelSize * 3)
        ascent = pixelSize;
    if (descent < 0 || descent > pixelSize * 2)
        descent = pixelSize / 4;
    if (lineHeight < ascent + descent || lineHeight > pixelSize * 4)
        lineHeight = ascent + descent;
    atlas.ascent = ascent;
    atlas.descent = descent;
    atlas.lineHeight = lineHeight;
}

// Shelf packing, row by row, after the opaque block. Glyphs that do not fit
// into the largest atlas are left out (drawn as blank advance).
void pack(Rasterised glyphs[glyphCount], FontAtlas& atlas, int pixelSize)
{
    const int factor = roundUpToPowerOfTwo((std::max(pixelSize, 1) + baseLargestFont - 1) / baseLargestFont);
    const int atlasWidth = baseAtlasWidth * factor;
    const int maxAtlasHeight = baseMaxAtlasHeight * factor;
    int x = solidSide + padding;
    int y = 0;
    int shelfHeight = solidSide;
    for (int i = 0; i < glyphCount; ++i) {
        Rasterised& glyph = glyphs[i];
        if (glyph.coverage.empty())
            continue;
        if (x + glyph.info.width > atlasWidth) {
            x = 0;
            y += shelfHeight + padding;
            shelfHeight = 0;
        }
        if (y + glyph.info.height > maxAtlasHeight) {
            glyph.coverage.clear();
            continue;
        }
        glyph.info.atlasX = x;
        glyph.info.atlasY = y;
        glyph.info.inAtlas = true;
        x += glyph.info.width + padding;
        shelfHeight = std::max(shelfHeight, glyph.info.height);
    }
    atlas.width = atlasWidth;
    atlas.height = roundUpToPowerOfTwo(std::max(y + shelfHeight, solidSide));
}

void fillAtlas(const Rasterised glyphs[glyphCount], FontAtlas& atlas)
{
    atlas.alpha.assign(static_cast<std::size_t>(atlas.width) * static_cast<std::size_t>(atlas.height), 0);
    for (int y = 0; y < solidSide; ++y)
        for (int x = 0; x < solidSide; ++x)
            atlas.alpha[static_cast<std::size_t>(y) * atlas.width + x] = 255;
    atlas.solidX = solidSide / 2;
    atlas.solidY = solidSide / 2;
    for (int i = 0; i < glyphCount; ++i) {
        const Rasterised& glyph = glyphs[i];
        atlas.glyphs[i] = glyph.info;
        if (!glyph.info.inAtlas)
            continue;
        for (int y = 0; y < glyph.info.height; ++y) {
            const unsigned char* from = glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.info.width;
            unsigned char* to = atlas.alpha.data() +
                                static_cast<std::size_t>(glyph.info.atlasY + y) * atlas.width + glyph.info.atlasX;
            std::copy(from, from + glyph.info.width, to);
        }
    }
}

void warnNoText(const char* fontPath)
{
    std::fprintf(stderr, "Orlin: font \"%s\" could not be read; panels are drawn without text\n",
                 fontPath != nullptr ? fontPath : "");
}

}  // namespace

FontAtlas buildFontAtlas(const char* fontPath, int pixelSize, bool warn)
{
    FontAtlas atlas;
    Rasterised glyphs[glyphCount];
    bool usable = false;

    FT_Library library = nullptr;
    if (fontPath != nullptr && fontPath[0] != '\0' && FT_Init_FreeType(&library) == 0) {
        FT_Face face = nullptr;
        if (FT_New_Face(library, fontPath, 0, &face) == 0) {
            usable = rasterise(face, pixelSize, glyphs);
            if (usable)
                setLineMetrics(face, pixelSize, atlas);
            FT_Done_Face(face);
        }
        FT_Done_FreeType(library);
    }
    if (!usable) {
        if (warn)
            warnNoText(fontPath);
        for (Rasterised& glyph : glyphs)
            glyph = Rasterised{};
        // Panels keep the size they would have with text.
        atlas.ascent = pixelSize;
        atlas.descent = pixelSize / 4;
        atlas.lineHeight = atlas.ascent + atlas.descent + 2;
    }
    pack(glyphs, atlas, pixelSize);
    fillAtlas(glyphs, atlas);
    atlas.hasText = usable;
    atlas.fallbackAdvance = (pixelSize * 3 + 2) / 5;
    return atlas;
}

int glyphCodePoint(int index)
{
    constexpr int asciiCount = lastGlyph - firstGlyph + 1;
    return index < asciiCount ? firstGlyph + index : firstLatinGlyph + (index - asciiCount);
}

int glyphIndex(int codePoint)
{
    if (codePoint >= firstGlyph && codePoint <= lastGlyph)
        return codePoint - firstGlyph;
    if (codePoint >= firstLatinGlyph && codePoint <= lastLatinGlyph)
        return (lastGlyph - firstGlyph + 1) + (codePoint - firstLatinGlyph);
    return -1;
}

int nextCodePoint(const char*& p)
{
    const auto byte = [](const char* at) { return static_cast<unsigned char>(*at); };
    const unsigned char lead = byte(p);
    int length = 0;
    int code = 0;
    if (lead < 0x80) {
        ++p;
        return lead;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
    } else {
        ++p;
        return '?';
    }
    // Every continuation byte is checked before the next is read, so a text
    // cut inside a sequence stops at its terminating zero.
    for (int i = 1; i < length; ++i) {
        if ((byte(p + i) & 0xC0) != 0x80) {
            ++p;
            return '?';
        }
        code = (code << 6) | (byte(p + i) & 0x3F);
    }
    static constexpr int shortest[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < shortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++p;
        return '?';
    }
    p += length;
    return code;
}

const GlyphInfo& glyphFor(const FontAtlas& atlas, int codePoint)
{
    const int index = glyphIndex(codePoint);
    return atlas.glyphs[index >= 0 ? index : '?' - firstGlyph];
}

int textWidth(const FontAtlas& atlas, const char* text)
{
    if (text == nullptr)
        return 0;
    // The pen's advance, or further where a glyph's ink overhangs it (an
    // italic-like "f" at the end of a line): drawing clips whole glyphs at
    // the measured width, so the last one must fit inside it.
    int width = 0;
    int inkRight = 0;
    for (const char* p = text; *p != '\0';) {
        const int codePoint = nextCodePoint(p);
        if (!atlas.hasText) {
            width += atlas.fallbackAdvance;
            continue;
        }
        const GlyphInfo& glyph = glyphFor(atlas, codePoint);
        if (glyph.inAtlas)
            inkRight = std::max(inkRight, width + glyph.left + glyph.width);
        width += glyph.advance;
    }
    return std::max(width, inkRight);
}
