#include "app/main_loop.h"
#include "app/startup.h"

int main(int, char**)
{
    startUp();
    runMainLoop();
}
