#include "panel_layer.h"

#include <algorithm>

#include <GL/gl.h>
// Windows' gl.h stops at OpenGL 1.1; the later names come from here.
#include <GL/glext.h>

namespace {

int powerOfTwoAtLeast(int value)
{
    int result = 1;
    while (result < value)
        result *= 2;
    return result;
}

}  // namespace

void markBuilt(PanelLayer& layer, const LayerKey& key)
{
    layer.built = true;
    layer.key = key;
    layer.uploadPending = true;
}

void uploadLayer(PanelLayer& layer)
{
    if (!layer.uploadPending)
        return;
    layer.uploadPending = false;
    const PanelImage& image = layer.image;
    if (image.width <= 0 || image.height <= 0)
        return;
    if (layer.texture == 0) {
        GLuint texture = 0;
        glGenTextures(1, &texture);
        layer.texture = texture;
        layer.textureWidth = 0;
        layer.textureHeight = 0;
    }
    glBindTexture(GL_TEXTURE_2D, layer.texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    if (image.width > layer.textureWidth || image.height > layer.textureHeight) {
        // Sizes of a power of two work on every OpenGL 1.x; the texture only
        // grows, so a panel that changes size now and then does not churn.
        layer.textureWidth = powerOfTwoAtLeast(std::max(image.width, layer.textureWidth));
        layer.textureHeight = powerOfTwoAtLeast(std::max(image.height, layer.textureHeight));
        // Texel for pixel, so no filtering and no mipmaps.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, layer.textureWidth, layer.textureHeight, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, nullptr);
    }
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, image.width, image.height, GL_RGBA, GL_UNSIGNED_BYTE,
                    image.rgba.data());
}

void drawLayer(const PanelLayer& layer, float opacity)
{
    const PanelImage& image = layer.image;
    if (layer.texture == 0 || image.width <= 0 || image.height <= 0 || opacity <= 0.0f)
        return;
    const float x0 = static_cast<float>(image.x);
    const float y0 = static_cast<float>(image.y);
    const float x1 = static_cast<float>(image.x + image.width);
    const float y1 = static_cast<float>(image.y + image.height);
    const float s = static_cast<float>(image.width) / static_cast<float>(layer.textureWidth);
    const float t = static_cast<float>(image.height) / static_cast<float>(layer.textureHeight);
    glBindTexture(GL_TEXTURE_2D, layer.texture);
    if (opacity >= 1.0f) {
        // The picture as it is: the cheaper fragment work of the two.
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    } else {
        // Premultiplied: scaling all four channels fades the picture.
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glColor4f(opacity, opacity, opacity, opacity);
    }
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(x0, y0);
    glTexCoord2f(s, 0.0f);
    glVertex2f(x1, y0);
    glTexCoord2f(s, t);
    glVertex2f(x1, y1);
    glTexCoord2f(0.0f, t);
    glVertex2f(x0, y1);
    glEnd();
}

void releaseLayer(PanelLayer& layer)
{
    if (layer.texture == 0)
        return;
    GLuint texture = layer.texture;
    glDeleteTextures(1, &texture);
    layer.texture = 0;
    layer.textureWidth = 0;
    layer.textureHeight = 0;
}
