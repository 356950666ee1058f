// SDL's window as X and its window manager know it, for what SDL 1.2 offers
// no call of its own.
#pragma once

#if !defined(_WIN32)

#include <X11/Xlib.h>

// Calls use(display, window) with the window the window manager manages,
// under SDL's display lock, and returns true; false, without calling, when
// SDL has no X11 window.
bool useManagedX11Window(void (*use)(Display* display, Window window));

#endif
