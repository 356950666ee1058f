// Bringing the program up: SDL and the window, the GUI, then the assets.
#pragma once

// Does nothing; the GUI library's notification hook.
void emptyCallback(int);

// Runs every start-up step in order. Exits with status 1 when SDL video or
// the window cannot be had.
void startUp();
