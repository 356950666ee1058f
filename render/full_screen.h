// F11: the window fills the screen at the screen's own size, laid out anew
// for it, and F11 again brings back the window's size from before.
#pragma once

void toggleFullScreen();
// Escape: back to the window from full screen; in the window nothing.
void leaveFullScreen();
