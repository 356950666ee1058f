#include "input/full_screen.h"

#include <cstdio>

#include "platform/video_mode.h"
#include "platform/window_placement.h"
#include "render/frame.h"
#include "render/window_views.h"
#include "state/program_state.h"

namespace {

int windowedWidth = initialWindowWidth;
int windowedHeight = initialWindowHeight;
bool failureReported = false;

// Everything laid out for the new size, the GUI at the gauge's scale and its
// panels clear of the gauge's new place.
void layOut(int width, int height)
{
    rebuildViews(width, height);
    const GaugeOrigin gauge = gaugeOrigin();
    guiContext->setScale(gauge.scale);
    guiContext->keepPanelsLeftOf(static_cast<int>(gauge.x + gaugeArrowX * gauge.scale));
}

void reportOnce(const char* why)
{
    if (failureReported)
        return;
    failureReported = true;
    std::fprintf(stderr, "Warning: full screen is not available (%s); staying in the window\n", why);
}

}  // namespace

void toggleFullScreen()
{
    if (fullScreen) {
        fullScreen = false;
        if (setVideoMode(windowedWidth, windowedHeight) != nullptr)
            layOut(windowedWidth, windowedHeight);
        return;
    }
    int width = 0;
    int height = 0;
    if (!screenSize(width, height)) {
        reportOnce("the screen's size is unknown");
        return;
    }
    windowedWidth = windowWidth;
    windowedHeight = windowHeight;
    if (setFullScreenVideoMode(width, height) == nullptr) {
        reportOnce(SDL_GetError());
        // A refused mode can leave no window behind: set the old one again.
        if (setVideoMode(windowedWidth, windowedHeight) != nullptr)
            layOut(windowedWidth, windowedHeight);
        return;
    }
    moveWindowToScreenOrigin();
    fullScreen = true;
    layOut(width, height);
}
