#include "platform/window_placement.h"

#if defined(_WIN32)
#include <windows.h>

bool saveWindowRect(OuterWindowRect& rect)
{
    RECT r{};
    GetWindowRect(GetForegroundWindow(), &r);
    rect = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    return true;
}

void restoreWindowRect(const OuterWindowRect& rect)
{
    MoveWindow(GetForegroundWindow(), rect.left, rect.top, rect.width, rect.height, TRUE);
}

void moveWindowToScreenOrigin() {}

#else

#include "platform/x11_window.h"

bool saveWindowRect(OuterWindowRect&)
{
    return false;
}

void restoreWindowRect(const OuterWindowRect&) {}

void moveWindowToScreenOrigin()
{
    useManagedX11Window([](Display* display, Window window) {
        XMoveWindow(display, window, 0, 0);
        XSync(display, False);
    });
}

#endif
