// The GLU calls, after the GLU 1.3 standard: gluPerspective and
// gluLookAt build their matrices as section 4.1 gives them; gluBuild2DMipmaps
// scales an image whose sides are not powers of two to the nearest powers
// (section 3.2) and makes the levels from it (here WebGL's generateMipmap,
// a box filter like GLU's).
#include "gl_state.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace {

// The power of two nearest to n, rounding 3 up to 4 as GLU does.
GLsizei nearestPowerOfTwo(GLsizei n)
{
    GLsizei p = 1;
    while (p * 2 <= n)
        p *= 2;
    return (n - p) * 2 >= p && p * 2 <= 4096 ? p * 2 : p;
}

int channelsOf(GLenum format)
{
    return format == GL_RGBA ? 4 : format == GL_RGB ? 3 : format == GL_LUMINANCE_ALPHA ? 2 : 1;
}

// Bilinear resampling of byte pixels, sampling at texel centres.
std::vector<unsigned char> scaled(const unsigned char* source, GLsizei width, GLsizei height, size_t sourceStride,
    int channels, GLsizei newWidth, GLsizei newHeight)
{
    std::vector<unsigned char> out(static_cast<size_t>(newWidth) * static_cast<size_t>(newHeight) * static_cast<size_t>(channels));
    for (GLsizei y = 0; y < newHeight; ++y) {
        const float sy = std::clamp((static_cast<float>(y) + 0.5f) * static_cast<float>(height) / static_cast<float>(newHeight) - 0.5f,
            0.0f, static_cast<float>(height - 1));
        const int y0 = static_cast<int>(sy);
        const int y1 = std::min(y0 + 1, height - 1);
        const float fy = sy - static_cast<float>(y0);
        for (GLsizei x = 0; x < newWidth; ++x) {
            const float sx = std::clamp((static_cast<float>(x) + 0.5f) * static_cast<float>(width) / static_cast<float>(newWidth) - 0.5f,
                0.0f, static_cast<float>(width - 1));
            const int x0 = static_cast<int>(sx);
            const int x1 = std::min(x0 + 1, width - 1);
            const float fx = sx - static_cast<float>(x0);
            for (int c = 0; c < channels; ++c) {
                auto at = [&](int xx, int yy) {
                    return static_cast<float>(source[static_cast<size_t>(yy) * sourceStride +
                        static_cast<size_t>(xx) * static_cast<size_t>(channels) + static_cast<size_t>(c)]);
                };
                const float top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * fx;
                const float bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * fx;
                out[(static_cast<size_t>(y) * static_cast<size_t>(newWidth) + static_cast<size_t>(x)) * static_cast<size_t>(channels) +
                    static_cast<size_t>(c)] = static_cast<unsigned char>(std::lround(top + (bottom - top) * fy));
            }
        }
    }
    return out;
}

}  // namespace

extern "C" {

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar)
{
    const double radians = fovy / 2 * 3.14159265358979323846 / 180;
    const double sine = std::sin(radians);
    if (zFar == zNear || sine == 0 || aspect == 0)
        return;
    const double f = std::cos(radians) / sine;
    GLdouble m[16] = {};
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (zFar + zNear) / (zNear - zFar);
    m[11] = -1;
    m[14] = 2 * zFar * zNear / (zNear - zFar);
    glMultMatrixd(m);
}

void gluOrtho2D(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top)
{
    glOrtho(left, right, bottom, top, -1, 1);
}

void gluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY, GLdouble centerZ,
    GLdouble upX, GLdouble upY, GLdouble upZ)
{
    double f[3] = {centerX - eyeX, centerY - eyeY, centerZ - eyeZ};
    const double fl = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
    if (fl == 0)
        return;
    for (double& v : f)
        v /= fl;
    double s[3] = {f[1] * upZ - f[2] * upY, f[2] * upX - f[0] * upZ, f[0] * upY - f[1] * upX};
    const double sl = std::sqrt(s[0] * s[0] + s[1] * s[1] + s[2] * s[2]);
    if (sl == 0)
        return;
    for (double& v : s)
        v /= sl;
    const double u[3] = {s[1] * f[2] - s[2] * f[1], s[2] * f[0] - s[0] * f[2], s[0] * f[1] - s[1] * f[0]};
    const GLdouble m[16] = {s[0], u[0], -f[0], 0, s[1], u[1], -f[1], 0, s[2], u[2], -f[2], 0, 0, 0, 0, 1};
    glMultMatrixd(m);
    glTranslated(-eyeX, -eyeY, -eyeZ);
}

GLint gluBuild2DMipmaps(GLenum target, GLint, GLsizei width, GLsizei height, GLenum format, GLenum type,
    const void* data)
{
    if (target != GL_TEXTURE_2D || type != GL_UNSIGNED_BYTE)
        return GL_INVALID_ENUM;
    if (width < 1 || height < 1 || data == nullptr)
        return GL_INVALID_VALUE;
    const int channels = channelsOf(format);
    const PixelStore& p = gl().pixels;
    const size_t align = static_cast<size_t>(std::max(1, p.unpackAlignment));
    const size_t rowPixels = p.unpackRowLength > 0 ? static_cast<size_t>(p.unpackRowLength) : static_cast<size_t>(width);
    const size_t stride = (rowPixels * static_cast<size_t>(channels) + align - 1) / align * align;
    const auto* source = static_cast<const unsigned char*>(data) + stride * static_cast<size_t>(p.unpackSkipRows) +
        static_cast<size_t>(channels) * static_cast<size_t>(p.unpackSkipPixels);
    const GLsizei w = nearestPowerOfTwo(width);
    const GLsizei h = nearestPowerOfTwo(height);
    const std::vector<unsigned char> image = scaled(source, width, height, stride, channels, w, h);
    // The scaled copy is tightly packed: unpack it so, then put the store back.
    const PixelStore saved = p;
    gl().pixels = PixelStore{};
    gl().pixels.unpackAlignment = 1;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    uploadTextureImage(0, format, w, h, image.data(), true);
    gl().pixels = saved;
    glPixelStorei(GL_UNPACK_ALIGNMENT, saved.unpackAlignment);
    return 0;
}

const GLubyte* gluErrorString(GLenum error)
{
    switch (error) {
    case GL_NO_ERROR:
        return reinterpret_cast<const GLubyte*>("no error");
    case GL_INVALID_ENUM:
        return reinterpret_cast<const GLubyte*>("invalid enumerant");
    case GL_INVALID_VALUE:
        return reinterpret_cast<const GLubyte*>("invalid value");
    case GL_INVALID_OPERATION:
        return reinterpret_cast<const GLubyte*>("invalid operation");
    case GL_OUT_OF_MEMORY:
        return reinterpret_cast<const GLubyte*>("out of memory");
    default:
        return reinterpret_cast<const GLubyte*>("unknown error");
    }
}

}  // extern "C"
