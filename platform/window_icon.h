// The window's own icon, so that a window manager that does not match the
// window to its desktop entry still shows the program's: the asset
// generator's icon drawn at windowIconSize, built into the program (the
// build writes the pixels' source), so no file can go missing.
#pragma once

// SDL 1.2 takes no larger icon on every platform.
constexpr int windowIconSize = 32;

// RGBA, rows top-down, transparent outside the icon's rounded square.
extern const unsigned char windowIconRgba[windowIconSize * windowIconSize * 4];

// Sets the icon for the window to come: SDL takes it only before the first
// video mode is set.
void setWindowIcon();
// Once the window exists: SDL 1.2 gives X only an icon bitmap in the window
// manager hints, which current window managers ignore, so the icon also goes
// into the window's _NET_WM_ICON property (where sdl12-compat has put it
// already). Nothing elsewhere.
void announceWindowIcon();
