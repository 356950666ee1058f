#include "render/window_views.h"

#include <algorithm>
#include <cmath>

#include <GL/gl.h>
#include <orlin/orlin.h>

#include "logic/fish_view.h"
#include "logic/gauge_geometry.h"
#include "render/depth_lighting.h"
#include "render/frame.h"
#include "render/gl_context_renewal.h"
#include "render/surface_view_area.h"
#include "state/program_state.h"

namespace {

// On a projector every line of the overlay stands at least 2.5 % of the
// screen's height, the least a line of text needs to be read from the back
// of a room; the scale, in tenths, that gives the overlay's font that size.
float projectedTextScale(int height)
{
    const double wanted = 0.025 * height / orlinFontPixelSize;
    return static_cast<float>(std::ceil(wanted * 10.0 - 1e-9) / 10.0);
}

}  // namespace

void keepPanelsClearOfTheScene()
{
    // The fish as the camera first sees them (and Home brings back): no panel
    // covers them. Mouse look moves them, the panels stay put. The surface
    // view beside them (F8) is kept clear too.
    OrlinRect clear[fishOffsets.size() + 1];
    const std::array<WindowRect, fishOffsets.size()> areas = fishWindowAreas(windowWidth, windowHeight);
    int count = 0;
    for (const WindowRect& fish : areas)
        clear[count++] = {fish.x, fish.y, fish.width, fish.height};
    const WindowRect view = shownSurfaceViewArea();
    if (view.width > 0)
        clear[count++] = {view.x, view.y, view.width, view.height};
    guiContext->keepPanelsClearOf(clear, count);
}

void setUpViews(int width, int height)
{
    windowHeight = height;
    glViewport(0, 0, width, height);
    windowWidth = width;
    guiContext->resize(width, height);
    // The gauge's place and size follow the window's size and mode, and the
    // GUI grows with the gauge.
    static float guiScale = 1.0f;
    const float scale = std::max(gaugeOrigin().scale, fullScreen ? projectedTextScale(height) : 1.0f);
    if (scale != guiScale) {
        guiContext->setScale(scale);
        guiScale = scale;
    }
    guiContext->keepPanelsLeftOf(static_cast<int>(gaugeLeftEdge()));
    keepPanelsClearOfTheScene();
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
