// glEnable, glPushAttrib, glGet... and the other calls that only set or read
// state: what WebGL has is passed on, the rest is kept for the shader.
#include "gl_state.h"
#include "webgl.h"

#include <algorithm>

extern "C" {

void glEnable(GLenum cap)
{
    if (compileCommand([cap] { glEnable(cap); }))
        return;
    gl().attrib.enabled[cap] = true;
    if (isWebglCapability(cap))
        emscripten_glEnable(cap);
}

void glDisable(GLenum cap)
{
    if (compileCommand([cap] { glDisable(cap); }))
        return;
    gl().attrib.enabled[cap] = false;
    if (isWebglCapability(cap))
        emscripten_glDisable(cap);
}

GLboolean glIsEnabled(GLenum cap)
{
    switch (cap) {
    case GL_VERTEX_ARRAY:
        return gl().vertexArray.enabled;
    case GL_NORMAL_ARRAY:
        return gl().normalArray.enabled;
    case GL_TEXTURE_COORD_ARRAY:
        return gl().texCoordArray.enabled;
    case GL_COLOR_ARRAY:
        return gl().colourArray.enabled;
    default:
        return isEnabled(cap);
    }
}

void glPushAttrib(GLbitfield mask)
{
    if (compileCommand([mask] { glPushAttrib(mask); }))
        return;
    if (gl().attribStack.size() >= maxAttribDepth) {
        recordError(GL_STACK_OVERFLOW);
        return;
    }
    gl().attribStack.emplace_back(mask, gl().attrib);
}

void glPopAttrib()
{
    if (compileCommand([] { glPopAttrib(); }))
        return;
    if (gl().attribStack.empty()) {
        recordError(GL_STACK_UNDERFLOW);
        return;
    }
    const GLbitfield mask = gl().attribStack.back().first;
    const AttribState saved = gl().attribStack.back().second;
    gl().attribStack.pop_back();
    AttribState& now = gl().attrib;
    auto restoreCaps = [&](std::initializer_list<GLenum> caps) {
        for (GLenum cap : caps) {
            const auto found = saved.enabled.find(cap);
            now.enabled[cap] = found != saved.enabled.end() && found->second;
        }
    };
    if (mask & GL_ENABLE_BIT)
        now.enabled = saved.enabled;
    if (mask & GL_CURRENT_BIT) {
        now.colour = saved.colour;
        now.normal = saved.normal;
        now.texCoord = saved.texCoord;
    }
    if (mask & GL_COLOR_BUFFER_BIT) {
        now.blendSource = saved.blendSource;
        now.blendDestination = saved.blendDestination;
        now.clearColour = saved.clearColour;
        now.colourMask = saved.colourMask;
        restoreCaps({GL_BLEND, GL_ALPHA_TEST, GL_DITHER, GL_COLOR_LOGIC_OP});
    }
    if (mask & GL_DEPTH_BUFFER_BIT) {
        now.depthFunc = saved.depthFunc;
        now.depthMask = saved.depthMask;
        now.clearDepth = saved.clearDepth;
        restoreCaps({GL_DEPTH_TEST});
    }
    if (mask & GL_POLYGON_BIT) {
        now.cullFace = saved.cullFace;
        now.frontFace = saved.frontFace;
        now.polygonMode = saved.polygonMode;
        restoreCaps({GL_CULL_FACE, GL_POLYGON_SMOOTH, GL_POLYGON_STIPPLE, GL_POLYGON_OFFSET_FILL});
    }
    if (mask & GL_TEXTURE_BIT) {
        now.boundTexture = saved.boundTexture;
        now.textureEnvMode = saved.textureEnvMode;
        restoreCaps({GL_TEXTURE_1D, GL_TEXTURE_2D, GL_TEXTURE_3D, GL_TEXTURE_CUBE_MAP, GL_TEXTURE_GEN_S,
            GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q});
    }
    if (mask & GL_TRANSFORM_BIT) {
        now.matrixMode = saved.matrixMode;
        restoreCaps({GL_NORMALIZE, GL_RESCALE_NORMAL, GL_CLIP_PLANE0, GL_CLIP_PLANE1, GL_CLIP_PLANE2,
            GL_CLIP_PLANE3, GL_CLIP_PLANE4, GL_CLIP_PLANE5});
    }
    if (mask & GL_LIGHTING_BIT) {
        now.lights = saved.lights;
        now.material = saved.material;
        now.sceneAmbient = saved.sceneAmbient;
        now.colourMaterialMode = saved.colourMaterialMode;
        now.shadeModel = saved.shadeModel;
        restoreCaps({GL_LIGHTING, GL_COLOR_MATERIAL, GL_LIGHT0, GL_LIGHT0 + 1, GL_LIGHT0 + 2, GL_LIGHT0 + 3,
            GL_LIGHT0 + 4, GL_LIGHT0 + 5, GL_LIGHT0 + 6, GL_LIGHT0 + 7});
    }
    if (mask & GL_FOG_BIT) {
        now.fogMode = saved.fogMode;
        now.fogDensity = saved.fogDensity;
        now.fogStart = saved.fogStart;
        now.fogEnd = saved.fogEnd;
        now.fogColour = saved.fogColour;
        restoreCaps({GL_FOG});
    }
    if (mask & GL_VIEWPORT_BIT)
        now.viewport = saved.viewport;
    if (mask & GL_SCISSOR_BIT) {
        now.scissor = saved.scissor;
        restoreCaps({GL_SCISSOR_TEST});
    }
    applyWebglState(now);
}

void glPushClientAttrib(GLbitfield)
{
    // Only the pixel store is client state this layer keeps beyond the arrays.
    if (gl().clientAttribStack.size() >= maxAttribDepth) {
        recordError(GL_STACK_OVERFLOW);
        return;
    }
    gl().clientAttribStack.push_back(gl().pixels);
}

void glPopClientAttrib()
{
    if (gl().clientAttribStack.empty()) {
        recordError(GL_STACK_UNDERFLOW);
        return;
    }
    gl().pixels = gl().clientAttribStack.back();
    gl().clientAttribStack.pop_back();
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, gl().pixels.unpackAlignment);
    emscripten_glPixelStorei(GL_PACK_ALIGNMENT, gl().pixels.packAlignment);
}

