// What the real program needs before a benchmark can run it: a display and
// all twelve assets.
#pragma once

#include <string>

// Empty when the program can run here; otherwise why not, for the skip message.
std::string whyProgramCannotRun();
