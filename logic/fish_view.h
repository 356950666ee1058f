// Where the six fish stand, and what of the window they cover with the camera
// at its starting angles: the scene's subject, which the overlay keeps clear.
#pragma once

#include <array>

// Each fish's offset from the focus point, in scene units.
struct FishOffset {
    float x, y, z;
};
inline constexpr std::array<FishOffset, 6> fishOffsets = {{
    {1.5f, 0.0f, 1.0f}, {-1.5f, 0.0f, 1.0f},
    {1.5f, 0.0f, 0.0f}, {-1.5f, 0.0f, 0.0f},
    {1.5f, 0.0f, -1.0f}, {-1.5f, 0.0f, -1.0f},
}};

// The largest fish model the program draws, centred on its origin: the
// generated mackerel is made to fit it (length along x, height, thickness).
inline constexpr float fishModelLength = 2.4f;
inline constexpr float fishModelHeight = 0.6f;
inline constexpr float fishModelThickness = 0.35f;

// A rectangle in window pixels, lower-left corner first.
struct WindowRect {
    int x, y, width, height;
};

// The rectangle each fish's box covers in a window of width x height, for
// the camera at its starting angles (60 degree field of view, the eye
// `-cameraDistance` units from the focus point), rounded outwards. Empty
// rectangles for a window with no area.
std::array<WindowRect, 6> fishWindowAreas(int width, int height);
