#include "render/window_views.h"

#include <GL/gl.h>

#include "render/depth_lighting.h"
#include "render/frame.h"
#include "state/program_state.h"

void rebuildViews(int width, int height)
{
    // A new video mode may come with a new GL context: set the fixed state again.
    initGLState();
    windowHeight = height;
    glViewport(0, 0, width, height);
    windowWidth = width;
    guiContext->resize(width, height);
    guiContext->resetView();
    drawFrame();
}
