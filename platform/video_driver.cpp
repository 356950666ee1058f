#include "platform/video_driver.h"

#include <cstdlib>

void chooseVideoDriver()
{
#if !defined(_WIN32) && !defined(__APPLE__)
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    if (chosen != nullptr && chosen[0] != '\0')
        return;
    // SDL 1.2 would otherwise go on to its console drivers (aalib, libcaca,
    // fbcon...), which switch the terminal to another screen, offer no
    // OpenGL and leave the user looking at an empty terminal.
    setenv("SDL_VIDEODRIVER", "x11", 1);
#endif
}
