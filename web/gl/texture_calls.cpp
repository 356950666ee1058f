// Texture objects over WebGL textures of the same names. WebGL 1 wants the
// internal format to equal the format, clamped edges and no mipmaps for sizes
// that are not powers of two, and no row length or skips when unpacking; this
// file meets those wants so callers can use OpenGL 1.x's rules.
#include "gl_state.h"
#include "webgl.h"

#include <algorithm>

namespace {

bool powerOfTwo(GLsizei n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

int channelsOf(GLenum format)
{
    switch (format) {
    case GL_RGBA:
        return 4;
    case GL_RGB:
        return 3;
    case GL_LUMINANCE_ALPHA:
        return 2;
    case GL_LUMINANCE:
    case GL_ALPHA:
        return 1;
    default:
        return 0;
    }
}

TextureObject* boundObject()
{
    const GLuint name = gl().attrib.boundTexture;
    if (name == 0)
        return nullptr;
    const auto found = gl().textures.find(name);
    return found == gl().textures.end() ? nullptr : &found->second;
}

// The pixels as WebGL will read them: rows packed at the unpack alignment,
// with any row length and skips of the pixel store applied here.
const void* unpacked(GLsizei width, GLsizei height, GLenum format, const void* pixels, std::vector<unsigned char>& copy)
{
    const PixelStore& p = gl().pixels;
    if (pixels == nullptr || (p.unpackRowLength == 0 && p.unpackSkipRows == 0 && p.unpackSkipPixels == 0))
        return pixels;
    const size_t channels = static_cast<size_t>(channelsOf(format));
    const size_t align = static_cast<size_t>(std::max(1, p.unpackAlignment));
    const size_t rowPixels = p.unpackRowLength > 0 ? static_cast<size_t>(p.unpackRowLength) : static_cast<size_t>(width);
    const size_t sourceStride = (rowPixels * channels + align - 1) / align * align;
    const size_t targetStride = (static_cast<size_t>(width) * channels + align - 1) / align * align;
    copy.assign(targetStride * static_cast<size_t>(height), 0);
    const auto* source = static_cast<const unsigned char*>(pixels) + sourceStride * static_cast<size_t>(p.unpackSkipRows) +
        channels * static_cast<size_t>(p.unpackSkipPixels);
    for (GLsizei row = 0; row < height; ++row)
        std::copy(source + sourceStride * static_cast<size_t>(row),
            source + sourceStride * static_cast<size_t>(row) + channels * static_cast<size_t>(width),
            copy.begin() + static_cast<long>(targetStride * static_cast<size_t>(row)));
    return copy.data();
}

GLenum baseFormat(GLint internalFormat, GLenum format)
{
    switch (internalFormat) {
    case 1:
    case GL_LUMINANCE:
    case GL_LUMINANCE8:
        return GL_LUMINANCE;
    case 2:
    case GL_LUMINANCE_ALPHA:
    case GL_LUMINANCE8_ALPHA8:
        return GL_LUMINANCE_ALPHA;
    case 3:
    case GL_RGB:
    case GL_RGB8:
        return GL_RGB;
    case 4:
    case GL_RGBA:
    case GL_RGBA8:
        return GL_RGBA;
    case GL_ALPHA:
    case GL_ALPHA8:
        return GL_ALPHA;
    default:
        return format;
    }
}

// Wrap and filter as WebGL can take them for this texture's size.
void applySampling(const TextureObject& t)
{
    const bool pot = powerOfTwo(t.width) && powerOfTwo(t.height);
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, pot ? t.wrapS : GL_CLAMP_TO_EDGE);
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, pot ? t.wrapT : GL_CLAMP_TO_EDGE);
    GLint minFilter = t.minFilter;
    if (!t.hasMipmaps && minFilter != GL_NEAREST && minFilter != GL_LINEAR)
        minFilter = GL_LINEAR;
    emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
}

GLint webglWrap(GLint wrap)
{
    // GL_CLAMP has no WebGL counterpart; clamping to the edge is the nearest.
    return wrap == GL_CLAMP ? GL_CLAMP_TO_EDGE : wrap;
}

}  // namespace

void uploadTextureImage(GLint level, GLenum format, GLsizei width, GLsizei height, const void* pixels, bool mipmaps)
{
    TextureObject* t = boundObject();
    if (t == nullptr)
        return;
    std::vector<unsigned char> copy;
    const void* data = unpacked(width, height, format, pixels, copy);
    if (data != pixels)
        emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, gl().pixels.unpackAlignment);
    emscripten_glTexImage2D(GL_TEXTURE_2D, level, static_cast<GLint>(format), width, height, 0, format,
        GL_UNSIGNED_BYTE, data);
    if (level != 0)
        return;
    t->width = width;
    t->height = height;
    t->format = format;
    t->hasImage = width > 0 && height > 0;
    t->hasMipmaps = false;
    if (mipmaps && powerOfTwo(width) && powerOfTwo(height)) {
        emscripten_glGenerateMipmap(GL_TEXTURE_2D);
        t->hasMipmaps = true;
    }
    applySampling(*t);
}

