// Draining SDL's event queue once per main-loop iteration.
#pragma once

#include <SDL.h>

// Handles every pending event; ends the process on a quit request.
void pumpEvents();

// Move, drag, or during mouse look turn the camera and put the pointer back
// at the anchor, without that move turning the camera back.
void handlePointerMotion(const SDL_MouseMotionEvent& motion);

// Sets the video mode anew at w x h and rebuilds the views, then draws a frame.
void handleResize(int width, int height);
