// Draining SDL's event queue once per main-loop iteration.
#pragma once

#include <SDL.h>

// Handles every pending event; ends the process on a quit request.
void pumpEvents();

// Event filter that rejects everything: installed only around the pointer
// warp of mouse look, so the warp's own motion never turns the camera back.
int dropAllEvents(const SDL_Event* event);

void handlePointerMotion(const SDL_MouseMotionEvent& motion);

// Sets the video mode anew at w x h and rebuilds the views, then draws a frame.
void handleResize(int width, int height);
