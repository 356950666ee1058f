// Which SDL video driver the program starts with.
#pragma once

// When the user has not named a driver in SDL_VIDEODRIVER, restricts SDL to
// the drivers that can give an OpenGL window, so that without a display SDL
// fails to start (and says so) instead of falling back to a text-mode driver
// that takes over the terminal. A driver the user names is kept. Call before
// SDL_Init.
void chooseVideoDriver();