void glGetIntegerv(GLenum pname, GLint* params)
{
    const AttribState& a = gl().attrib;
    switch (pname) {
    case GL_ATTRIB_STACK_DEPTH:
        *params = static_cast<GLint>(gl().attribStack.size());
        return;
    case GL_CLIENT_ATTRIB_STACK_DEPTH:
        *params = static_cast<GLint>(gl().clientAttribStack.size());
        return;
    case GL_MAX_ATTRIB_STACK_DEPTH:
    case GL_MAX_CLIENT_ATTRIB_STACK_DEPTH:
        *params = maxAttribDepth;
        return;
    case GL_MODELVIEW_STACK_DEPTH:
        *params = static_cast<GLint>(gl().matrices[0].size());
        return;
    case GL_PROJECTION_STACK_DEPTH:
        *params = static_cast<GLint>(gl().matrices[1].size());
        return;
    case GL_TEXTURE_STACK_DEPTH:
        *params = static_cast<GLint>(gl().matrices[2].size());
        return;
    case GL_MAX_MODELVIEW_STACK_DEPTH:
    case GL_MAX_PROJECTION_STACK_DEPTH:
    case GL_MAX_TEXTURE_STACK_DEPTH:
        *params = maxMatrixDepth;
        return;
    case GL_MATRIX_MODE:
        *params = static_cast<GLint>(a.matrixMode);
        return;
    case GL_TEXTURE_BINDING_2D:
        *params = static_cast<GLint>(a.boundTexture);
        return;
    case GL_VIEWPORT:
        std::copy(a.viewport.begin(), a.viewport.end(), params);
        return;
    case GL_MAX_TEXTURE_SIZE:
        *params = 4096;
        return;
    case GL_UNPACK_ALIGNMENT:
        *params = gl().pixels.unpackAlignment;
        return;
    case GL_PACK_ALIGNMENT:
        *params = gl().pixels.packAlignment;
        return;
    case GL_UNPACK_ROW_LENGTH:
        *params = gl().pixels.unpackRowLength;
        return;
    case GL_AUX_BUFFERS:
        *params = 0;
        return;
    default:
        recordError(GL_INVALID_ENUM);
    }
}

