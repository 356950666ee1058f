// A page has no window of its own to place: the browser's window stays where
// the user has it, and the canvas fills it.
#include "platform/window_placement.h"

bool saveWindowRect(OuterWindowRect&)
{
    return false;
}

void restoreWindowRect(const OuterWindowRect&) {}

void moveWindowToScreenOrigin() {}
