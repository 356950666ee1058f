#include "app/starting_state.h"

#include "logic/depth_range.h"
#include "logic/colour_models.h"
#include "render/full_screen.h"
#include "state/program_state.h"

void applyStartingState(const StartingState& start)
{
    colourModel = start.colourModel;
    // A model's own start keeps the depth the program starts at, held within
    // its depths.
    depth = start.depthGiven ? start.depth : clampDepth(depth, modelDepthRange(colourModel));
    torchOn = start.torchOn;
    colourChartShown = start.chartShown;
}

void applyStartingWindow(const StartingState& start)
{
    if (start.fullScreen && !fullScreen)
        toggleFullScreen();
}
