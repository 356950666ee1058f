// What the page's own controls read of the program.
#include <emscripten.h>

#include "logic/colour_models.h"
#include "state/program_state.h"

extern "C" EMSCRIPTEN_KEEPALIVE float marivane_web_depth()
{
    return depth;
}

// The depths the current colour model takes: the slider's ends.
extern "C" EMSCRIPTEN_KEEPALIVE float marivane_web_shallowest()
{
    return modelDepthRange(colourModel).shallowest;
}

extern "C" EMSCRIPTEN_KEEPALIVE float marivane_web_deepest()
{
    return modelDepthRange(colourModel).deepest;
}
