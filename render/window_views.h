// The GL side of the window's size: everything drawn depends on it, so the
// views are set up for it and one frame is drawn at once.
#pragma once

// For the window at width x height: viewport, window size, the GUI's size
// and view and the column it keeps clear for the gauge, then one frame.
void setUpViews(int width, int height);

// Tells the GUI what of the window no panel may cover: the fish, and the
// surface view while F8 shows it.
void keepPanelsClearOfTheScene();

// The same after the video mode has been set anew, which may have brought a
// new GL context: the fixed GL state first.
void rebuildViews(int width, int height);
