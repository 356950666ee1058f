#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <SDL.h>
#include <gtest/gtest.h>

#include "input/input_handlers.h"
#include "input/key_translation.h"
#include "logic/dive_curve.h"
#include "logic/slow_dive.h"
#include "orlin_recording.h"
#include "render/depth_lighting.h"
#include "state/program_state.h"

namespace {

const float grey[4] = {0.5f, 0.5f, 0.5f, 1.0f};

using Calls = std::vector<OrlinCall>;

class InputHandlersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        guiContext = new OrlinContext(640, 480, "", grey, grey, grey, grey, grey, grey, grey, grey, grey, false);
        clearOrlinCalls();
        mouseX = 15;
        mouseY = 25;
    }

    void TearDown() override
    {
        stopDive();
        delete guiContext;
        guiContext = nullptr;
        SDL_SetModState(KMOD_NONE);
        SDL_ShowCursor(SDL_ENABLE);
        depth = 10.0f;
        mouseX = 0;
        mouseY = 0;
        mouseLookActive = false;
        cameraPitch = 0.0f;
        cameraYaw = 0.0f;
        fullScreen = false;
    }

    static bool cursorShown() { return SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE; }
};

TEST_F(InputHandlersTest, KeysAreForwardedWithThePointer)
{
    handleKeyDown('a');
    handleKeyUp('a');
    handleKeyDown(translateKeySym(SDLK_F5));
    handleKeyUp(translateKeySym(SDLK_ESCAPE));
    const Calls expected = {{"keyDown", {'a', 15, 25, 0, 0}},
                            {"keyUp", {'a', 15, 25, 0, 0}},
                            {"keyDown", {260, 15, 25, 0, 0}},
                            {"setNotice", {}},  // F5 started the slow dive
                            {"keyUp", {27, 15, 25, 0, 0}}};
    EXPECT_EQ(orlinCalls(), expected);
}

TEST_F(InputHandlersTest, AReleaseUnderShiftIsForwardedUnshifted)
{
    SDL_SetModState(KMOD_LSHIFT);
    handleKeyDown('1');
    handleKeyUp('1');
    handleKeyDown('a');
    handleKeyUp('a');
    const Calls expected = {{"keyDown", {'!', 15, 25, 0, 0}},
                            {"keyUp", {'1', 15, 25, 0, 0}},
                            {"keyDown", {'A', 15, 25, 0, 0}},
                            {"keyUp", {'a', 15, 25, 0, 0}}};
    EXPECT_EQ(orlinCalls(), expected);
}

TEST_F(InputHandlersTest, ModifierKeysSendNothingButScrollLockIsForwarded)
{
    const SDLKey modifierKeys[] = {SDLK_NUMLOCK, SDLK_CAPSLOCK, SDLK_RSHIFT, SDLK_LSHIFT, SDLK_RCTRL, SDLK_LCTRL,
                                   SDLK_RALT,    SDLK_LALT,     SDLK_RMETA,  SDLK_LMETA,  SDLK_LSUPER, SDLK_RSUPER};
    for (SDLKey key : modifierKeys) {
        for (int held : {int(KMOD_NONE), int(KMOD_LSHIFT | KMOD_LCTRL | KMOD_CAPS)}) {
            SDL_SetModState(static_cast<SDLMod>(held));
            handleKeyDown(translateKeySym(key));
            handleKeyUp(translateKeySym(key));
        }
    }
    EXPECT_TRUE(orlinCalls().empty());
    EXPECT_EQ(depth, 10.0f);

    SDL_SetModState(KMOD_NONE);
    handleKeyDown(translateKeySym(SDLK_SCROLLOCK));
    handleKeyUp(translateKeySym(SDLK_SCROLLOCK));
    const Calls expected = {{"keyDown", {302, 15, 25, 0, 0}}, {"keyUp", {302, 15, 25, 0, 0}}};
    EXPECT_EQ(orlinCalls(), expected);
}

void reportKeyDowns()
{
    std::fprintf(stderr, "keyDown calls at exit: %zu\n", orlinCallsNamed("keyDown").size());
}

