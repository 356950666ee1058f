#include "app/startup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <GL/gl.h>
#include <SDL.h>

#include "app/asset_notice.h"
#include "app/clock.h"
#include "app/startup_trace.h"
#include "app/teardown.h"
#include "app/timer_list.h"
#include "assets/mesh.h"
#include "assets/mesh_asset.h"
#include "assets/texture_set.h"
#include "input/key_translation.h"
#include "language/translation.h"
#include "logic/controls.h"
#include "platform/font_location.h"
#include "platform/video_driver.h"
#include "platform/video_mode.h"
#include "platform/window_icon.h"
#include "render/depth_lighting.h"
#include "render/environment_box.h"
#include "render/sun.h"
#include "render/window_views.h"
#include "state/program_state.h"

namespace {

// The GUI theme, in the order the context takes its colours.
const float guiPanel[4] = {0.1f, 0.3f, 0.6f, 1.0f};
const float guiPanelEdge[4] = {0.2f, 0.4f, 0.4f, 1.0f};
const float guiKeyCap[4] = {0.3f, 0.3f, 0.15f, 1.0f};
const float guiDivider[4] = {0.3f, 0.4f, 0.5f, 1.0f};
const float guiText[4] = {0.8f, 0.8f, 0.8f, 1.0f};
const float guiTitleBar[4] = {0.2f, 0.5f, 0.7f, 1.0f};
const float guiShadow[4] = {0.2f, 0.2f, 0.2f, 1.0f};

}  // namespace

void emptyCallback(int) {}

void startUp()
{
    traceStartupPhase("main");
    chooseVideoDriver();
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fputs(tr("Error: couldn't initialize video\n"), stdout);
        std::fflush(stdout);
        std::exit(1);
    }
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    noteScreenSize();
    setWindowIcon();
    if (setVideoMode(initialWindowWidth, initialWindowHeight) == nullptr) {
        std::printf(tr("Error: couldn't set video mode: %s\n"), SDL_GetError());
        std::fflush(stdout);
        SDL_Quit();
        std::exit(1);
    }
    SDL_WM_SetCaption("Marivane", nullptr);
    announceWindowIcon();
    SDL_EnableKeyRepeat(500, 30);
    traceStartupPhase("sdl_window");

    timerList = new OrlinList<TimerCallback>(true);
    lastTimerPass = clockReading();

    initGLState();
    orlinInit(addTimer, emptyCallback, getModifiers);
    fontPath = makeFontPath();
    guiContext = new OrlinContext(initialWindowWidth, initialWindowHeight, fontPath, guiPanel, guiPanelEdge,
                                  guiKeyCap, guiDivider, guiText, guiText, orlinBlack, guiTitleBar, guiShadow, false);
    std::vector<OrlinHelpRow> helpRows;
    for (const Control& control : controls)
        helpRows.push_back({tr(control.keys), tr(control.action)});
    guiContext->setHelp(tr(controlsTitle), helpRows.data(), static_cast<int>(helpRows.size()));
    std::vector<OrlinHelpRow> briefRows;
    for (const Control& control : controls)
        if (control.briefKeys != nullptr)
            briefRows.push_back({tr(control.briefKeys), tr(control.briefAction)});
    guiContext->setBriefHelp(briefRows.data(), static_cast<int>(briefRows.size()));
    std::atexit(teardown);
    traceStartupPhase("gui");

    // Something on screen at once, before any asset is read.
    setUpViews(initialWindowWidth, initialWindowHeight);
    traceStartupPhase("first_frame");

    loadTextures();
    traceStartupPhase("textures");
    environmentBox = new EnvironmentBox();
    traceStartupPhase("environment_box");
    sunPosition = new float[3];
    std::memcpy(sunPosition, initialSunPosition, sizeof initialSunPosition);
    fishMesh = loadMeshAsset(meshFileName);
    showAssetNotice();
    traceStartupPhase("mesh");
}
