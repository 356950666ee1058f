#include "input/event_pump.h"

#include <cstdlib>

#include "input/input_handlers.h"
#include "input/key_translation.h"
#include "platform/video_mode.h"
#include "platform/window_placement.h"
#include "render/window_views.h"
#include "state/program_state.h"

void handlePointerMotion(const SDL_MouseMotionEvent& motion)
{
    mouseX = motion.x;
    mouseY = windowHeight - motion.y;
    // No button held goes to the GUI even if mouse look thinks it is on.
    if (motion.state == 0) {
        guiContext->mouseMove(mouseX, mouseY, 0, 0);
    } else if (mouseLookActive) {
        const int anchorX = lookAnchorX;
        const int anchorY = windowHeight - lookAnchorY;
        // During mouse look the pointer only arrives at the anchor by being
        // warped there. X reports that warp as motion of its own, whenever
        // the server gets to it; it is no turn of the user's. (An event
        // filter around the warp cannot catch it: the report comes later,
        // and SDL 1.2 empties the whole queue whenever a filter is set.)
        if (motion.x == anchorX && motion.y == anchorY)
            return;
        cameraYaw += static_cast<float>(motion.xrel);
        cameraPitch += static_cast<float>(motion.yrel);
        SDL_WarpMouse(static_cast<Uint16>(anchorX), static_cast<Uint16>(anchorY));
    } else {
        guiContext->mouseDrag(mouseX, mouseY, 0, 0);
    }
}

void handleResize(int width, int height)
{
    // SDL 1.2 on Windows reports the size the window already has as soon as
    // it shows; setting the mode again there would replace the GL context,
    // and every texture and display list with it, for nothing.
    if (width == windowWidth && height == windowHeight)
        return;
    OuterWindowRect placement;
    const bool placed = saveWindowRect(placement);
    setVideoMode(width, height);
    if (placed)
        restoreWindowRect(placement);
    rebuildViews(width, height);
}

void pumpEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
            beginKeyEvent(static_cast<SDLMod>(event.key.keysym.mod));
            handleKeyDown(translateKey(event));
            endKeyEvent();
            break;
        case SDL_KEYUP:
            beginKeyEvent(static_cast<SDLMod>(event.key.keysym.mod));
            handleKeyUp(translateKey(event));
            endKeyEvent();
            break;
        case SDL_MOUSEMOTION:
            handlePointerMotion(event.motion);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            mouseX = event.button.x;
            mouseY = windowHeight - event.button.y;
            handleMouseButton(event.button.button, event.button.state);
            break;
        case SDL_QUIT:
            std::exit(0);
        case SDL_VIDEORESIZE:
            handleResize(event.resize.w, event.resize.h);
            break;
        default:
            break;
        }
    }
}
