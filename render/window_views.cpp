#include "render/window_views.h"

#include <GL/gl.h>

#include "logic/fish_view.h"
#include "logic/gauge_geometry.h"
#include "render/depth_lighting.h"
#include "render/frame.h"
#include "render/gl_context_renewal.h"
#include "state/program_state.h"

void setUpViews(int width, int height)
{
    windowHeight = height;
    glViewport(0, 0, width, height);
    windowWidth = width;
    guiContext->resize(width, height);
    // The gauge's place and size follow the window's size and mode, and the
    // GUI grows with the gauge.
    static float guiScale = 1.0f;
    const float scale = gaugeOrigin().scale;
    if (scale != guiScale) {
        guiContext->setScale(scale);
        guiScale = scale;
    }
    guiContext->keepPanelsLeftOf(static_cast<int>(gaugeLeftEdge()));
    // The fish as the camera first sees them (and Home brings back): no panel
    // covers them. Mouse look moves them, the panels stay put.
    OrlinRect fish[fishOffsets.size()];
    const std::array<WindowRect, fishOffsets.size()> areas = fishWindowAreas(width, height);
    for (std::size_t i = 0; i < areas.size(); ++i)
        fish[i] = {areas[i].x, areas[i].y, areas[i].width, areas[i].height};
    guiContext->keepPanelsClearOf(fish, static_cast<int>(areas.size()));
    guiContext->resetView();
    drawFrame();
}

void rebuildViews(int width, int height)
{
    // A new video mode may come with a new GL context: set the fixed state
    // again, and make what the old context held anew if it is gone.
    initGLState();
    if (glObjectsLost())
        remakeGlObjects();
    setUpViews(width, height);
}
