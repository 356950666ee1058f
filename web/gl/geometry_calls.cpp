// Vertices in: glBegin/glEnd, client-side arrays and display lists. Each
// vertex carries the current colour, normal and texture coordinate of the
// moment it is given, as in OpenGL 1.x, however many vertices share them.
#include "gl_state.h"

#include <cstdint>
#include <cstring>

namespace {

void setCurrentColour(const Colour& colour)
{
    AttribState& a = gl().attrib;
    a.colour = colour;
    // Colour material makes the current colour the material's, and it stays
    // so when colour material is switched off again.
    if (isEnabled(GL_COLOR_MATERIAL)) {
        Material& m = a.material;
        switch (a.colourMaterialMode) {
        case GL_AMBIENT:
            m.ambient = colour;
            break;
        case GL_DIFFUSE:
            m.diffuse = colour;
            break;
        case GL_SPECULAR:
            m.specular = colour;
            break;
        case GL_EMISSION:
            m.emission = colour;
            break;
        default:
            m.ambient = colour;
            m.diffuse = colour;
        }
    }
}

void addVertex(float x, float y, float z)
{
    if (compileCommand([=] { addVertex(x, y, z); }))
        return;
    if (!gl().insideBegin)
        return;
    gl().vertices.push_back(currentVertex(x, y, z, 1));
}

float component(const ClientArray& array, GLint index, int which, float fallback)
{
    if (which >= array.size)
        return fallback;
    const auto* base = static_cast<const unsigned char*>(array.pointer);
    switch (array.type) {
    case GL_FLOAT: {
        const size_t stride = array.stride != 0 ? static_cast<size_t>(array.stride) : sizeof(float) * static_cast<size_t>(array.size);
        float value;
        std::memcpy(&value, base + stride * static_cast<size_t>(index) + sizeof(float) * static_cast<size_t>(which), sizeof value);
        return value;
    }
    case GL_DOUBLE: {
        const size_t stride = array.stride != 0 ? static_cast<size_t>(array.stride) : sizeof(double) * static_cast<size_t>(array.size);
        double value;
        std::memcpy(&value, base + stride * static_cast<size_t>(index) + sizeof(double) * static_cast<size_t>(which), sizeof value);
        return static_cast<float>(value);
    }
    case GL_UNSIGNED_BYTE: {
        const size_t stride = array.stride != 0 ? static_cast<size_t>(array.stride) : static_cast<size_t>(array.size);
        return base[stride * static_cast<size_t>(index) + static_cast<size_t>(which)] / 255.0f;
    }
    default:
        return fallback;
    }
}

// The vertex an array element stands for, the current values standing in for
// any array that is off (OpenGL 1.5, section 2.8, ArrayElement).
Vertex arrayElement(GLint i)
{
    GlState& s = gl();
    Vertex v = currentVertex(0, 0, 0, 1);
    if (s.normalArray.enabled)
        for (int k = 0; k < 3; ++k)
            v.normal[k] = component(s.normalArray, i, k, 0);
    if (s.texCoordArray.enabled)
        for (int k = 0; k < 2; ++k)
            v.texCoord[k] = component(s.texCoordArray, i, k, 0);
    if (s.colourArray.enabled)
        for (int k = 0; k < 4; ++k)
            v.colour[k] = component(s.colourArray, i, k, 1);
    for (int k = 0; k < 4; ++k)
        v.position[k] = component(s.vertexArray, i, k, k == 3 ? 1.0f : 0.0f);
    return v;
}

void drawOrCompile(GLenum mode, std::vector<Vertex> vertices)
{
    // A list keeps the vertices themselves: arrays are read when compiled.
    if (compileCommand([mode, vertices] { drawPrimitives(mode, vertices); }))
        return;
    drawPrimitives(mode, vertices);
}

void setArray(ClientArray& array, GLint size, GLenum type, GLsizei stride, const GLvoid* pointer)
{
    if (stride < 0 || (type != GL_FLOAT && type != GL_DOUBLE && type != GL_UNSIGNED_BYTE)) {
        recordError(type == GL_FLOAT ? GL_INVALID_VALUE : GL_INVALID_ENUM);
        return;
    }
    array.size = size;
    array.type = type;
    array.stride = stride;
    array.pointer = pointer;
}

ClientArray* arrayFor(GLenum array)
{
    switch (array) {
    case GL_VERTEX_ARRAY:
        return &gl().vertexArray;
    case GL_NORMAL_ARRAY:
        return &gl().normalArray;
    case GL_TEXTURE_COORD_ARRAY:
        return &gl().texCoordArray;
    case GL_COLOR_ARRAY:
        return &gl().colourArray;
    default:
        recordError(GL_INVALID_ENUM);
        return nullptr;
    }
}

}  // namespace

