#include "logic/slow_dive.h"

#include "logic/colour_models.h"
#include "logic/depth_range.h"
#include "logic/dive_curve.h"
#include "state/program_state.h"

namespace {

enum class DiveState { off, starting, running };

DiveState state = DiveState::off;
double startTime = 0.0;
float startDepth = minDepth;

}  // namespace

void toggleDive()
{
    // The clock is read by the next frame, which starts the dive.
    state = state == DiveState::off ? DiveState::starting : DiveState::off;
}

void stopDive()
{
    state = DiveState::off;
}

bool diveActive()
{
    return state != DiveState::off;
}

void advanceDive(double now)
{
    if (state == DiveState::starting) {
        state = DiveState::running;
        startTime = now;
        startDepth = depth;
    }
    if (state == DiveState::running)
        depth = diveDepth(now - startTime, startDepth, modelDepthRange(colourModel));
}
