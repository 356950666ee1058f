#include "theme.h"

#include <orlin/orlin.h>

const float orlinWhite[4] = {1.0f, 1.0f, 1.0f, 1.0f};
const float orlinBlack[4] = {0.0f, 0.0f, 0.0f, 1.0f};

namespace {

// What a colour the host left null is drawn in: nothing is read through a
// null pointer, and the part stays visible.
const Colour fallbackColour = {0.5f, 0.5f, 0.5f, 1.0f};

Colour pick(const float* const colours[9], int index)
{
    const float* given = colours != nullptr ? colours[index] : nullptr;
    if (given == nullptr)
        return fallbackColour;
    return {given[0], given[1], given[2], given[3]};
}

}  // namespace

Theme makeTheme(const float* const colours[9], bool debugOutline)
{
    Theme theme;
    theme.panel = pick(colours, 0);
    theme.panelEdge = pick(colours, 1);
    theme.keyCap = pick(colours, 2);
    theme.divider = pick(colours, 3);
    theme.text = pick(colours, 4);
    theme.textStrong = pick(colours, 5);
    theme.ink = pick(colours, 6);
    theme.titleBar = pick(colours, 7);
    theme.shadow = pick(colours, 8);
    theme.debugOutline = debugOutline;
    return theme;
}
