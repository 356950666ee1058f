#include "platform/x11_window.h"

#if !defined(_WIN32)

#include <SDL.h>
#include <SDL_syswm.h>

bool useManagedX11Window(void (*use)(Display* display, Window window))
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0 || info.subsystem != SDL_SYSWM_X11 || info.info.x11.display == nullptr)
        return false;
    // SDL 1.2 draws in a child of the managed window; sdl12-compat names only
    // the one window it has.
    const Window window = info.info.x11.wmwindow != 0 ? info.info.x11.wmwindow : info.info.x11.window;
    if (window == 0)
        return false;
    if (info.info.x11.lock_func != nullptr)
        info.info.x11.lock_func();
    use(info.info.x11.display, window);
    if (info.info.x11.unlock_func != nullptr)
        info.info.x11.unlock_func();
    return true;
}

#endif
