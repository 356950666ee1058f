// The program's own bindings on the way to the GUI: arrows change the depth,
// Ctrl+Q quits, the left button starts and stops mouse look. Everything else
// is forwarded with the latest pointer position.
#pragma once

void handleKeyDown(int key);
void handleKeyUp(int key);
void handleMouseButton(int sdlButton, int sdlState);
