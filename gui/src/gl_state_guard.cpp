#include "gl_state_guard.h"

#include <GL/gl.h>

namespace {

constexpr GLbitfield savedAttributes =
    GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT | GL_POLYGON_BIT | GL_TRANSFORM_BIT;

bool stackHasRoom(GLenum depth, GLenum maxDepth)
{
    GLint used = 0;
    GLint most = 0;
    glGetIntegerv(depth, &used);
    glGetIntegerv(maxDepth, &most);
    return used < most;
}

}  // namespace

GlStateGuard::GlStateGuard()
{
    if (!stackHasRoom(GL_ATTRIB_STACK_DEPTH, GL_MAX_ATTRIB_STACK_DEPTH) ||
        !stackHasRoom(GL_CLIENT_ATTRIB_STACK_DEPTH, GL_MAX_CLIENT_ATTRIB_STACK_DEPTH))
        return;
    glPushAttrib(savedAttributes);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    // The matrices are copied rather than pushed, so a host that has filled a
    // matrix stack still gets them back.
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_TEXTURE_MATRIX, textureMatrix);
    isSaved = true;
}

GlStateGuard::~GlStateGuard()
{
    if (!isSaved)
        return;
    glMatrixMode(GL_TEXTURE);
    glLoadMatrixd(textureMatrix);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(modelView);
    glPopClientAttrib();
    // Last, so the matrix mode comes back too.
    glPopAttrib();
}
