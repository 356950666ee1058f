#include "input/input_handlers.h"

#include <cstdlib>

#include <SDL.h>

#include "input/key_translation.h"
#include "language/translation.h"
#include "logic/colour_models.h"
#include "logic/depth_range.h"
#include "logic/slow_dive.h"
#include "render/depth_lighting.h"
#include "render/full_screen.h"
#include "render/screenshot.h"
#include "state/program_state.h"

namespace {

// Function keys held down: key repeat must not toggle on and off.
bool f3Held = false;
bool f4Held = false;
bool f5Held = false;
bool f6Held = false;
bool f11Held = false;
bool f12Held = false;
// Escape pressed in full screen: it left full screen, and its repeats and its
// release belong to that press, not to the window it left for.
bool escapeLeftFullScreen = false;

// While the depth moves by itself the viewer is told how to stop it.
void showDiveNotice()
{
    guiContext->setNotice(diveActive() ? tr("Slow dive: F5 to stop") : nullptr);
}

// The program's function keys act when pressed without control, alt or meta,
// as the GUI's own do, and once per press however long they are held.
bool firstPlainPress(bool& held, int modifiers)
{
    const bool first = !held;
    held = true;
    return first && (modifiers & (orlinModControl | orlinModAlt | orlinModMeta)) == 0;
}

}  // namespace

void handleKeyDown(int key)
{
    const int modifiers = getModifiers();
    if (isModifierKey(key))
        return;
    if ((modifiers & (orlinModShift | orlinModCaps)) != 0 && key >= 'a' && key <= 'z')
        key -= 32;
    if ((modifiers & orlinModShift) != 0)
        key = shiftedKey(key);
    // Only control alone quits: with shift or caps lock the key is 'Q' by now.
    if (key == 'q' && getModifiers() == orlinModControl)
        std::exit(0);
    if (key == SDLK_ESCAPE && (fullScreen || escapeLeftFullScreen)) {
        // In full screen Escape leaves it and does nothing else.
        if (!escapeLeftFullScreen) {
            escapeLeftFullScreen = true;
            leaveFullScreen();
        }
        return;
    }
    guiContext->keyDown(key, mouseX, mouseY, 0, 0);
    if ((key == orlinKeyUp || key == orlinKeyDown) && diveActive()) {
        stopDive();
        showDiveNotice();
    }
    const DepthRange range = modelDepthRange(colourModel);
    if (key == orlinKeyUp) {
        depth = depth - 1.0f;
        if (depth < range.shallowest)
            depth = range.shallowest;
    } else if (key == orlinKeyDown) {
        depth = depth + 1.0f;
        if (depth > range.deepest)
            depth = range.deepest;
    } else if (key == orlinKeyHome) {
        cameraPitch = initialCameraPitch;
        cameraYaw = initialCameraYaw;
    } else if (key == orlinKeyF3) {
        if (firstPlainPress(f3Held, modifiers)) {
            // The depth stays where the next model has it too.
            colourModel = (colourModel + 1) % colourModelCount();
            depth = clampDepth(depth, modelDepthRange(colourModel));
        }
    } else if (key == orlinKeyF4) {
        if (firstPlainPress(f4Held, modifiers))
            colourChartShown = !colourChartShown;
    } else if (key == orlinKeyF5) {
        if (firstPlainPress(f5Held, modifiers)) {
            toggleDive();
            showDiveNotice();
        }
    } else if (key == orlinKeyF6) {
        if (firstPlainPress(f6Held, modifiers))
            torchOn = !torchOn;
    } else if (key == orlinKeyF11) {
        if (firstPlainPress(f11Held, modifiers))
            toggleFullScreen();
    } else if (key == orlinKeyF12) {
        if (firstPlainPress(f12Held, modifiers))
            requestScreenshot();
    }
}

void handleKeyUp(int key)
{
    if (isModifierKey(key))
        return;
    if (key == SDLK_ESCAPE && escapeLeftFullScreen) {
        escapeLeftFullScreen = false;
        return;
    }
    if (key == orlinKeyF3)
        f3Held = false;
    else if (key == orlinKeyF4)
        f4Held = false;
    else if (key == orlinKeyF5)
        f5Held = false;
    else if (key == orlinKeyF6)
        f6Held = false;
    else if (key == orlinKeyF11)
        f11Held = false;
    else if (key == orlinKeyF12)
        f12Held = false;
    guiContext->keyUp(key, mouseX, mouseY, 0, 0);
}

void handleMouseButton(int sdlButton, int sdlState)
{
    if (sdlButton == SDL_BUTTON_WHEELUP || sdlButton == SDL_BUTTON_WHEELDOWN) {
        guiContext->scrollWheel(sdlButton == SDL_BUTTON_WHEELUP ? 0 : 1, mouseX, mouseY, 0, 0);
        return;
    }
    const int button = translateButton(sdlButton);
    const bool left = sdlButton == SDL_BUTTON_LEFT;
    if (sdlState == SDL_PRESSED) {
        if (left) {
            mouseLookActive = true;
            lookAnchorX = mouseX;
            lookAnchorY = mouseY;
            SDL_ShowCursor(SDL_DISABLE);
        }
        guiContext->mouseDown(button, mouseX, mouseY, 0, 0);
    } else {
        if (left) {
            mouseLookActive = false;
            SDL_ShowCursor(SDL_ENABLE);
        }
        guiContext->mouseUp(button, mouseX, mouseY, 0, 0);
    }
}