TEST_F(InputHandlersTest, ControlQEndsTheProcessWithoutForwarding)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Num lock is not a modifier the program reports, so it does not matter.
    for (int control : {int(KMOD_LCTRL), int(KMOD_RCTRL), int(KMOD_LCTRL | KMOD_RCTRL), int(KMOD_LCTRL | KMOD_NUM)}) {
        auto pressControlQ = [control] {
            std::atexit(reportKeyDowns);
            SDL_SetModState(static_cast<SDLMod>(control));
            handleKeyDown('q');
            std::fprintf(stderr, "still running\n");
        };
        EXPECT_EXIT(pressControlQ(), ::testing::ExitedWithCode(0), "keyDown calls at exit: 0\n")
            << "modifier state " << control;
    }
}

TEST_F(InputHandlersTest, QWithOtherModifiersIsForwarded)
{
    struct Case {
        int state;
        int forwarded;
    };
    const Case cases[] = {
        {KMOD_NONE, 'q'},
        {KMOD_LCTRL | KMOD_LSHIFT, 'Q'},
        {KMOD_RCTRL | KMOD_RSHIFT, 'Q'},
        {KMOD_LCTRL | KMOD_LALT, 'q'},
        {KMOD_LCTRL | KMOD_CAPS, 'Q'},
        {KMOD_LCTRL | KMOD_LMETA, 'q'},
        {KMOD_LSHIFT, 'Q'},
    };
    for (const Case& c : cases) {
        SDL_SetModState(static_cast<SDLMod>(c.state));
        clearOrlinCalls();
        handleKeyDown('q');
        const Calls expected = {{"keyDown", {c.forwarded, 15, 25, 0, 0}}};
        EXPECT_EQ(orlinCalls(), expected) << "modifier state " << c.state;
    }
    // An upper-case Q already is not the quit key.
    SDL_SetModState(KMOD_LCTRL);
    clearOrlinCalls();
    handleKeyDown('Q');
    EXPECT_EQ(orlinCalls(), (Calls{{"keyDown", {'Q', 15, 25, 0, 0}}}));
}

TEST_F(InputHandlersTest, ArrowsStepTheDepthWithin10And90AndAreAlwaysForwarded)
{
    struct Case {
        float before;
        SDLKey key;
        float after;
        int model = 0;  // the simple rule; 1..3 the measured waters, from 1 m
    };
    const Case cases[] = {
        {10.0f, SDLK_UP, 10.0f},   {10.0f, SDLK_DOWN, 11.0f}, {50.0f, SDLK_UP, 49.0f},
        {90.0f, SDLK_DOWN, 90.0f}, {90.0f, SDLK_UP, 89.0f},   {89.5f, SDLK_DOWN, 90.0f},
        {10.5f, SDLK_UP, 10.0f},   {10.0f, SDLK_UP, 9.0f, 1}, {1.0f, SDLK_UP, 1.0f, 2},
        {1.5f, SDLK_UP, 1.0f, 3},  {90.0f, SDLK_DOWN, 90.0f, 3},
        // The digits jump: 1 to 9 to 10 to 90, 0 to the model's shallowest.
        {10.0f, SDLK_5, 50.0f},    {37.5f, SDLK_1, 10.0f},    {50.0f, SDLK_0, 10.0f},
        {50.0f, SDLK_0, 1.0f, 1},  {1.0f, SDLK_9, 90.0f, 2},  {1.0f, SDLK_KP3, 30.0f, 3},
    };
    for (const Case& c : cases) {
        colourModel = c.model;
        depth = c.before;
        clearOrlinCalls();
        const int key = translateKeySym(c.key);
        handleKeyDown(key);
        EXPECT_EQ(depth, c.after) << "key " << key << " from depth " << c.before << " under model " << c.model;
        EXPECT_EQ(orlinCalls(), (Calls{{"keyDown", {key, 15, 25, 0, 0}}}));
        handleKeyUp(key);
    }
    // Only a plain digit jumps: with control it is the GUI's alone.
    depth = 20.0f;
    SDL_SetModState(KMOD_LCTRL);
    handleKeyDown('7');
    handleKeyUp('7');
    SDL_SetModState(KMOD_NONE);
    EXPECT_EQ(depth, 20.0f) << "Ctrl+7 jumped";

    // F3 keeps the depth where the next model has it: from green coastal
    // water at 1 m the simple rule starts at its 10; from clear ocean at 5 m
    // open ocean stays at 5 m.
    for (const Case& c : {Case{1.0f, SDLK_F3, 10.0f, 3}, Case{5.0f, SDLK_F3, 5.0f, 1}}) {
        colourModel = c.model;
        depth = c.before;
        handleKeyDown(translateKeySym(c.key));
        handleKeyUp(translateKeySym(c.key));
        EXPECT_EQ(depth, c.after) << "F3 from depth " << c.before << " under model " << c.model;
    }
    colourModel = 0;

    // Forty steps down from the surface end reach the middle of the range.
    depth = 10.0f;
    for (int i = 0; i < 40; ++i)
        handleKeyDown(translateKeySym(SDLK_DOWN));
    EXPECT_EQ(depth, 50.0f);
    // Releases never step.
    handleKeyUp(translateKeySym(SDLK_DOWN));
    EXPECT_EQ(depth, 50.0f);
}