void glGetFloatv(GLenum pname, GLfloat* params)
{
    const AttribState& a = gl().attrib;
    switch (pname) {
    case GL_MODELVIEW_MATRIX:
        std::copy(gl().matrices[0].back().begin(), gl().matrices[0].back().end(), params);
        return;
    case GL_PROJECTION_MATRIX:
        std::copy(gl().matrices[1].back().begin(), gl().matrices[1].back().end(), params);
        return;
    case GL_TEXTURE_MATRIX:
        std::copy(gl().matrices[2].back().begin(), gl().matrices[2].back().end(), params);
        return;
    case GL_CURRENT_COLOR:
        std::copy(a.colour.begin(), a.colour.end(), params);
        return;
    case GL_FOG_COLOR:
        std::copy(a.fogColour.begin(), a.fogColour.end(), params);
        return;
    case GL_FOG_DENSITY:
        *params = a.fogDensity;
        return;
    case GL_COLOR_CLEAR_VALUE:
        std::copy(a.clearColour.begin(), a.clearColour.end(), params);
        return;
    case GL_LIGHT_MODEL_AMBIENT:
        std::copy(a.sceneAmbient.begin(), a.sceneAmbient.end(), params);
        return;
    default: {
        GLint values[4] = {0, 0, 0, 0};
        glGetIntegerv(pname, values);
        for (int i = 0; i < (pname == GL_VIEWPORT ? 4 : 1); ++i)
            params[i] = static_cast<float>(values[i]);
    }
    }
}

void glGetDoublev(GLenum pname, GLdouble* params)
{
    GLfloat values[16] = {};
    glGetFloatv(pname, values);
    const bool matrix = pname == GL_MODELVIEW_MATRIX || pname == GL_PROJECTION_MATRIX || pname == GL_TEXTURE_MATRIX;
    const bool four = pname == GL_VIEWPORT || pname == GL_CURRENT_COLOR || pname == GL_FOG_COLOR ||
        pname == GL_COLOR_CLEAR_VALUE || pname == GL_LIGHT_MODEL_AMBIENT;
    const int count = matrix ? 16 : four ? 4 : 1;
    for (int i = 0; i < count; ++i)
        params[i] = values[i];
}

void glGetBooleanv(GLenum pname, GLboolean* params)
{
    *params = glIsEnabled(pname);
}

GLenum glGetError()
{
    const GLenum error = gl().error;
    gl().error = GL_NO_ERROR;
    return error;
}

const GLubyte* glGetString(GLenum name)
{
    switch (name) {
    case GL_VENDOR:
        return reinterpret_cast<const GLubyte*>("Marivane");
    case GL_RENDERER:
        return reinterpret_cast<const GLubyte*>("fixed function over WebGL 1");
    case GL_VERSION:
        return reinterpret_cast<const GLubyte*>("1.3");
    case GL_EXTENSIONS:
        return reinterpret_cast<const GLubyte*>("");
    default:
        recordError(GL_INVALID_ENUM);
        return nullptr;
    }
}

void glPixelStorei(GLenum pname, GLint param)
{
    PixelStore& p = gl().pixels;
    switch (pname) {
    case GL_UNPACK_ALIGNMENT:
        p.unpackAlignment = param;
        emscripten_glPixelStorei(pname, param);
        return;
    case GL_PACK_ALIGNMENT:
        p.packAlignment = param;
        emscripten_glPixelStorei(pname, param);
        return;
    case GL_UNPACK_ROW_LENGTH:
        p.unpackRowLength = param;
        return;
    case GL_UNPACK_SKIP_ROWS:
        p.unpackSkipRows = param;
        return;
    case GL_UNPACK_SKIP_PIXELS:
        p.unpackSkipPixels = param;
        return;
    case GL_PACK_ROW_LENGTH:
        p.packRowLength = param;
        return;
    case GL_PACK_SKIP_ROWS:
        p.packSkipRows = param;
        return;
    case GL_PACK_SKIP_PIXELS:
        p.packSkipPixels = param;
        return;
    default:
        // Byte swapping and bit order mean nothing for the byte-sized texels used here.
        return;
    }
}

void glShadeModel(GLenum mode)
{
    if (compileCommand([mode] { glShadeModel(mode); }))
        return;
    gl().attrib.shadeModel = mode;
}

void glPolygonMode(GLenum, GLenum mode)
{
    if (compileCommand([mode] { glPolygonMode(GL_FRONT_AND_BACK, mode); }))
        return;
    gl().attrib.polygonMode = mode;
}

void glCullFace(GLenum mode)
{
    if (compileCommand([mode] { glCullFace(mode); }))
        return;
    gl().attrib.cullFace = mode;
    emscripten_glCullFace(mode);
}

void glFrontFace(GLenum mode)
{
    if (compileCommand([mode] { glFrontFace(mode); }))
        return;
    gl().attrib.frontFace = mode;
    emscripten_glFrontFace(mode);
}

void glDepthFunc(GLenum func)
{
    if (compileCommand([func] { glDepthFunc(func); }))
        return;
    gl().attrib.depthFunc = func;
    emscripten_glDepthFunc(func);
}

