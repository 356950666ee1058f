// The window's video mode: double-buffered OpenGL, not resizable by the user.
#pragma once

#include <SDL.h>

constexpr Uint32 videoModeFlags = SDL_HWSURFACE | SDL_OPENGL | SDL_ASYNCBLIT;

// Sets the mode at width x height, 32 bits; null when SDL refuses it.
SDL_Surface* setVideoMode(int width, int height);
