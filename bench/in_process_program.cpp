#include "in_process_program.h"

#include <unistd.h>


#include <GL/gl.h>

#include "app/startup.h"
#include "bench_paths.h"
#include "input/event_pump.h"
#include "program_preconditions.h"
#include "state/program_state.h"

bool startProgramInProcess(std::string& reason)
{
    static bool started = false;
    static std::string failure;
    if (started || !failure.empty()) {
        reason = failure;
        return started;
    }
    failure = whyProgramCannotRun();
    if (failure.empty() && chdir(assetsDir().c_str()) != 0)
        failure = "cannot enter " + assetsDir();
    if (!failure.empty()) {
        reason = failure;
        return false;
    }
    startUp();
    guiContext->keyDown(orlinKeyF2, mouseX, mouseY, 0, 0);
    guiContext->keyUp(orlinKeyF2, mouseX, mouseY, 0, 0);
    started = true;
    return true;
}

void setProgramWindowSize(int width, int height)
{
    if (windowWidth != width || windowHeight != height)
        handleResize(width, height);
}

std::string glRendererName()
{
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return renderer != nullptr ? renderer : "";
}
