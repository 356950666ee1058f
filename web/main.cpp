// The web page's entry point. A browser page must hand control back after
// every frame, so the main loop's body runs once per animation frame instead
// of in an endless loop; start-up and each iteration are the desktop's own.
#include "app/main_loop.h"
#include "app/startup.h"
#include "app/startup_trace.h"
#include "app/user_language.h"

#include <emscripten.h>

extern "C" void marivane_page_started();

namespace {

FrameRateSampler sampler;

void iterate()
{
    runMainLoopIteration(sampler);
}

}  // namespace

int main()
{
    useUserLanguage();
    startUp();
    runMainLoopIteration(sampler);
    finishStartupTrace();
    // The first complete frame: the page drops its progress and fits the canvas.
    marivane_page_started();
    // 0: at the browser's frame rate; true: main never returns.
    emscripten_set_main_loop(iterate, 0, true);
}
