#include "logic/slow_dive.h"

#include <cstdio>

#include "language/translation.h"
#include "logic/colour_models.h"
#include "logic/depth_range.h"
#include "logic/dive_curve.h"
#include "state/program_state.h"

namespace {

enum class DiveState { off, starting, running };

DiveState state = DiveState::off;
double startTime = 0.0;
float startDepth = minDepth;
bool risingFirst = false;
int pace = startingDivePace;
bool paceChanged = false;
double anchorSpeed = 0.0;  // units a second since startTime
double lastElapsed = 0.0;

// The dive's notice, with the pace and its unit; the simple rule's depth
// has none.
constexpr const char* diveNoticeMetresText = N_("Slow dive, %.0f m a minute (+ / -): F5 to stop");
constexpr const char* diveNoticeText = N_("Slow dive, %.0f a minute (+ / -): F5 to stop");

double speed()
{
    return divePaces[pace] / 60.0;
}

// The dive goes on from here and now at the pace set, rising first or not.
void anchorDive(double now, bool rising)
{
    startTime = now;
    startDepth = depth;
    anchorSpeed = speed();
    risingFirst = rising;
    paceChanged = false;
}

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

void changeDivePace(int step)
{
    const int next = pace + step;
    if (next < 0 || next >= divePaceCount)
        return;
    pace = next;
    paceChanged = true;
}

double divePace()
{
    return divePaces[pace];
}

std::string diveNotice(bool metres)
{
    return formatted(tr(metres ? diveNoticeMetresText : diveNoticeText), divePace());
}

void advanceDive(double now)
{
    const DepthRange range = modelDepthRange(colourModel);
    if (state == DiveState::starting) {
        state = DiveState::running;
        anchorDive(now, false);
    }
    if (state != DiveState::running)
        return;
    if (paceChanged) {
        // Go on from here, the way the dive was going: rising when the last
        // frames rose (or paused at the deep end, where it turns next).
        const float before = diveDepth(lastElapsed - 0.05, startDepth, range, anchorSpeed, risingFirst);
        anchorDive(now, depth < before || depth >= range.deepest);
    }
    lastElapsed = now - startTime;
    depth = diveDepth(lastElapsed, startDepth, range, anchorSpeed, risingFirst);
}
