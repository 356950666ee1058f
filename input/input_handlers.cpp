#include "input/input_handlers.h"

#include <cstdlib>
#include <set>
#include <string>

#include <SDL.h>

#include "input/key_translation.h"
#include "language/translation.h"
#include "logic/colour_models.h"
#include "logic/depth_range.h"
#include "logic/eye_adaptation.h"
#include "logic/slow_dive.h"
#include "render/depth_lighting.h"
#include "render/full_screen.h"
#include "render/screenshot.h"
#include "render/window_views.h"
#include "state/program_state.h"

namespace {

// The keys that act once a press, while held down: key repeat must not
// toggle on and off.
std::set<int> heldKeys;
// Escape pressed in full screen: it left full screen, and its repeats and its
// release belong to that press, not to the window it left for.
bool escapeLeftFullScreen = false;


// The program's function keys act when pressed without control, alt or meta,
// as the GUI's own do, and once per press however long they are held.
bool firstPlainPress(int key, int modifiers)
{
    const bool first = heldKeys.insert(key).second;
    return first && (modifiers & (orlinModControl | orlinModAlt | orlinModMeta)) == 0;
}

// The depth keys, the digits and the wheel: the depth goes where they say,
// held within the model's depths, and a slow dive under way ends there.
void setDepth(float wanted)
{
    if (diveActive()) {
        stopDive();
        showNotice();
    }
    depth = clampDepth(wanted, modelDepthRange(colourModel));
}

}  // namespace

void showNotice()
{
    // While the depth moves by itself the viewer is told how to stop it;
    // while the eye is adapted, by how much the scene is brightened.
    std::string notice = diveActive() ? diveNotice(measuredModel(colourModel)) : "";
    if (eyeAdapted) {
        if (!notice.empty())
            notice += "; ";
        notice += eyeAdaptationNotice(sceneExposure());
    }
    guiContext->setNotice(notice.empty() ? nullptr : notice.c_str());
}

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
    if (key == orlinKeyEscape && (fullScreen || escapeLeftFullScreen)) {
        // In full screen Escape leaves it and does nothing else.
        if (!escapeLeftFullScreen) {
            escapeLeftFullScreen = true;
            leaveFullScreen();
        }
        return;
    }
    // In the window Escape closes the open panels one a press: the overlay's
    // own first, then the chart, which is the program's.
    const bool overlayPanelOpen = key == orlinKeyEscape && guiContext->panelOpen();
    guiContext->keyDown(key, mouseX, mouseY, 0, 0);
    const DepthRange range = modelDepthRange(colourModel);
    if (key == orlinKeyUp) {
        setDepth(depth - 1.0f);
    } else if (key == orlinKeyDown) {
        setDepth(depth + 1.0f);
    } else if (key >= '0' && key <= '9') {
        // Once a press, and only plain: with control or alt the digits are
        // left to the GUI.
        if (firstPlainPress(key, modifiers))
            setDepth(key == '0' ? range.shallowest : depthOfDigitKey(key - '0'));
    } else if (key == orlinKeyEscape) {
        if (firstPlainPress(key, modifiers) && !overlayPanelOpen && colourChartShown)
            colourChartShown = false;
    } else if (key == '+' || key == '-') {
        // The dive's pace, quicker or slower; said in the notice while it runs.
        changeDivePace(key == '+' ? 1 : -1);
        if (diveActive())
            showNotice();
    } else if (key == orlinKeyHome) {
        cameraPitch = initialCameraPitch;
        cameraYaw = initialCameraYaw;
    } else if (key == orlinKeyF3) {
        if (firstPlainPress(key, modifiers)) {
            // The depth stays where the next model has it too.
            colourModel = (colourModel + 1) % colourModelCount();
            depth = clampDepth(depth, modelDepthRange(colourModel));
            // A dive under way says its pace in the new model's unit.
            if (diveActive())
                showNotice();
        }
    } else if (key == orlinKeyF4) {
        if (firstPlainPress(key, modifiers))
            colourChartShown = !colourChartShown;
    } else if (key == orlinKeyF5) {
        if (firstPlainPress(key, modifiers)) {
            toggleDive();
            showNotice();
        }
    } else if (key == orlinKeyF6) {
        if (firstPlainPress(key, modifiers))
            torchOn = !torchOn;
    } else if (key == orlinKeyF7) {
        if (firstPlainPress(key, modifiers)) {
            eyeAdapted = !eyeAdapted;
            showNotice();
        }
    } else if (key == orlinKeyF8) {
        if (firstPlainPress(key, modifiers)) {
            surfaceViewShown = !surfaceViewShown;
            keepPanelsClearOfTheScene();
        }
    } else if (key == orlinKeyF11) {
        if (firstPlainPress(key, modifiers))
            toggleFullScreen();
    } else if (key == orlinKeyF12) {
        if (firstPlainPress(key, modifiers))
            requestScreenshot();
    }
}

void handleKeyUp(int key)
{
    if (isModifierKey(key))
        return;
    if (key == orlinKeyEscape && escapeLeftFullScreen) {
        escapeLeftFullScreen = false;
        return;
    }
    heldKeys.erase(key);
    guiContext->keyUp(key, mouseX, mouseY, 0, 0);
}

void handleMouseButton(int sdlButton, int sdlState)
{
    if (sdlButton == SDL_BUTTON_WHEELUP || sdlButton == SDL_BUTTON_WHEELDOWN) {
        guiContext->scrollWheel(sdlButton == SDL_BUTTON_WHEELUP ? 0 : 1, mouseX, mouseY, 0, 0);
        // One step a notch (SDL sends a press and a release for each), up
        // shallower as with the arrows.
        if (sdlState == SDL_PRESSED)
            setDepth(depth + (sdlButton == SDL_BUTTON_WHEELUP ? -1.0f : 1.0f));
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
