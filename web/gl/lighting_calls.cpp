// Lights, material, colour material and fog: kept here, used by the shader.
// Positions and spot directions are taken into eye coordinates when set, with
// the model-view matrix of that moment (OpenGL 1.5, section 2.14.2).
#include "gl_state.h"

#include <algorithm>

namespace {

Light* lightFor(GLenum light)
{
    if (light < GL_LIGHT0 || light >= GL_LIGHT0 + maxLights) {
        recordError(GL_INVALID_ENUM);
        return nullptr;
    }
    return &gl().attrib.lights[light - GL_LIGHT0];
}

Colour colourFrom(const GLfloat* p)
{
    return {p[0], p[1], p[2], p[3]};
}

}  // namespace

extern "C" {

void glLightfv(GLenum light, GLenum pname, const GLfloat* params)
{
    const int count = pname == GL_SPOT_DIRECTION ? 3 : (pname == GL_AMBIENT || pname == GL_DIFFUSE ||
                                                           pname == GL_SPECULAR || pname == GL_POSITION)
        ? 4
        : 1;
    std::array<float, 4> copy{};
    std::copy(params, params + count, copy.begin());
    if (compileCommand([=] { glLightfv(light, pname, copy.data()); }))
        return;
    Light* l = lightFor(light);
    if (l == nullptr)
        return;
    const Matrix& mv = gl().matrices[0].back();
    switch (pname) {
    case GL_AMBIENT:
        l->ambient = copy;
        return;
    case GL_DIFFUSE:
        l->diffuse = copy;
        return;
    case GL_SPECULAR:
        l->specular = copy;
        return;
    case GL_POSITION:
        for (int row = 0; row < 4; ++row)
            l->position[row] = mv[row] * copy[0] + mv[4 + row] * copy[1] + mv[8 + row] * copy[2] + mv[12 + row] * copy[3];
        return;
    case GL_SPOT_DIRECTION:
        for (int row = 0; row < 3; ++row)
            l->spotDirection[row] = mv[row] * copy[0] + mv[4 + row] * copy[1] + mv[8 + row] * copy[2];
        return;
    case GL_SPOT_EXPONENT:
        l->spotExponent = copy[0];
        return;
    case GL_SPOT_CUTOFF:
        l->spotCutoff = copy[0];
        return;
    case GL_CONSTANT_ATTENUATION:
        l->attenuation[0] = copy[0];
        return;
    case GL_LINEAR_ATTENUATION:
        l->attenuation[1] = copy[0];
        return;
    case GL_QUADRATIC_ATTENUATION:
        l->attenuation[2] = copy[0];
        return;
    default:
        recordError(GL_INVALID_ENUM);
    }
}

void glLightf(GLenum light, GLenum pname, GLfloat param)
{
    const GLfloat params[4] = {param, 0, 0, 0};
    glLightfv(light, pname, params);
}

void glLightModelfv(GLenum pname, const GLfloat* params)
{
    const Colour copy = pname == GL_LIGHT_MODEL_AMBIENT ? colourFrom(params) : Colour{params[0], 0, 0, 0};
    if (compileCommand([=] { glLightModelfv(pname, copy.data()); }))
        return;
    if (pname == GL_LIGHT_MODEL_AMBIENT)
        gl().attrib.sceneAmbient = copy;
    // A local viewer and two-sided lighting are left at their defaults.
}

void glLightModelf(GLenum pname, GLfloat param)
{
    const GLfloat params[4] = {param, 0, 0, 0};
    glLightModelfv(pname, params);
}

void glLightModeli(GLenum pname, GLint param)
{
    glLightModelf(pname, static_cast<float>(param));
}

void glMaterialfv(GLenum face, GLenum pname, const GLfloat* params)
{
    const Colour copy = pname == GL_SHININESS ? Colour{params[0], 0, 0, 0} : colourFrom(params);
    if (compileCommand([=] { glMaterialfv(face, pname, copy.data()); }))
        return;
    // Without two-sided lighting only the front material is ever used.
    if (face == GL_BACK)
        return;
    Material& m = gl().attrib.material;
    switch (pname) {
    case GL_AMBIENT:
        m.ambient = copy;
        return;
    case GL_DIFFUSE:
        m.diffuse = copy;
        return;
    case GL_AMBIENT_AND_DIFFUSE:
        m.ambient = copy;
        m.diffuse = copy;
        return;
    case GL_SPECULAR:
        m.specular = copy;
        return;
    case GL_EMISSION:
        m.emission = copy;
        return;
    case GL_SHININESS:
        m.shininess = copy[0];
        return;
    default:
        recordError(GL_INVALID_ENUM);
    }
}

void glMaterialf(GLenum face, GLenum pname, GLfloat param)
{
    const GLfloat params[4] = {param, 0, 0, 0};
    glMaterialfv(face, pname, params);
}

void glColorMaterial(GLenum, GLenum mode)
{
    if (compileCommand([mode] { glColorMaterial(GL_FRONT_AND_BACK, mode); }))
        return;
    gl().attrib.colourMaterialMode = mode;
}

void glFogfv(GLenum pname, const GLfloat* params)
{
    const Colour copy = pname == GL_FOG_COLOR ? colourFrom(params) : Colour{params[0], 0, 0, 0};
    if (compileCommand([=] { glFogfv(pname, copy.data()); }))
        return;
    AttribState& a = gl().attrib;
    switch (pname) {
    case GL_FOG_COLOR:
        a.fogColour = copy;
        return;
    case GL_FOG_DENSITY:
        a.fogDensity = copy[0];
        return;
    case GL_FOG_START:
        a.fogStart = copy[0];
        return;
    case GL_FOG_END:
        a.fogEnd = copy[0];
        return;
    case GL_FOG_MODE:
        a.fogMode = static_cast<GLenum>(copy[0]);
        return;
    default:
        recordError(GL_INVALID_ENUM);
    }
}

void glFogf(GLenum pname, GLfloat param)
{
    const GLfloat params[4] = {param, 0, 0, 0};
    glFogfv(pname, params);
}

void glFogi(GLenum pname, GLint param)
{
    glFogf(pname, static_cast<float>(param));
}

}  // extern "C"
