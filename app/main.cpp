#include "app/command_line.h"
#include "app/main_loop.h"
#include "app/startup.h"
#include "app/user_language.h"

// On Windows SDL renames main to SDL_main and starts the process itself; its
// header gives the renamed function the C linkage SDL's entry layer calls.
#include <SDL.h>

int main(int argc, char** argv)
{
    useUserLanguage();
    if (printInformationRequested(argc, argv))
        return 0;
    startUp();
    runMainLoop();
}
