// Putting the program in the state the command line asked for. With no
// options both leave everything as the program's own start has it.
#pragma once

#include "app/command_line.h"

// Before start-up: the colour model, the depth, the torch and the chart, so
// the very first frame already shows them.
void applyStartingState(const StartingState& start);
// After start-up, once there is a window: full screen.
void applyStartingWindow(const StartingState& start);
