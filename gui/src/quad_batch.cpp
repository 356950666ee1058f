#include "quad_batch.h"

void beginBatch(QuadBatch& batch, const FontAtlas& atlas)
{
    batch.vertices.clear();
    batch.texelU = atlas.width > 0 ? 1.0f / static_cast<float>(atlas.width) : 0.0f;
    batch.texelV = atlas.height > 0 ? 1.0f / static_cast<float>(atlas.height) : 0.0f;
    batch.solidU = (static_cast<float>(atlas.solidX) + 0.5f) * batch.texelU;
    batch.solidV = (static_cast<float>(atlas.solidY) + 0.5f) * batch.texelV;
}

void addSolidQuad(QuadBatch& batch, float x0, float y0, float x1, float y1, const Colour& colour)
{
    const float u = batch.solidU;
    const float v = batch.solidV;
    batch.vertices.push_back({x0, y0, u, v, colour});
    batch.vertices.push_back({x1, y0, u, v, colour});
    batch.vertices.push_back({x1, y1, u, v, colour});
    batch.vertices.push_back({x0, y1, u, v, colour});
}

void addAtlasQuad(QuadBatch& batch, float x0, float y0, int tx, int ty, int width, int height, const Colour& colour)
{
    const float x1 = x0 + static_cast<float>(width);
    const float y1 = y0 + static_cast<float>(height);
    const float u0 = static_cast<float>(tx) * batch.texelU;
    const float u1 = static_cast<float>(tx + width) * batch.texelU;
    // The atlas's top row is texture row 0, so the quad's top edge takes v0.
    const float vTop = static_cast<float>(ty) * batch.texelV;
    const float vBottom = static_cast<float>(ty + height) * batch.texelV;
    batch.vertices.push_back({x0, y0, u0, vBottom, colour});
    batch.vertices.push_back({x1, y0, u1, vBottom, colour});
    batch.vertices.push_back({x1, y1, u1, vTop, colour});
    batch.vertices.push_back({x0, y1, u0, vTop, colour});
}
