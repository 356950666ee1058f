#include "render/window_views.h"

#include <GL/gl.h>

#include "render/depth_lighting.h"
#include "render/frame.h"
#include "render/gl_context_renewal.h"
#include "state/program_state.h"

void rebuildViews(int width, int height)
{
    // A new video mode may come with a new GL context: set the fixed state
    // again, and make what the old context held anew if it is gone.
    initGLState();
    if (glObjectsLost())
        remakeGlObjects();
    windowHeight = height;
    glViewport(0, 0, width, height);
    windowWidth = width;
    guiContext->resize(width, height);
    guiContext->resetView();
    drawFrame();
}
