// A Windows program that checks the window's place across a resize, with
// the program's own event pump and the real Windows calls: the window is put
// somewhere on the screen, SDL reports a new size, and after the pump has set
// the new video mode the window stands where it stood, with the outer size
// it had. Run under Wine by tests/windows/check_windows.sh; prints what it
// saw (into stdout.txt, as SDL's entry layer sends it) and exits 0 when the
// place held.
#include <windows.h>

#include <cstdio>

#include <SDL.h>

#include <orlin/orlin.h>

#include "input/event_pump.h"
#include "platform/video_mode.h"
#include "state/program_state.h"

namespace {

RECT outerRect()
{
    RECT rect{};
    GetWindowRect(GetForegroundWindow(), &rect);
    return rect;
}

void print(const char* what, const RECT& rect)
{
    std::printf("%s: left %ld, top %ld, %ld x %ld\n", what, rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
}

}  // namespace

int main(int, char**)
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || setVideoMode(initialWindowWidth, initialWindowHeight) == nullptr) {
        std::printf("no window: %s\n", SDL_GetError());
        return 2;
    }
    SDL_WM_SetCaption("Marivane placement check", nullptr);
    const float grey[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    guiContext = new OrlinContext(initialWindowWidth, initialWindowHeight, "", grey, grey, grey, grey, grey, grey,
                                  grey, grey, grey, false);
    windowWidth = initialWindowWidth;
    windowHeight = initialWindowHeight;
    pumpEvents();

    // Somewhere SDL would not put it by itself.
    const RECT start = outerRect();
    MoveWindow(GetForegroundWindow(), 137, 91, start.right - start.left, start.bottom - start.top, TRUE);
    pumpEvents();
    const RECT before = outerRect();

    SDL_Event resize{};
    resize.type = SDL_VIDEORESIZE;
    resize.resize.type = SDL_VIDEORESIZE;
    resize.resize.w = 800;
    resize.resize.h = 600;
    SDL_PushEvent(&resize);
    pumpEvents();
    const RECT after = outerRect();

    print("before the resize", before);
    print("after the resize", after);
    const bool placed = before.left == 137 && before.top == 91 && after.left == before.left &&
                        after.top == before.top && after.right == before.right && after.bottom == before.bottom;
    const bool resized = windowWidth == 800 && windowHeight == 600;
    std::printf("%s: window %s, views %dx%d\n", placed && resized ? "ok" : "FAILED",
                placed ? "kept its place and outer size" : "did not keep its place and outer size", windowWidth, windowHeight);
    delete guiContext;
    SDL_Quit();
    return placed && resized ? 0 : 1;
}
