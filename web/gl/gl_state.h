// The fixed-function state the web build keeps for itself: what OpenGL 1.x
// would hold in the driver, with the few pieces WebGL has (blending, depth,
// culling, the viewport) mirrored into it as they change.
#pragma once

#include <GL/gl.h>

#include <array>
#include <functional>
#include <map>
#include <vector>

using Matrix = std::array<float, 16>;  // column-major, as GL stores it
using Colour = std::array<float, 4>;

constexpr int maxLights = 8;
constexpr int maxMatrixDepth = 32;
constexpr int maxAttribDepth = 16;

Matrix identityMatrix();
Matrix multiply(const Matrix& a, const Matrix& b);

struct Light {
    Colour ambient{0, 0, 0, 1};
    Colour diffuse{0, 0, 0, 1};
    Colour specular{0, 0, 0, 1};
    Colour position{0, 0, 1, 0};  // in eye coordinates, as transformed when set
    std::array<float, 3> spotDirection{0, 0, -1};
    float spotExponent = 0;
    float spotCutoff = 180;
    std::array<float, 3> attenuation{1, 0, 0};
};

struct Material {
    Colour ambient{0.2f, 0.2f, 0.2f, 1};
    Colour diffuse{0.8f, 0.8f, 0.8f, 1};
    Colour specular{0, 0, 0, 1};
    Colour emission{0, 0, 0, 1};
    float shininess = 0;
};

// Everything glPushAttrib can save; each group is restored by its own bit.
struct AttribState {
    std::map<GLenum, bool> enabled;  // every capability ever named; absent means off
    // current
    Colour colour{1, 1, 1, 1};
    std::array<float, 3> normal{0, 0, 1};
    std::array<float, 2> texCoord{0, 0};
    // colour buffer
    GLenum blendSource = GL_ONE;
    GLenum blendDestination = GL_ZERO;
    Colour clearColour{0, 0, 0, 0};
    std::array<bool, 4> colourMask{true, true, true, true};
    // depth buffer
    GLenum depthFunc = GL_LESS;
    bool depthMask = true;
    float clearDepth = 1;
    // polygon
    GLenum cullFace = GL_BACK;
    GLenum frontFace = GL_CCW;
    GLenum polygonMode = GL_FILL;
    // texture
    GLuint boundTexture = 0;
    GLenum textureEnvMode = GL_MODULATE;
    // transform
    GLenum matrixMode = GL_MODELVIEW;
    // lighting
    std::array<Light, maxLights> lights;
    Material material;
    Colour sceneAmbient{0.2f, 0.2f, 0.2f, 1};
    GLenum colourMaterialMode = GL_AMBIENT_AND_DIFFUSE;
    GLenum shadeModel = GL_SMOOTH;
    // fog
    GLenum fogMode = GL_EXP;
    float fogDensity = 1;
    float fogStart = 0;
    float fogEnd = 1;
    Colour fogColour{0, 0, 0, 0};
    // viewport
    std::array<int, 4> viewport{0, 0, 0, 0};
    std::array<int, 4> scissor{0, 0, 0, 0};

    AttribState();
};

struct PixelStore {
    int unpackAlignment = 4;
    int unpackRowLength = 0;
    int unpackSkipRows = 0;
    int unpackSkipPixels = 0;
    int packAlignment = 4;
    int packRowLength = 0;
    int packSkipRows = 0;
    int packSkipPixels = 0;
};

struct ClientArray {
    bool enabled = false;
    GLint size = 4;
    GLenum type = GL_FLOAT;
    GLsizei stride = 0;
    const void* pointer = nullptr;
};

struct TextureObject {
    GLsizei width = 0;
    GLsizei height = 0;
    GLenum format = GL_RGBA;
    bool hasImage = false;
    bool hasMipmaps = false;
    GLint minFilter = GL_NEAREST_MIPMAP_LINEAR;
    GLint wrapS = GL_REPEAT;
    GLint wrapT = GL_REPEAT;
};

// One vertex as the shader takes it.
struct Vertex {
    float position[4];
    float normal[3];
    float texCoord[2];
    float colour[4];
};

using ListCommand = std::function<void()>;

struct GlState {
    AttribState attrib;
    std::vector<std::pair<GLbitfield, AttribState>> attribStack;
    PixelStore pixels;
    std::vector<PixelStore> clientAttribStack;
    std::array<std::vector<Matrix>, 3> matrices;  // modelview, projection, texture; back() is current
    ClientArray vertexArray, normalArray, texCoordArray, colourArray;
    std::map<GLuint, TextureObject> textures;
    std::map<GLuint, std::vector<ListCommand>> lists;
    GLuint nextList = 1;
    GLuint compilingList = 0;  // nonzero between glNewList and glEndList
    std::vector<ListCommand> compiling;
    bool insideBegin = false;
    GLenum primitive = GL_TRIANGLES;
    std::vector<Vertex> vertices;
    GLenum error = GL_NO_ERROR;

    GlState();
};

GlState& gl();
void recordError(GLenum error);
Matrix& currentMatrix();
bool isEnabled(GLenum cap);
// The capabilities WebGL itself has, set there whenever they change here.
bool isWebglCapability(GLenum cap);
void applyWebglState(const AttribState& state);
// The current vertex with the current colour, normal and texture coordinate.
Vertex currentVertex(float x, float y, float z, float w);
// Draws vertices given as primitives of the GL 1 kinds (quads, polygons...)
// through the one shader, with the fixed-function state as it stands.
void drawPrimitives(GLenum mode, const std::vector<Vertex>& vertices);
// While a display list is compiled, commands are kept instead of run.
bool compileCommand(ListCommand command);
// Level `level` of the bound texture, tightly packed bytes of `format`;
// mipmaps are made from level 0 when asked for and the size allows.
void uploadTextureImage(GLint level, GLenum format, GLsizei width, GLsizei height, const void* pixels, bool mipmaps);
// Whether texture `name` can be sampled (OpenGL's completeness), and its format.
bool textureComplete(GLuint name, GLenum& format);
