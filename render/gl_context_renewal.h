// A video-mode change may come with a new GL context: SDL 1.2 on Windows
// makes one at every change, where X11 resizes the window and keeps its
// context. The textures, the floor's display list and the overlay's font
// texture made in the old context are then gone.
#pragma once

// Whether the current context lacks what start-up made in the one before:
// the sea floor's texture name is unknown to it. False before the textures
// are first made.
bool glObjectsLost();

// Makes the textures, the floor list and (on its next draw) the overlay's
// font texture again, in the current context.
void remakeGlObjects();
