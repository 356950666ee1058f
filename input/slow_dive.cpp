#include "input/slow_dive.h"

#include <algorithm>
#include <cmath>

#include <orlin/orlin.h>

#include "render/depth_lighting.h"
#include "state/program_state.h"

namespace {

enum class DiveState { off, starting, running };

DiveState state = DiveState::off;
double startTime = 0.0;
float startDepth = minDepth;

// While the depth moves by itself the viewer is told how to stop it.
void showDiveNotice()
{
    if (guiContext != nullptr)
        guiContext->setNotice(state != DiveState::off ? "Slow dive: F5 to stop" : nullptr);
}

}  // namespace

float diveDepth(double elapsed, float fromDepth)
{
    const double from = std::clamp(static_cast<double>(fromDepth), static_cast<double>(minDepth),
                                   static_cast<double>(maxDepth));
    const double t = std::max(elapsed, 0.0);
    const double firstDescent = (maxDepth - from) / diveSpeed;
    double d;
    if (t < firstDescent) {
        d = from + diveSpeed * t;
    } else {
        // Then round after round: pause deep, rise, pause at the top, descend.
        const double travel = (maxDepth - minDepth) / diveSpeed;
        const double round = 2.0 * (divePauseSeconds + travel);
        const double u = std::fmod(t - firstDescent, round);
        if (u < divePauseSeconds)
            d = maxDepth;
        else if (u < divePauseSeconds + travel)
            d = maxDepth - diveSpeed * (u - divePauseSeconds);
        else if (u < 2.0 * divePauseSeconds + travel)
            d = minDepth;
        else
            d = minDepth + diveSpeed * (u - 2.0 * divePauseSeconds - travel);
    }
    return static_cast<float>(std::clamp(d, static_cast<double>(minDepth), static_cast<double>(maxDepth)));
}

void toggleDive()
{
    // The clock is read by the next frame, which starts the dive.
    state = state == DiveState::off ? DiveState::starting : DiveState::off;
    showDiveNotice();
}

void stopDive()
{
    if (state == DiveState::off)
        return;
    state = DiveState::off;
    showDiveNotice();
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
        depth = diveDepth(now - startTime, startDepth);
}
