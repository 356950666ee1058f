#include "render/surface_view_area.h"

#include "logic/gauge_geometry.h"
#include "logic/surface_view.h"
#include "state/program_state.h"

WindowRect shownSurfaceViewArea()
{
    if (!surfaceViewShown)
        return {};
    return surfaceViewArea(windowWidth, windowHeight, static_cast<int>(gaugeLeftEdge()));
}
