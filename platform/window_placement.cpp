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

#else

bool saveWindowRect(WindowRect&)
{
    return false;
}

void restoreWindowRect(const WindowRect&) {}

#endif
