// F8: the scene as at the surface, in a small view of its own above the
// fish, beside the scene at the depth, so that a class sees both at once.
#pragma once

#include "logic/fish_view.h"

// Where the surface view goes in a window of width x height: above the fish
// (as the camera first sees them), a third of the window's height at most,
// with the window's shape, so the same camera shows the same picture; a
// margin from the window's top and from the fish. It stands at the right,
// just left of `rightLimit` (the gauge's left edge), so that the colour
// chart keeps the top left beside the help. Empty where there is no room
// for a view of a sixth of the window's height.
WindowRect surfaceViewArea(int width, int height, int rightLimit);
