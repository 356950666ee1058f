#include "atlas_texture.h"

#include <GL/gl.h>
// Windows' gl.h stops at OpenGL 1.1; the later names come from here.
#include <GL/glext.h>

unsigned atlasTexture(FontAtlas& atlas)
{
    if (atlas.texture != 0)
        return atlas.texture;
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    // Rows of the coverage buffer are tightly packed.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    // Glyphs are drawn texel for pixel, so no filtering and no mipmaps.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, atlas.width, atlas.height, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                 atlas.alpha.data());
    atlas.texture = texture;
    return texture;
}

void releaseAtlasTexture(FontAtlas& atlas)
{
    if (atlas.texture == 0)
        return;
    GLuint texture = atlas.texture;
    glDeleteTextures(1, &texture);
    atlas.texture = 0;
}
