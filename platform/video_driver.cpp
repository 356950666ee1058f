#include "platform/video_driver.h"

#include <cstdlib>

#include <SDL.h>

void chooseVideoDriver()
{
#if !defined(_WIN32) && !defined(__APPLE__)
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    if (chosen != nullptr && chosen[0] != '\0')
        return;
    // SDL 1.2.15 would otherwise go on to its console drivers (aalib, libcaca,
    // fbcon...), which switch the terminal to another screen and offer no
    // OpenGL; sdl12-compat's SDL 2 would go on to drivers that give OpenGL
    // without any window to see. Either way the user would see nothing.
    // sdl12-compat reports 1.2.50 and later; its SDL 2 takes a list.
    const SDL_version* linked = SDL_Linked_Version();
    const bool overSdl2 = linked->major == 1 && linked->minor == 2 && linked->patch >= 50;
    setenv("SDL_VIDEODRIVER", overSdl2 ? "x11,wayland" : "x11", 1);
#endif
}