void glDepthMask(GLboolean flag)
{
    if (compileCommand([flag] { glDepthMask(flag); }))
        return;
    gl().attrib.depthMask = flag;
    emscripten_glDepthMask(flag);
}

void glColorMask(GLboolean red, GLboolean green, GLboolean blue, GLboolean alpha)
{
    if (compileCommand([=] { glColorMask(red, green, blue, alpha); }))
        return;
    gl().attrib.colourMask = {red != 0, green != 0, blue != 0, alpha != 0};
    emscripten_glColorMask(red, green, blue, alpha);
}

void glBlendFunc(GLenum sfactor, GLenum dfactor)
{
    if (compileCommand([=] { glBlendFunc(sfactor, dfactor); }))
        return;
    gl().attrib.blendSource = sfactor;
    gl().attrib.blendDestination = dfactor;
    emscripten_glBlendFunc(sfactor, dfactor);
}

void glHint(GLenum, GLenum) {}

void glLineWidth(GLfloat width)
{
    if (compileCommand([width] { glLineWidth(width); }))
        return;
    emscripten_glLineWidth(width);
}

void glPointSize(GLfloat) {}

void glFlush()
{
    emscripten_glFlush();
}

void glFinish()
{
    emscripten_glFinish();
}

void glViewport(GLint x, GLint y, GLsizei width, GLsizei height)
{
    if (compileCommand([=] { glViewport(x, y, width, height); }))
        return;
    gl().attrib.viewport = {x, y, width, height};
    emscripten_glViewport(x, y, width, height);
}

void glScissor(GLint x, GLint y, GLsizei width, GLsizei height)
{
    if (compileCommand([=] { glScissor(x, y, width, height); }))
        return;
    gl().attrib.scissor = {x, y, width, height};
    emscripten_glScissor(x, y, width, height);
}

void glClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha)
{
    if (compileCommand([=] { glClearColor(red, green, blue, alpha); }))
        return;
    gl().attrib.clearColour = {red, green, blue, alpha};
    emscripten_glClearColor(red, green, blue, alpha);
}

void glClearDepth(GLclampd depth)
{
    if (compileCommand([depth] { glClearDepth(depth); }))
        return;
    gl().attrib.clearDepth = static_cast<float>(depth);
    emscripten_glClearDepthf(static_cast<float>(depth));
}

void glClear(GLbitfield mask)
{
    if (compileCommand([mask] { glClear(mask); }))
        return;
    emscripten_glClear(mask);
}

void glReadBuffer(GLenum) {}

void glDrawBuffer(GLenum) {}

void glReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, GLvoid* pixels)
{
    if (width <= 0 || height <= 0 || type != GL_UNSIGNED_BYTE) {
        recordError(GL_INVALID_VALUE);
        return;
    }
    // WebGL reads RGBA bytes only; the format asked for is packed from them.
    std::vector<unsigned char> rgba(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    emscripten_glPixelStorei(GL_PACK_ALIGNMENT, 4);
    emscripten_glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    emscripten_glPixelStorei(GL_PACK_ALIGNMENT, gl().pixels.packAlignment);
    const int channels = format == GL_RGBA ? 4 : format == GL_RGB ? 3 : format == GL_LUMINANCE_ALPHA ? 2 : 1;
    const PixelStore& p = gl().pixels;
    const size_t rowPixels = p.packRowLength > 0 ? static_cast<size_t>(p.packRowLength) : static_cast<size_t>(width);
    const size_t align = static_cast<size_t>(std::max(1, p.packAlignment));
    const size_t stride = (rowPixels * static_cast<size_t>(channels) + align - 1) / align * align;
    auto* out = static_cast<unsigned char*>(pixels);
    for (int row = 0; row < height; ++row) {
        unsigned char* dst = out + (static_cast<size_t>(row + p.packSkipRows)) * stride +
            static_cast<size_t>(p.packSkipPixels) * static_cast<size_t>(channels);
        const unsigned char* src = rgba.data() + static_cast<size_t>(row) * static_cast<size_t>(width) * 4;
        for (int i = 0; i < width; ++i, src += 4) {
            switch (format) {
            case GL_RGBA:
                std::copy(src, src + 4, dst);
                break;
            case GL_RGB:
                std::copy(src, src + 3, dst);
                break;
            case GL_ALPHA:
                dst[0] = src[3];
                break;
            case GL_LUMINANCE_ALPHA:
                dst[0] = src[0];
                dst[1] = src[3];
                break;
            default:
                dst[0] = src[0];
            }
            dst += channels;
        }
    }
}

}  // extern "C"
