// The overlay's colours, taken from the nine colours the context is given.
#pragma once

#include <array>

using Colour = std::array<float, 4>;

struct Theme {
    Colour panel;       // panel fill, drawn translucent
    Colour panelEdge;   // one-pixel panel border
    Colour keyCap;      // face behind key names
    Colour divider;     // rule under a panel's title
    Colour text;        // ordinary text
    Colour textStrong;  // titles and key names
    Colour ink;         // one-pixel text shadow
    Colour titleBar;    // strip behind a panel's title
    Colour shadow;      // drop shadow beside and under panels
    bool debugOutline = false;
};

// Builds the theme from the constructor's colours, in their order. A null
// colour falls back to a middle grey rather than being read.
Theme makeTheme(const float* const colours[9], bool debugOutline);

// `colour` with its alpha multiplied by `opacity`.
inline Colour faded(const Colour& colour, float opacity)
{
    return {colour[0], colour[1], colour[2], colour[3] * opacity};
}
