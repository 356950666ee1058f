// What the page's own controls read of the program.
#include "state/program_state.h"

#include <emscripten.h>

extern "C" EMSCRIPTEN_KEEPALIVE float marivane_web_depth()
{
    return depth;
}
