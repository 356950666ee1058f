// Keeping the window's place across a video-mode change. Windows moves the
// window when the mode is set again, so its outer rectangle is read before
// and put back after. X11 keeps the window where it is: nothing to do there.
#pragma once

struct OuterWindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Reads the foreground window's outer rectangle; false where not needed.
bool saveWindowRect(OuterWindowRect& rect);
// Puts the window back at a rectangle saveWindowRect gave.
void restoreWindowRect(const OuterWindowRect& rect);

// A full-screen window belongs at the screen's top-left corner. Window
// managers put it there; without one (a bare X server), SDL 2 sizes the
// window to the screen but leaves it where it was, half off the screen.
void moveWindowToScreenOrigin();
