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

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

bool saveWindowRect(WindowRect&)
{
    return false;
}

void restoreWindowRect(const WindowRect&) {}

void moveWindowToScreenOrigin()
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0 || info.subsystem != SDL_SYSWM_X11 || info.info.x11.display == nullptr)
        return;
    // SDL 1.2 draws in a child of the managed window; sdl12-compat names only
    // the one window it has.
    const Window window = info.info.x11.wmwindow != 0 ? info.info.x11.wmwindow : info.info.x11.window;
    if (window == 0)
        return;
    if (info.info.x11.lock_func != nullptr)
        info.info.x11.lock_func();
    XMoveWindow(info.info.x11.display, window, 0, 0);
    XSync(info.info.x11.display, False);
    if (info.info.x11.unlock_func != nullptr)
        info.info.x11.unlock_func();
}

#endif
