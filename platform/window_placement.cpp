#include "platform/window_placement.h"

#if defined(_WIN32)
#include <windows.h>

bool saveWindowRect(WindowRect& rect)
{
    RECT r{};
    GetWindowRect(GetForegroundWindow(), &r);
    rect = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    return true;
}

void restoreWindowRect(const WindowRect& rect)
{
    MoveWindow(GetForegroundWindow(), rect.left, rect.top, rect.width, rect.height, TRUE);
}

void moveWindowToScreenOrigin() {}

#else

#include "platform/x11_window.h"

bool saveWindowRect(WindowRect&)
{
    return false;
}

void restoreWindowRect(const WindowRect&) {}

void moveWindowToScreenOrigin()
{
    useManagedX11Window([](Display* display, Window window) {
        XMoveWindow(display, window, 0, 0);
        XSync(display, False);
    });
}

#endif
