// The program's own bindings on the way to the GUI: arrows change the depth,
// Home turns the camera back to its starting angles, Ctrl+Q quits, Escape
// leaves full screen (and only there is kept from the GUI), the function keys
// of logic/controls.h act, the left button starts and stops mouse look.
// Everything else is forwarded with the latest pointer position.
#pragma once

void handleKeyDown(int key);
void handleKeyUp(int key);
void handleMouseButton(int sdlButton, int sdlState);

// Puts the notice in the top-right corner up to date: the slow dive's while
// it runs, the eye's adaptation while F7 has it on; nothing when neither.
void showNotice();