TEST_F(InputHandlersTest, KeypadEnterAndPlusDoNotMoveTheDepth)
{
    depth = 30.0f;
    handleKeyDown(translateKeySym(SDLK_KP_ENTER));
    handleKeyDown(translateKeySym(SDLK_KP_PLUS));
    handleKeyDown(translateKeySym(SDLK_RETURN));
    EXPECT_EQ(depth, 30.0f);
    const Calls expected = {
        {"keyDown", {10, 15, 25, 0, 0}}, {"keyDown", {'+', 15, 25, 0, 0}}, {"keyDown", {10, 15, 25, 0, 0}}};
    EXPECT_EQ(orlinCalls(), expected);
}

TEST_F(InputHandlersTest, HomeTurnsTheCameraBackToItsStartingAnglesAndIsForwarded)
{
    cameraPitch = 37.0f;
    cameraYaw = -412.0f;
    const float distance = cameraDistance;
    depth = 44.0f;
    const int home = translateKeySym(SDLK_HOME);
    handleKeyDown(home);
    EXPECT_EQ(cameraPitch, 0.0f);
    EXPECT_EQ(cameraYaw, 0.0f);
    EXPECT_EQ(cameraDistance, distance);
    EXPECT_EQ(depth, 44.0f) << "Home turns the view, it does not surface";
    EXPECT_EQ(orlinCalls(), (Calls{{"keyDown", {home, 15, 25, 0, 0}}}));
}

// The key presses and releases the GUI was handed, leaving out what a change
// of window size sends it.
Calls keyCalls()
{
    Calls keys;
    for (const OrlinCall& call : orlinCalls())
        if (call.name == "keyDown" || call.name == "keyUp")
            keys.push_back(call);
    return keys;
}

TEST_F(InputHandlersTest, EscapeInFullScreenOnlyLeavesItWithItsRepeatsAndRelease)
{
    fullScreen = true;
    const int escape = translateKeySym(SDLK_ESCAPE);
    handleKeyDown(escape);
    EXPECT_FALSE(fullScreen);
    // Held down, it repeats in the window it came back to: still the same press.
    handleKeyDown(escape);
    handleKeyDown(escape);
    handleKeyUp(escape);
    EXPECT_FALSE(fullScreen);
    EXPECT_EQ(keyCalls(), Calls{});

    // In the window Escape is the GUI's, as every other key.
    clearOrlinCalls();
    handleKeyDown(escape);
    handleKeyUp(escape);
    EXPECT_EQ(keyCalls(), (Calls{{"keyDown", {27, 15, 25, 0, 0}}, {"keyUp", {27, 15, 25, 0, 0}}}));
    EXPECT_FALSE(fullScreen);

    // There it closes a panel a press: the overlay's own first (the GUI
    // closes them), then the colour chart; held down, no more than one.
    colourChartShown = true;
    orlinPanelOpen() = true;
    handleKeyDown(escape);
    handleKeyUp(escape);
    EXPECT_TRUE(colourChartShown) << "the chart went with an overlay panel";
    orlinPanelOpen() = false;
    handleKeyDown(escape);
    EXPECT_FALSE(colourChartShown);
    colourChartShown = true;
    handleKeyDown(escape);
    handleKeyUp(escape);
    EXPECT_TRUE(colourChartShown) << "a held Escape closed the chart shown meanwhile";
    colourChartShown = false;
}

