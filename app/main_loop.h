// The main loop: events, a timed frame, the frame-rate estimate, the water
// clock and the timer pass, for as long as the process lives.
#pragma once

#include "app/clock.h"

void runMainLoopIteration(FrameRateSampler& sampler);
[[noreturn]] void runMainLoop();
