#include "app/command_line.h"
#include "app/main_loop.h"
#include "app/startup.h"

int main(int argc, char** argv)
{
    if (printInformationRequested(argc, argv))
        return 0;
    startUp();
    runMainLoop();
}
