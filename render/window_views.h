// The GL side of a window resize: everything drawn depends on the window's
// size, so the views are rebuilt and one frame is drawn at once.
#pragma once

// Called after the video mode has been set anew at width x height: fixed GL
// state, viewport, window size and the GUI's view, then one frame.
void rebuildViews(int width, int height);
