#include <cstdio>

#include "app/command_line.h"
#include "app/main_loop.h"
#include "app/startup.h"
#include "app/starting_state.h"
#include "app/user_language.h"

// On Windows SDL renames main to SDL_main and starts the process itself; its
// header gives the renamed function the C linkage SDL's entry layer calls.
#include <SDL.h>

int main(int argc, char** argv)
{
    useUserLanguage();
    const CommandLine commandLine = readCommandLine(argc, argv);
    if (commandLine.action == CommandLineAction::printed)
        return 0;
    if (commandLine.action == CommandLineAction::misuse) {
        std::fprintf(stderr, "%s\n", commandLine.problem.c_str());
        return 2;
    }
    applyStartingState(commandLine.start);
    startUp();
    applyStartingWindow(commandLine.start);
    runMainLoop();
}
