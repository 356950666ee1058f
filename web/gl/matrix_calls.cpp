// The three matrix stacks and the calls that build matrices, as OpenGL 1.x
// defines them (the OpenGL 1.5 standard, section 2.11.2).
#include "gl_state.h"

#include <cmath>

namespace {

int stackIndex()
{
    switch (gl().attrib.matrixMode) {
    case GL_PROJECTION:
        return 1;
    case GL_TEXTURE:
        return 2;
    default:
        return 0;
    }
}

void multiplyCurrent(const Matrix& m)
{
    Matrix& current = currentMatrix();
    current = multiply(current, m);
}

}  // namespace

extern "C" {

void glMatrixMode(GLenum mode)
{
    if (compileCommand([mode] { glMatrixMode(mode); }))
        return;
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION && mode != GL_TEXTURE) {
        recordError(GL_INVALID_ENUM);
        return;
    }
    gl().attrib.matrixMode = mode;
}

void glLoadIdentity()
{
    if (compileCommand([] { glLoadIdentity(); }))
        return;
    currentMatrix() = identityMatrix();
}

void glLoadMatrixf(const GLfloat* m)
{
    Matrix copy;
    std::copy(m, m + 16, copy.begin());
    if (compileCommand([copy] { glLoadMatrixf(copy.data()); }))
        return;
    currentMatrix() = copy;
}

void glLoadMatrixd(const GLdouble* m)
{
    Matrix copy;
    for (int i = 0; i < 16; ++i)
        copy[i] = static_cast<float>(m[i]);
    glLoadMatrixf(copy.data());
}

void glMultMatrixf(const GLfloat* m)
{
    Matrix copy;
    std::copy(m, m + 16, copy.begin());
    if (compileCommand([copy] { glMultMatrixf(copy.data()); }))
        return;
    multiplyCurrent(copy);
}

void glMultMatrixd(const GLdouble* m)
{
    Matrix copy;
    for (int i = 0; i < 16; ++i)
        copy[i] = static_cast<float>(m[i]);
    glMultMatrixf(copy.data());
}

void glPushMatrix()
{
    if (compileCommand([] { glPushMatrix(); }))
        return;
    auto& stack = gl().matrices[stackIndex()];
    if (stack.size() >= maxMatrixDepth) {
        recordError(GL_STACK_OVERFLOW);
        return;
    }
    stack.push_back(stack.back());
}

void glPopMatrix()
{
    if (compileCommand([] { glPopMatrix(); }))
        return;
    auto& stack = gl().matrices[stackIndex()];
    if (stack.size() <= 1) {
        recordError(GL_STACK_UNDERFLOW);
        return;
    }
    stack.pop_back();
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z)
{
    Matrix m = identityMatrix();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    glMultMatrixf(m.data());
}

void glTranslated(GLdouble x, GLdouble y, GLdouble z)
{
    glTranslatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z)
{
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0f)
        return;
    x /= length;
    y /= length;
    z /= length;
    const float radians = angle * 3.14159265358979323846f / 180.0f;
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    const float t = 1.0f - c;
    const Matrix m{x * x * t + c, y * x * t + z * s, x * z * t - y * s, 0, x * y * t - z * s, y * y * t + c,
        y * z * t + x * s, 0, x * z * t + y * s, y * z * t - x * s, z * z * t + c, 0, 0, 0, 0, 1};
    glMultMatrixf(m.data());
}

void glRotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z)
{
    glRotatef(static_cast<float>(angle), static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void glScalef(GLfloat x, GLfloat y, GLfloat z)
{
    Matrix m = identityMatrix();
    m[0] = x;
    m[5] = y;
    m[10] = z;
    glMultMatrixf(m.data());
}

void glScaled(GLdouble x, GLdouble y, GLdouble z)
{
    glScalef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void glOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar)
{
    if (left == right || bottom == top || zNear == zFar) {
        recordError(GL_INVALID_VALUE);
        return;
    }
    Matrix m = identityMatrix();
    m[0] = static_cast<float>(2.0 / (right - left));
    m[5] = static_cast<float>(2.0 / (top - bottom));
    m[10] = static_cast<float>(-2.0 / (zFar - zNear));
    m[12] = static_cast<float>(-(right + left) / (right - left));
    m[13] = static_cast<float>(-(top + bottom) / (top - bottom));
    m[14] = static_cast<float>(-(zFar + zNear) / (zFar - zNear));
    glMultMatrixf(m.data());
}

void glFrustum(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar)
{
    if (zNear <= 0 || zFar <= 0 || left == right || bottom == top || zNear == zFar) {
        recordError(GL_INVALID_VALUE);
        return;
    }
    Matrix m{};
    m[0] = static_cast<float>(2.0 * zNear / (right - left));
    m[5] = static_cast<float>(2.0 * zNear / (top - bottom));
    m[8] = static_cast<float>((right + left) / (right - left));
    m[9] = static_cast<float>((top + bottom) / (top - bottom));
    m[10] = static_cast<float>(-(zFar + zNear) / (zFar - zNear));
    m[11] = -1;
    m[14] = static_cast<float>(-2.0 * zFar * zNear / (zFar - zNear));
    glMultMatrixf(m.data());
}

}  // extern "C"
