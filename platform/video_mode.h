// The window's video mode: double-buffered OpenGL, not resizable by the user.
#pragma once

#include <SDL.h>

constexpr Uint32 videoModeFlags = SDL_HWSURFACE | SDL_OPENGL | SDL_ASYNCBLIT;

// Sets the mode at width x height, 32 bits; null when SDL refuses it.
SDL_Surface* setVideoMode(int width, int height);

// The same filling the screen.
SDL_Surface* setFullScreenVideoMode(int width, int height);

// Notes the screen's size; SDL tells it only before the first video mode is
// set, so start-up calls this first.
void noteScreenSize();
// The screen's size for full screen: the largest full-screen OpenGL mode SDL
// lists, else the size noted at start-up; false when neither is known.
bool screenSize(int& width, int& height);
