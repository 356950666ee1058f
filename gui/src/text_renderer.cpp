#include "text_renderer.h"

namespace {

void addGlyphs(QuadBatch& batch, const FontAtlas& atlas, const char* text, int x, int baseline, const Colour& colour,
               int clipRight)
{
    int pen = x;
    for (const char* p = text; *p != '\0';) {
        const GlyphInfo& glyph = glyphFor(atlas, nextCodePoint(p));
        const int right = glyph.inAtlas ? pen + glyph.left + glyph.width : pen;
        if (right > clipRight)
            break;
        if (glyph.inAtlas) {
            const float left = static_cast<float>(pen + glyph.left);
            const float bottom = static_cast<float>(baseline + glyph.top - glyph.height);
            addAtlasQuad(batch, left, bottom, glyph.atlasX, glyph.atlasY, glyph.width, glyph.height, colour);
        }
        pen += glyph.advance;
    }
}

}  // namespace

void addText(QuadBatch& batch, const PanelStyle& style, const char* text, int x, int baseline, const Colour& colour,
             int clipRight)
{
    const FontAtlas& atlas = style.atlas;
    if (!atlas.hasText || text == nullptr)
        return;
    // Every shadow first: a glyph's shadow must not fall over its neighbour.
    const int d = style.size.line;
    addGlyphs(batch, atlas, text, x + d, baseline - d, style.theme.ink, clipRight + d);
    addGlyphs(batch, atlas, text, x, baseline, colour, clipRight);
}
