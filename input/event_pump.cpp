#include "input/event_pump.h"

#include <cstdlib>

#include <GL/gl.h>

#include "app/app_state.h"
#include "app/video_mode.h"
#include "input/input_handlers.h"
#include "input/key_translation.h"
#include "input/pointer_state.h"
#include "platform/window_placement.h"
#include "render/depth_lighting.h"
#include "render/frame.h"

namespace {

// SDL 1.2 keeps at most this many events queued.
constexpr int eventQueueCapacity = 128;

// Moves the pointer without the move coming back as motion. An event filter
// cannot do this with SDL 1.2: setting or clearing one empties the whole
// queue, key presses and button releases included, and X reports the warp
// only at the next pump anyway. So the warp's report is fetched at once and
// picked out of the queue; every other event keeps its place and order.
void warpPointerSilently(Uint16 x, Uint16 y)
{
    SDL_WarpMouse(x, y);
    SDL_PumpEvents();
    SDL_Event pending[eventQueueCapacity];
    const int count = SDL_PeepEvents(pending, eventQueueCapacity, SDL_GETEVENT, SDL_ALLEVENTS);
    for (int i = 0; i < count; ++i) {
        const SDL_Event& event = pending[i];
        // During mouse look the pointer only ever arrives at the anchor by
        // being warped there.
        if (event.type == SDL_MOUSEMOTION && event.motion.x == x && event.motion.y == y)
            continue;
        SDL_PeepEvents(&pending[i], 1, SDL_ADDEVENT, 0);
    }
}

}  // namespace

void handlePointerMotion(const SDL_MouseMotionEvent& motion)
{
    mouseX = motion.x;
    mouseY = windowHeight - motion.y;
    // No button held goes to the GUI even if mouse look thinks it is on.
    if (motion.state == 0) {
        guiContext->mouseMove(mouseX, mouseY, 0, 0);
    } else if (mouseLookActive) {
        cameraYaw += static_cast<float>(motion.xrel);
        cameraPitch += static_cast<float>(motion.yrel);
        warpPointerSilently(static_cast<Uint16>(lookAnchorX), static_cast<Uint16>(windowHeight - lookAnchorY));
    } else {
        guiContext->mouseDrag(mouseX, mouseY, 0, 0);
    }
}

void handleResize(int width, int height)
{
    WindowRect placement;
    const bool placed = saveWindowRect(placement);
    setVideoMode(width, height);
    if (placed)
        restoreWindowRect(placement);
    initGLState();
    windowHeight = height;
    glViewport(0, 0, width, height);
    windowWidth = width;
    guiContext->resize(width, height);
    guiContext->resetView();
    drawFrame();
}

void pumpEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
            handleKeyDown(translateKey(event));
            break;
        case SDL_KEYUP:
            handleKeyUp(translateKey(event));
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
