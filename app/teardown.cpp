#include "app/teardown.h"

#include <SDL.h>

#include "app/timer_list.h"
#include "assets/mesh.h"
#include "assets/texture_set.h"
#include "render/environment_box.h"
#include "render/sun.h"
#include "state/program_state.h"

void teardown()
{
    releaseTextures();
    if (environmentBox != nullptr)
        releaseEnvironmentBox(environmentBox);
    delete[] sunPosition;
    if (fishMesh != nullptr)
        releaseMesh(fishMesh);
    delete guiContext;
    // The list owns its timers: pending ones are freed without firing.
    delete timerList;
    delete[] fontPath;
    SDL_Quit();
}