bool textureComplete(GLuint name, GLenum& format)
{
    const auto found = gl().textures.find(name);
    if (found == gl().textures.end() || !found->second.hasImage)
        return false;
    const TextureObject& t = found->second;
    const bool mipmapFilter = t.minFilter != GL_NEAREST && t.minFilter != GL_LINEAR;
    if (mipmapFilter && !t.hasMipmaps)
        return false;
    format = t.format;
    return true;
}

extern "C" {

void glGenTextures(GLsizei n, GLuint* textures)
{
    emscripten_glGenTextures(n, textures);
    for (GLsizei i = 0; i < n; ++i)
        gl().textures[textures[i]];
}

void glDeleteTextures(GLsizei n, const GLuint* textures)
{
    for (GLsizei i = 0; i < n; ++i) {
        if (gl().textures.erase(textures[i]) == 0)
            continue;
        if (gl().attrib.boundTexture == textures[i])
            gl().attrib.boundTexture = 0;
        emscripten_glDeleteTextures(1, &textures[i]);
    }
}

GLboolean glIsTexture(GLuint texture)
{
    return texture != 0 && gl().textures.count(texture) != 0;
}

void glBindTexture(GLenum target, GLuint texture)
{
    if (compileCommand([=] { glBindTexture(target, texture); }))
        return;
    if (target != GL_TEXTURE_2D)
        return;
    if (texture != 0 && gl().textures.count(texture) == 0) {
        // A name never generated still names a texture once bound.
        GLuint fresh = 0;
        emscripten_glGenTextures(1, &fresh);
        if (fresh != texture) {
            emscripten_glDeleteTextures(1, &fresh);
            recordError(GL_INVALID_OPERATION);
            return;
        }
        gl().textures[texture];
    }
    gl().attrib.boundTexture = texture;
    emscripten_glBindTexture(GL_TEXTURE_2D, texture);
}

void glTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
    GLenum format, GLenum type, const GLvoid* pixels)
{
    if (target != GL_TEXTURE_2D || type != GL_UNSIGNED_BYTE || channelsOf(format) == 0) {
        recordError(GL_INVALID_ENUM);
        return;
    }
    if (width < 0 || height < 0 || border != 0 || level < 0) {
        recordError(GL_INVALID_VALUE);
        return;
    }
    const GLenum internal = baseFormat(internalFormat, format);
    if (internal != format) {
        // WebGL 1 converts no formats; no caller here asks it to.
        recordError(GL_INVALID_OPERATION);
        return;
    }
    uploadTextureImage(level, format, width, height, pixels, false);
}

void glTexSubImage2D(GLenum target, GLint level, GLint xoffset, GLint yoffset, GLsizei width, GLsizei height,
    GLenum format, GLenum type, const GLvoid* pixels)
{
    if (target != GL_TEXTURE_2D || type != GL_UNSIGNED_BYTE || channelsOf(format) == 0) {
        recordError(GL_INVALID_ENUM);
        return;
    }
    std::vector<unsigned char> copy;
    const void* data = unpacked(width, height, format, pixels, copy);
    emscripten_glTexSubImage2D(GL_TEXTURE_2D, level, xoffset, yoffset, width, height, format, GL_UNSIGNED_BYTE, data);
}

void glTexParameteri(GLenum target, GLenum pname, GLint param)
{
    if (compileCommand([=] { glTexParameteri(target, pname, param); }))
        return;
    TextureObject* t = boundObject();
    if (target != GL_TEXTURE_2D || t == nullptr)
        return;
    switch (pname) {
    case GL_TEXTURE_MIN_FILTER:
        t->minFilter = param;
        break;
    case GL_TEXTURE_MAG_FILTER:
        emscripten_glTexParameteri(GL_TEXTURE_2D, pname, param);
        return;
    case GL_TEXTURE_WRAP_S:
        t->wrapS = webglWrap(param);
        break;
    case GL_TEXTURE_WRAP_T:
        t->wrapT = webglWrap(param);
        break;
    default:
        return;
    }
    applySampling(*t);
}

void glTexParameterf(GLenum target, GLenum pname, GLfloat param)
{
    glTexParameteri(target, pname, static_cast<GLint>(param));
}

void glTexEnvi(GLenum target, GLenum pname, GLint param)
{
    if (compileCommand([=] { glTexEnvi(target, pname, param); }))
        return;
    if (target == GL_TEXTURE_ENV && pname == GL_TEXTURE_ENV_MODE)
        gl().attrib.textureEnvMode = static_cast<GLenum>(param);
}

void glTexEnvf(GLenum target, GLenum pname, GLfloat param)
{
    glTexEnvi(target, pname, static_cast<GLint>(param));
}

}  // extern "C"