extern "C" {

void glBegin(GLenum mode)
{
    if (compileCommand([mode] { glBegin(mode); }))
        return;
    if (gl().insideBegin || mode > GL_POLYGON) {
        recordError(gl().insideBegin ? GL_INVALID_OPERATION : GL_INVALID_ENUM);
        return;
    }
    gl().insideBegin = true;
    gl().primitive = mode;
    gl().vertices.clear();
}

void glEnd()
{
    if (compileCommand([] { glEnd(); }))
        return;
    if (!gl().insideBegin) {
        recordError(GL_INVALID_OPERATION);
        return;
    }
    gl().insideBegin = false;
    drawPrimitives(gl().primitive, gl().vertices);
}

void glVertex2f(GLfloat x, GLfloat y)
{
    addVertex(x, y, 0);
}

void glVertex2i(GLint x, GLint y)
{
    addVertex(static_cast<float>(x), static_cast<float>(y), 0);
}

void glVertex3f(GLfloat x, GLfloat y, GLfloat z)
{
    addVertex(x, y, z);
}

void glVertex3fv(const GLfloat* v)
{
    addVertex(v[0], v[1], v[2]);
}

void glNormal3f(GLfloat nx, GLfloat ny, GLfloat nz)
{
    if (compileCommand([=] { glNormal3f(nx, ny, nz); }))
        return;
    gl().attrib.normal = {nx, ny, nz};
}

void glNormal3fv(const GLfloat* v)
{
    glNormal3f(v[0], v[1], v[2]);
}

void glTexCoord2f(GLfloat s, GLfloat t)
{
    if (compileCommand([=] { glTexCoord2f(s, t); }))
        return;
    gl().attrib.texCoord = {s, t};
}

void glTexCoord2fv(const GLfloat* v)
{
    glTexCoord2f(v[0], v[1]);
}

void glColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha)
{
    if (compileCommand([=] { glColor4f(red, green, blue, alpha); }))
        return;
    setCurrentColour({red, green, blue, alpha});
}

void glColor4fv(const GLfloat* v)
{
    glColor4f(v[0], v[1], v[2], v[3]);
}

void glColor3f(GLfloat red, GLfloat green, GLfloat blue)
{
    glColor4f(red, green, blue, 1);
}

void glColor3fv(const GLfloat* v)
{
    glColor4f(v[0], v[1], v[2], 1);
}

void glColor4ub(GLubyte red, GLubyte green, GLubyte blue, GLubyte alpha)
{
    glColor4f(red / 255.0f, green / 255.0f, blue / 255.0f, alpha / 255.0f);
}

void glEnableClientState(GLenum array)
{
    if (ClientArray* a = arrayFor(array))
        a->enabled = true;
}

void glDisableClientState(GLenum array)
{
    if (ClientArray* a = arrayFor(array))
        a->enabled = false;
}

void glVertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer)
{
    setArray(gl().vertexArray, size, type, stride, pointer);
}

void glNormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer)
{
    setArray(gl().normalArray, 3, type, stride, pointer);
}

void glTexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer)
{
    setArray(gl().texCoordArray, size, type, stride, pointer);
}

void glColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer)
{
    setArray(gl().colourArray, size, type, stride, pointer);
}

void glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    if (count < 0 || first < 0) {
        recordError(GL_INVALID_VALUE);
        return;
    }
    if (!gl().vertexArray.enabled || gl().vertexArray.pointer == nullptr)
        return;
    std::vector<Vertex> vertices;
    vertices.reserve(static_cast<size_t>(count));
    for (GLint i = first; i < first + count; ++i)
        vertices.push_back(arrayElement(i));
    drawOrCompile(mode, std::move(vertices));
}

void glDrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices)
{
    if (count < 0) {
        recordError(GL_INVALID_VALUE);
        return;
    }
    if (type != GL_UNSIGNED_INT && type != GL_UNSIGNED_SHORT && type != GL_UNSIGNED_BYTE) {
        recordError(GL_INVALID_ENUM);
        return;
    }
    if (!gl().vertexArray.enabled || gl().vertexArray.pointer == nullptr || indices == nullptr)
        return;
    // WebGL 1 has no 32-bit indices without an extension: the vertices are
    // gathered here instead, whatever the index type.
    std::vector<Vertex> vertices;
    vertices.reserve(static_cast<size_t>(count));
    for (GLsizei i = 0; i < count; ++i) {
        GLint index;
        if (type == GL_UNSIGNED_INT) {
            std::uint32_t value;
            std::memcpy(&value, static_cast<const unsigned char*>(indices) + 4 * static_cast<size_t>(i), 4);
            index = static_cast<GLint>(value);
        } else if (type == GL_UNSIGNED_SHORT) {
            std::uint16_t value;
            std::memcpy(&value, static_cast<const unsigned char*>(indices) + 2 * static_cast<size_t>(i), 2);
            index = value;
        } else {
            index = static_cast<const unsigned char*>(indices)[i];
        }
        vertices.push_back(arrayElement(index));
    }
    drawOrCompile(mode, std::move(vertices));
}

GLuint glGenLists(GLsizei range)
{
    if (range <= 0)
        return 0;
    const GLuint first = gl().nextList;
    for (GLsizei i = 0; i < range; ++i)
        gl().lists[first + static_cast<GLuint>(i)];
    gl().nextList += static_cast<GLuint>(range);
    return first;
}

void glNewList(GLuint list, GLenum mode)
{
    if (list == 0 || mode != GL_COMPILE || gl().compilingList != 0) {
        recordError(list == 0 ? GL_INVALID_VALUE : GL_INVALID_OPERATION);
        return;
    }
    gl().compilingList = list;
    gl().compiling.clear();
}

void glEndList()
{
    if (gl().compilingList == 0) {
        recordError(GL_INVALID_OPERATION);
        return;
    }
    gl().lists[gl().compilingList] = std::move(gl().compiling);
    gl().compiling.clear();
    gl().compilingList = 0;
}

void glCallList(GLuint list)
{
    if (compileCommand([list] { glCallList(list); }))
        return;
    const auto found = gl().lists.find(list);
    if (found == gl().lists.end())
        return;
    // glDeleteLists is never compiled into a list, so the list stays whole.
    for (const ListCommand& command : found->second)
        command();
}

void glDeleteLists(GLuint list, GLsizei range)
{
    for (GLsizei i = 0; i < range; ++i)
        gl().lists.erase(list + static_cast<GLuint>(i));
}

GLboolean glIsList(GLuint list)
{
    return gl().lists.count(list) != 0;
}

}  // extern "C"