TEST_F(InputHandlersTest, WheelNotchesScrollOnPressAndRelease)
{
    handleMouseButton(SDL_BUTTON_WHEELUP, SDL_PRESSED);
    handleMouseButton(SDL_BUTTON_WHEELUP, SDL_RELEASED);
    mouseX = 16;
    handleMouseButton(SDL_BUTTON_WHEELDOWN, SDL_PRESSED);
    handleMouseButton(SDL_BUTTON_WHEELDOWN, SDL_RELEASED);
    const Calls expected = {{"scrollWheel", {0, 15, 25, 0, 0}},
                            {"scrollWheel", {0, 15, 25, 0, 0}},
                            {"scrollWheel", {1, 16, 25, 0, 0}},
                            {"scrollWheel", {1, 16, 25, 0, 0}}};
    EXPECT_EQ(orlinCalls(), expected);
    // A notch is one depth step, up shallower: held at the surface end on
    // the way up, one deeper on the way down.
    EXPECT_EQ(depth, 11.0f);
    depth = 30.0f;
    handleMouseButton(SDL_BUTTON_WHEELDOWN, SDL_PRESSED);
    handleMouseButton(SDL_BUTTON_WHEELDOWN, SDL_RELEASED);
    EXPECT_EQ(depth, 31.0f);
    EXPECT_FALSE(mouseLookActive);
    EXPECT_TRUE(cursorShown());
}

TEST_F(InputHandlersTest, OnlyTheLeftButtonStartsAndEndsMouseLook)
{
    for (int button : {SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, 6}) {
        handleMouseButton(button, SDL_PRESSED);
        EXPECT_FALSE(mouseLookActive) << button;
        EXPECT_TRUE(cursorShown()) << button;
        handleMouseButton(button, SDL_RELEASED);
    }
    EXPECT_EQ(orlinCalls(), (Calls{{"mouseDown", {1, 15, 25, 0, 0}},
                                   {"mouseUp", {1, 15, 25, 0, 0}},
                                   {"mouseDown", {2, 15, 25, 0, 0}},
                                   {"mouseUp", {2, 15, 25, 0, 0}},
                                   {"mouseDown", {6, 15, 25, 0, 0}},
                                   {"mouseUp", {6, 15, 25, 0, 0}}}));

    clearOrlinCalls();
    handleMouseButton(SDL_BUTTON_LEFT, SDL_PRESSED);
    EXPECT_TRUE(mouseLookActive);
    EXPECT_FALSE(cursorShown());
    EXPECT_EQ(lookAnchorX, 15);
    EXPECT_EQ(lookAnchorY, 25);

    // Other buttons come and go without ending the look.
    mouseX = 40;
    mouseY = 50;
    handleMouseButton(SDL_BUTTON_RIGHT, SDL_PRESSED);
    handleMouseButton(SDL_BUTTON_RIGHT, SDL_RELEASED);
    handleMouseButton(SDL_BUTTON_WHEELUP, SDL_PRESSED);
    EXPECT_TRUE(mouseLookActive);
    EXPECT_FALSE(cursorShown());
    EXPECT_EQ(lookAnchorX, 15);
    EXPECT_EQ(lookAnchorY, 25);

    handleMouseButton(SDL_BUTTON_LEFT, SDL_RELEASED);
    EXPECT_FALSE(mouseLookActive);
    EXPECT_TRUE(cursorShown());
    EXPECT_EQ(orlinCalls(), (Calls{{"mouseDown", {0, 15, 25, 0, 0}},
                                   {"mouseDown", {1, 40, 50, 0, 0}},
                                   {"mouseUp", {1, 40, 50, 0, 0}},
                                   {"scrollWheel", {0, 40, 50, 0, 0}},
                                   {"mouseUp", {0, 40, 50, 0, 0}}}));
}

TEST_F(InputHandlersTest, ALeftReleaseWithoutAPressStillEndsMouseLook)
{
    SDL_ShowCursor(SDL_DISABLE);
    mouseLookActive = true;
    handleMouseButton(SDL_BUTTON_LEFT, SDL_RELEASED);
    EXPECT_FALSE(mouseLookActive);
    EXPECT_TRUE(cursorShown());

    // And from the idle state it is harmless.
    handleMouseButton(SDL_BUTTON_LEFT, SDL_RELEASED);
    EXPECT_FALSE(mouseLookActive);
    EXPECT_TRUE(cursorShown());
    EXPECT_EQ(orlinCalls(), (Calls{{"mouseUp", {0, 15, 25, 0, 0}}, {"mouseUp", {0, 15, 25, 0, 0}}}));
}

