#include "render/full_screen.h"

#include <cstdio>

#include "language/translation.h"
#include "platform/video_mode.h"
#include "platform/window_placement.h"
#include "render/window_views.h"
#include "state/program_state.h"

namespace {

int windowedWidth = initialWindowWidth;
int windowedHeight = initialWindowHeight;
bool failureReported = false;

void reportOnce(const char* why)
{
    if (failureReported)
        return;
    failureReported = true;
    std::fprintf(stderr, tr("Warning: full screen is not available (%s); staying in the window\n"), why);
}

}  // namespace

void toggleFullScreen()
{
    if (fullScreen) {
        fullScreen = false;
        if (setVideoMode(windowedWidth, windowedHeight) != nullptr)
            rebuildViews(windowedWidth, windowedHeight);
        return;
    }
    int width = 0;
    int height = 0;
    if (!screenSize(width, height)) {
        reportOnce(tr("the screen's size is unknown"));
        return;
    }
    windowedWidth = windowWidth;
    windowedHeight = windowHeight;
    if (setFullScreenVideoMode(width, height) == nullptr) {
        reportOnce(SDL_GetError());
        // A refused mode can leave no window behind: set the old one again.
        if (setVideoMode(windowedWidth, windowedHeight) != nullptr)
            rebuildViews(windowedWidth, windowedHeight);
        return;
    }
    moveWindowToScreenOrigin();
    fullScreen = true;
    rebuildViews(width, height);
}

void leaveFullScreen()
{
    if (fullScreen)
        toggleFullScreen();
}
