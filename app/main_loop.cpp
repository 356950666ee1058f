#include "app/main_loop.h"

#include "app/colour_overlay.h"
#include "app/startup_trace.h"
#include "app/timer_list.h"
#include "input/event_pump.h"
#include "logic/slow_dive.h"
#include "render/environment_box.h"
#include "render/frame.h"
#include "state/program_state.h"

void runMainLoopIteration(FrameRateSampler& sampler)
{
    pumpEvents();
    advanceDive(clockReading());
    // What the GUI shows of the colour model, before the frame draws the GUI.
    syncColourOverlay();

    // Only the draw and the swap are measured.
    const double t0 = clockReading();
    drawFrame();
    const double t1 = clockReading();
    recordFrameTime(sampler, t1 - t0, framesPerSecond);

    if (environmentBox != nullptr)
        environmentBox->clock = advanceEnvironmentClock(environmentBox->clock, environmentClockStep(framesPerSecond));

    runTimerPass(clockReading());
}

void runMainLoop()
{
    FrameRateSampler sampler;
    runMainLoopIteration(sampler);
    finishStartupTrace();
    for (;;)
        runMainLoopIteration(sampler);
}
