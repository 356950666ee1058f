// The program brought up inside the bench process, for the frame and texture
// benchmarks: its real start-up, its real GUI library, its real assets.
#pragma once

#include <string>

// Runs the start-up once, in the assets folder, then shows the overlay's
// frame rate (F2) beside the help panel it starts with. False, with the
// reason, when there is no display or an asset is missing.
bool startProgramInProcess(std::string& reason);

// Resizes the way a user's resize does: video mode, viewport, GUI view, one frame.
void setProgramWindowSize(int width, int height);

std::string glRendererName();
