// Where the surface view (F8) stands in the window as it is now.
#pragma once

#include "logic/fish_view.h"

// Empty while F8 is off or the window has no room for the view.
WindowRect shownSurfaceViewArea();