// While the dive runs the GUI says how to stop it; F5 again or an arrow
// key ends it and takes the notice away.
TEST_F(InputHandlersTest, TheSlowDiveShowsANoticeWhileItRuns)
{
    const std::string notice = "Slow dive, 18 a minute (+ / -): F5 to stop";
    const struct {
        int stopKey;
        const char* how;
    } stops[] = {{orlinKeyF5, "F5"},
                 {orlinKeyDown, "the down arrow"},
                 {orlinKeyUp, "the up arrow"},
                 {'5', "the 5 key"}};
    for (const auto& stop : stops) {
        orlinConstructorArgs().notice.clear();
        handleKeyDown(orlinKeyF5);
        handleKeyUp(orlinKeyF5);
        EXPECT_EQ(orlinConstructorArgs().notice, notice) << "no notice while the dive runs";
        handleKeyDown(stop.stopKey);
        handleKeyUp(stop.stopKey);
        EXPECT_EQ(orlinConstructorArgs().notice, "") << "the notice outlived a dive stopped by " << stop.how;
    }
    const std::size_t notices = orlinCallsNamed("setNotice").size();
    handleKeyDown(orlinKeyDown);
    EXPECT_EQ(orlinCallsNamed("setNotice").size(), notices) << "an arrow key without a dive touched the notice";

    // + and - change the pace, said at once; in the measured waters in metres.
    colourModel = 1;
    handleKeyDown(orlinKeyF5);
    handleKeyUp(orlinKeyF5);
    handleKeyDown('+');
    EXPECT_EQ(orlinConstructorArgs().notice, "Slow dive, 24 m a minute (+ / -): F5 to stop");
    for (int i = 0; i < 12; ++i)
        handleKeyDown('-');
    EXPECT_EQ(orlinConstructorArgs().notice, "Slow dive, 6 m a minute (+ / -): F5 to stop") << "below the slowest";
    // F3 from the last water to the simple rule mid-dive: its depth has no unit.
    colourModel = 3;
    handleKeyDown(orlinKeyF3);
    handleKeyUp(orlinKeyF3);
    EXPECT_EQ(orlinConstructorArgs().notice, "Slow dive, 6 a minute (+ / -): F5 to stop") << "F3 left the metres";
    colourModel = 0;
}

// The dive, as a function of time: down at 8 a second from where it began,
// 3 s at 90, up to 10, 3 s there, down again; never a jump, never outside.
TEST(SlowDive, TurnsAtBothEndsWithAPauseAndNeverJumps)
{
    for (float start : {10.0f, 37.5f, 90.0f}) {
        const double atBottom = (90.0 - start) / 8.0;
        EXPECT_FLOAT_EQ(diveDepth(0.0, start), start);
        EXPECT_FLOAT_EQ(diveDepth(atBottom, start), 90.0f);
        EXPECT_FLOAT_EQ(diveDepth(atBottom + 2.9, start), 90.0f) << "no pause at the deep end";
        EXPECT_NEAR(diveDepth(atBottom + 3.0 + 5.0, start), 50.0f, 1e-4) << "not rising at 8 a second";
        EXPECT_FLOAT_EQ(diveDepth(atBottom + 13.0, start), 10.0f);
        EXPECT_FLOAT_EQ(diveDepth(atBottom + 15.9, start), 10.0f) << "no pause at the surface end";
        EXPECT_NEAR(diveDepth(atBottom + 16.0 + 2.5, start), 30.0f, 1e-4) << "not descending again";

        // Started rising, it rises first, then turns at the surface end.
        EXPECT_NEAR(diveDepth(1.0, 50.0f, simpleRuleDepths, 8.0, true), 42.0f, 1e-4) << "not rising first";
        EXPECT_FLOAT_EQ(diveDepth((start - 10.0) / 8.0 + 2.9, start, simpleRuleDepths, 8.0, true), 10.0f);
        EXPECT_NEAR(diveDepth((start - 10.0) / 8.0 + 3.0 + 2.5, start, simpleRuleDepths, 8.0, true), 30.0f, 1e-4);

        float previous = diveDepth(0.0, start);
        for (double t = 0.01; t < 120.0; t += 0.01) {
            const float d = diveDepth(t, start);
            ASSERT_GE(d, 10.0f) << "at " << t;
            ASSERT_LE(d, 90.0f) << "at " << t;
            ASSERT_LE(std::fabs(d - previous), 8.0f * 0.01f + 1e-3f) << "jump at " << t << " from " << start;
            previous = d;
        }
    }
}

}  // namespace
