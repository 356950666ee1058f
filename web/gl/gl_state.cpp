#include "gl_state.h"

#include "webgl.h"

Matrix identityMatrix()
{
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

Matrix multiply(const Matrix& a, const Matrix& b)
{
    Matrix m{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a[k * 4 + row] * b[column * 4 + k];
            m[column * 4 + row] = sum;
        }
    return m;
}

AttribState::AttribState()
{
    // Light 0 alone is white by default.
    lights[0].diffuse = {1, 1, 1, 1};
    lights[0].specular = {1, 1, 1, 1};
    enabled[GL_DITHER] = true;
    enabled[GL_MULTISAMPLE] = true;
}

GlState::GlState()
{
    for (auto& stack : matrices)
        stack.push_back(identityMatrix());
}

GlState& gl()
{
    static GlState state;
    return state;
}

void recordError(GLenum error)
{
    if (gl().error == GL_NO_ERROR)
        gl().error = error;
}

Matrix& currentMatrix()
{
    switch (gl().attrib.matrixMode) {
    case GL_PROJECTION:
        return gl().matrices[1].back();
    case GL_TEXTURE:
        return gl().matrices[2].back();
    default:
        return gl().matrices[0].back();
    }
}

bool isEnabled(GLenum cap)
{
    const auto& enabled = gl().attrib.enabled;
    const auto found = enabled.find(cap);
    return found != enabled.end() && found->second;
}

bool isWebglCapability(GLenum cap)
{
    switch (cap) {
    case GL_BLEND:
    case GL_CULL_FACE:
    case GL_DEPTH_TEST:
    case GL_DITHER:
    case GL_SCISSOR_TEST:
    case GL_STENCIL_TEST:
    case GL_POLYGON_OFFSET_FILL:
        return true;
    default:
        return false;
    }
}

void applyWebglState(const AttribState& state)
{
    for (const auto& [cap, on] : state.enabled)
        if (isWebglCapability(cap)) {
            if (on)
                emscripten_glEnable(cap);
            else
                emscripten_glDisable(cap);
        }
    emscripten_glBlendFunc(state.blendSource, state.blendDestination);
    emscripten_glClearColor(state.clearColour[0], state.clearColour[1], state.clearColour[2], state.clearColour[3]);
    emscripten_glColorMask(state.colourMask[0], state.colourMask[1], state.colourMask[2], state.colourMask[3]);
    emscripten_glDepthFunc(state.depthFunc);
    emscripten_glDepthMask(state.depthMask);
    emscripten_glClearDepthf(state.clearDepth);
    emscripten_glCullFace(state.cullFace);
    emscripten_glFrontFace(state.frontFace);
    emscripten_glViewport(state.viewport[0], state.viewport[1], state.viewport[2], state.viewport[3]);
    emscripten_glScissor(state.scissor[0], state.scissor[1], state.scissor[2], state.scissor[3]);
    // Texture calls act on WebGL's binding, which must be this state's again.
    emscripten_glBindTexture(GL_TEXTURE_2D, state.boundTexture);
}

Vertex currentVertex(float x, float y, float z, float w)
{
    const AttribState& a = gl().attrib;
    return Vertex{{x, y, z, w}, {a.normal[0], a.normal[1], a.normal[2]}, {a.texCoord[0], a.texCoord[1]},
        {a.colour[0], a.colour[1], a.colour[2], a.colour[3]}};
}

bool compileCommand(ListCommand command)
{
    if (gl().compilingList == 0)
        return false;
    gl().compiling.push_back(std::move(command));
    return true;
}
