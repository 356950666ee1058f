#include "overlay_renderer.h"

#include <GL/gl.h>
// Windows' gl.h stops at OpenGL 1.1; the later names come from here.
#include <GL/glext.h>

#include "gl_state_guard.h"

namespace {

// Everything that could change how a flat, blended, textured quad comes out.
void setOverlayState(int width, int height)
{
    static const GLenum switchedOff[] = {
        GL_LIGHTING, GL_FOG, GL_DEPTH_TEST, GL_CULL_FACE, GL_COLOR_MATERIAL, GL_ALPHA_TEST,
        GL_STENCIL_TEST, GL_SCISSOR_TEST, GL_COLOR_LOGIC_OP, GL_POLYGON_SMOOTH, GL_POLYGON_STIPPLE,
        GL_TEXTURE_1D, GL_TEXTURE_3D, GL_TEXTURE_CUBE_MAP, GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T,
        GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q, GL_CLIP_PLANE0, GL_CLIP_PLANE1, GL_CLIP_PLANE2,
        GL_CLIP_PLANE3, GL_CLIP_PLANE4, GL_CLIP_PLANE5,
    };
    for (GLenum cap : switchedOff)
        glDisable(cap);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    // The pictures are premultiplied.
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    // The texture environment is each layer's own (drawLayer): replace at
    // full opacity, modulate while fading.

    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

}  // namespace

void renderOverlay(const ShownLayer* layers, int count, int width, int height)
{
    if (count <= 0 || width <= 0 || height <= 0)
        return;
    GlStateGuard guard;
    if (!guard.saved())
        return;
    setOverlayState(width, height);
    for (int i = 0; i < count; ++i) {
        uploadLayer(*layers[i].layer);
        drawLayer(*layers[i].layer, layers[i].opacity);
    }
}
