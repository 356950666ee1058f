// The water surface and the sea floor as a diver in a measured water sees
// them. Looking up, within Snell's window (48.6 degrees from straight up:
// arcsin(1 / 1.34), the critical angle of sea water's refractive index) the
// whole sky comes down through the surface, so it is bright with the light
// that reaches the diver's depth; outside it the surface reflects the water
// below it totally, which is dark. The floor is lit by the daylight that
// reaches its own depth. Nothing here does anything under the simple rule.
#pragma once

// Snell's window's half angle, in degrees.
constexpr double snellsWindowDegrees = 48.6;

// Light 0 and the ambient light for the surface outside the window: no
// daylight falls on its underside, which shows the water below it.
void lightTheSurface();
// Light 0 and the ambient light as the daylight at the sea floor's depth.
void lightTheFloor();
// Light 0 and the ambient light back to the daylight at the viewer's depth.
void restoreDaylight();

// The window over the eye: a disc of the surface, textured as the surface
// is and as bright as the light at the eye's depth, softening toward its
// rim; its ripples fade into that brightness with distance, channel by
// channel. Drawn after the surface, over it.
void drawSnellsWindow();
