#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/teardown.h"
#include "gl_window.h"
#include "input/event_pump.h"
#include "input/key_translation.h"
#include "orlin_recording.h"
#include "program_runner.h"
#include "render/depth_lighting.h"
#include "render/frame.h"
#include "state/program_state.h"

// Last: it brings in Xlib, whose macros clash with names in the test headers.
#include <SDL_syswm.h>

namespace {

const float grey[4] = {0.5f, 0.5f, 0.5f, 1.0f};

void pushKey(Uint8 type, SDLKey sym, SDLMod mod = KMOD_NONE)
{
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void pushMotion(int x, int y, int xrel, int yrel, Uint8 buttons)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.state = buttons;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    event.motion.xrel = static_cast<Sint16>(xrel);
    event.motion.yrel = static_cast<Sint16>(yrel);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void pushButton(Uint8 type, Uint8 button, int x, int y)
{
    SDL_Event event{};
    event.type = type;
    event.button.type = type;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void pushResize(int w, int h)
{
    SDL_Event event{};
    event.type = SDL_VIDEORESIZE;
    event.resize.type = SDL_VIDEORESIZE;
    event.resize.w = w;
    event.resize.h = h;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void pushOfType(Uint8 type)
{
    SDL_Event event{};
    event.type = type;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

// Lets the X server's answers to what the window did arrive and throws them
// away, so a test starts from an empty queue.
void drainQueue()
{
    SDL_Event event;
    for (int round = 0; round < 5; ++round) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        while (SDL_PollEvent(&event)) {
        }
    }
}

// The GUI calls without the mouseMove reports of the pointer standing at
// GUI position (x, y). SDL may report where the pointer is when the window
// changes under it or when the program warps it (sdl12-compat posts the
// warp's motion at once, SDL 1.2.15 drops it when SDL already had the pointer
// there); such a report is forwarded like any motion, and only the pushed
// events are under test.
std::vector<OrlinCall> withoutPointerReportsAt(int x, int y)
{
    std::vector<OrlinCall> calls;
    for (const OrlinCall& call : orlinCalls())
        if (!(call.name == "mouseMove" && call.args == std::vector<int>{x, y, 0, 0}))
            calls.push_back(call);
    return calls;
}

class EventPumpTest : public GlWindowTest {
protected:
    void SetUp() override
    {
        GlWindowTest::SetUp();
        initGLState();
        guiContext = new OrlinContext(640, 480, "", grey, grey, grey, grey, grey, grey, grey, grey, grey, false);
        windowWidth = 640;
        windowHeight = 480;
        guiContext->resize(640, 480);
        drainQueue();
        clearOrlinCalls();
    }

    void TearDown() override
    {
        delete guiContext;
        guiContext = nullptr;
        mouseX = 0;
        mouseY = 0;
        mouseLookActive = false;
        cameraYaw = 0.0f;
        cameraPitch = 0.0f;
        GlWindowTest::TearDown();
    }
};

// Runs after teardown (atexit handlers run in reverse order) and reports
// what the child did before it ended.
void reportAfterTeardown()
{
    std::string keys;
    for (const OrlinCall& call : orlinCallsNamed("keyDown"))
        keys += std::to_string(call.args[0]) + ",";
    std::fprintf(stderr, "keys before quit: %s windowWidth %d; context destroyed %d; video %s\n", keys.c_str(),
                 windowWidth, orlinConstructorArgs().destroyed,
                 SDL_WasInit(SDL_INIT_VIDEO) != 0 ? "still up" : "shut down");
}

TEST_F(EventPumpTest, QuitInTheMiddleOfTheQueueEndsTheProcessAfterTeardown)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto pumpUntilQuit = [] {
        std::atexit(reportAfterTeardown);
        std::atexit(teardown);
        pushKey(SDL_KEYDOWN, SDLK_a);
        pushKey(SDL_KEYDOWN, SDLK_b);
        pushOfType(SDL_QUIT);
        pushKey(SDL_KEYDOWN, SDLK_c);
        pushResize(800, 600);
        pumpEvents();
        std::fprintf(stderr, "pumpEvents returned\n");
    };
    EXPECT_EXIT(pumpUntilQuit(), ::testing::ExitedWithCode(0),
                "keys before quit: 97,98, windowWidth 640; context destroyed 1; video shut down");
}

// Pumps until `done` holds or two seconds have passed, then a little longer
// so that whatever X still had to report has arrived and been handled.
template <typename Condition>
bool pumpUntil(Condition done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
        pumpEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool reached = done();
    for (int round = 0; round < 20; ++round) {
        pumpEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return reached;
}

// Where X has the pointer, in screen coordinates.
std::pair<int, int> screenPointer()
{
    std::string text;
    runCommand("xdotool getmouselocation --shell", &text);
    int x = -1;
    int y = -1;
    std::sscanf(text.c_str(), "X=%d Y=%d", &x, &y);
    return {x, y};
}

// Mouse look moves the display's one pointer, so it gets a window of its own,
// away from the corner where other tests open theirs: a window mapped or
// closed over it would take the pointer's events.
class MouseLookTest : public EventPumpTest {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEO_WINDOW_POS", "1100,420", 1);
        EventPumpTest::SetUp();
    }
};

TEST_F(MouseLookTest, TurnsTheCameraByTheUsersMovesOnlyAndLosesNoOtherEvent)
{
    // Queued reports first, with the real pointer resting at the anchor so
    // that only they reach the pump. The one at the anchor is the warp's.
    SDL_WarpMouse(100, 100);
    drainQueue();
    mouseLookActive = true;
    lookAnchorX = 100;
    lookAnchorY = 480 - 100;
    pushMotion(110, 95, 10, -5, SDL_BUTTON(SDL_BUTTON_LEFT));
    pushMotion(100, 100, -10, 5, SDL_BUTTON(SDL_BUTTON_LEFT));
    pushMotion(103, 104, 3, 4, SDL_BUTTON(SDL_BUTTON_LEFT));
    pushKey(SDL_KEYDOWN, SDLK_k);
    pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 100, 100);
    pumpEvents();

    EXPECT_FLOAT_EQ(cameraYaw, 13.0f);
    EXPECT_FLOAT_EQ(cameraPitch, -1.0f);
    // The events queued behind the look are all still handled, in order.
    std::vector<OrlinCall> expected = {{"keyDown", {'k', 103, 376, 0, 0}}, {"mouseUp", {0, 100, 380, 0, 0}}};
    EXPECT_EQ(withoutPointerReportsAt(100, 380), expected);
    EXPECT_FALSE(mouseLookActive);

    // Then the real thing: a button and a move through the X server, and the
    // warp reported back by it whenever it gets to it.
    cameraYaw = 0.0f;
    cameraPitch = 0.0f;
    clearOrlinCalls();
    SDL_WarpMouse(300, 300);
    drainQueue();
    const auto [screenX, screenY] = screenPointer();
    ASSERT_GE(screenX, 0);

    runCommand("xdotool mousedown 1");
    const bool looking = pumpUntil([] { return mouseLookActive; });
    // Absolute, so no pointer acceleration gets into the numbers.
    runCommand("xdotool mousemove " + std::to_string(screenX + 10) + " " + std::to_string(screenY - 5));
    const bool turned = pumpUntil([] { return cameraYaw != 0.0f; });
    const float yaw = cameraYaw;
    const float pitch = cameraPitch;
    const auto pointerAfterLook = screenPointer();
    // Released whatever happened, so no test after this one finds it held.
    runCommand("xdotool mouseup 1");
    const bool stopped = pumpUntil([] { return !mouseLookActive; });

    ASSERT_TRUE(looking);
    EXPECT_TRUE(turned);
    EXPECT_TRUE(stopped);
    // Turned once by the move; the warp back to the anchor turned nothing.
    EXPECT_FLOAT_EQ(yaw, 10.0f);
    EXPECT_FLOAT_EQ(pitch, -5.0f);
    EXPECT_EQ(pointerAfterLook, std::make_pair(screenX, screenY));
    // The warp's report can reach the pump after the button is up (sdl12-compat
    // under load): then it is where the pointer rests, passed on as such. The
    // user's own move must never reach the GUI.
    expected = {{"mouseDown", {0, 300, 180, 0, 0}}, {"mouseUp", {0, 300, 180, 0, 0}}};
    EXPECT_EQ(withoutPointerReportsAt(300, 180), expected);
    EXPECT_FLOAT_EQ(cameraYaw, 10.0f);
}

TEST_F(EventPumpTest, MotionWithoutAButtonGoesToMouseMoveEvenDuringMouseLook)
{
    for (bool looking : {false, true}) {
        clearOrlinCalls();
        mouseLookActive = looking;
        pushMotion(20, 30, 4, 4, 0);
        pushMotion(0, 479, -20, 449, 0);
        pumpEvents();
        const std::vector<OrlinCall> expected = {{"mouseMove", {20, 450, 0, 0}}, {"mouseMove", {0, 1, 0, 0}}};
        EXPECT_EQ(orlinCalls(), expected) << "mouse look " << looking;
        EXPECT_EQ(cameraYaw, 0.0f);
        EXPECT_EQ(cameraPitch, 0.0f);
    }
}

TEST_F(EventPumpTest, MotionWithAButtonOutsideMouseLookIsADrag)
{
    pushMotion(50, 60, 1, 1, SDL_BUTTON(SDL_BUTTON_RIGHT));
    pushMotion(51, 70, 1, 10, SDL_BUTTON(SDL_BUTTON_MIDDLE));
    pushMotion(52, 80, 1, 10, SDL_BUTTON(SDL_BUTTON_LEFT) | SDL_BUTTON(SDL_BUTTON_RIGHT));
    pumpEvents();
    const std::vector<OrlinCall> expected = {
        {"mouseDrag", {50, 420, 0, 0}}, {"mouseDrag", {51, 410, 0, 0}}, {"mouseDrag", {52, 400, 0, 0}}};
    EXPECT_EQ(orlinCalls(), expected);
    EXPECT_EQ(cameraYaw, 0.0f);
}

TEST_F(EventPumpTest, ButtonEventsFlipTheirRowIntoGuiCoordinates)
{
    struct Case {
        int sdlY;
        int guiY;
    };
    for (Case c : {Case{0, 480}, Case{479, 1}, Case{240, 240}}) {
        clearOrlinCalls();
        pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 33, c.sdlY);
        pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 34, c.sdlY);
        pumpEvents();
        const std::vector<OrlinCall> expected = {{"mouseDown", {1, 33, c.guiY, 0, 0}},
                                                 {"mouseUp", {1, 34, c.guiY, 0, 0}}};
        EXPECT_EQ(orlinCalls(), expected) << "SDL y " << c.sdlY;
        EXPECT_EQ(mouseX, 34);
        EXPECT_EQ(mouseY, c.guiY);
    }
}

TEST_F(EventPumpTest, KeysAreTranslatedAndCarryTheLatestPointer)
{
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 7, 8);
    pushKey(SDL_KEYDOWN, SDLK_KP_ENTER);
    pushKey(SDL_KEYUP, SDLK_F3);
    pumpEvents();
    const std::vector<OrlinCall> expected = {
        {"mouseDown", {2, 7, 472, 0, 0}}, {"keyDown", {10, 7, 472, 0, 0}}, {"keyUp", {258, 7, 472, 0, 0}}};
    EXPECT_EQ(orlinCalls(), expected);
}

// Keys typed faster than frames are drawn: by the time the queue is read,
// SDL's live modifier state is that of the last event, not of each key.
TEST_F(EventPumpTest, KeysUseTheModifiersTheyWereTypedWith)
{
    SDL_SetModState(KMOD_NONE);
    pushKey(SDL_KEYDOWN, SDLK_a, KMOD_LSHIFT);
    pushKey(SDL_KEYDOWN, SDLK_1, KMOD_RSHIFT);
    pushKey(SDL_KEYUP, SDLK_1, KMOD_NONE);
    SDL_SetModState(KMOD_LSHIFT);
    pushKey(SDL_KEYDOWN, SDLK_b, KMOD_NONE);
    pushKey(SDL_KEYDOWN, SDLK_q, static_cast<SDLMod>(KMOD_LCTRL | KMOD_LSHIFT));
    pumpEvents();
    const std::vector<OrlinCall> expected = {{"keyDown", {'A', 0, 0, 0, 0}},
                                             {"keyDown", {'!', 0, 0, 0, 0}},
                                             {"keyUp", {'1', 0, 0, 0, 0}},
                                             {"keyDown", {'b', 0, 0, 0, 0}},
                                             {"keyDown", {'Q', 0, 0, 0, 0}}};
    EXPECT_EQ(orlinCalls(), expected);
    // Outside a key event the library sees SDL's live state.
    EXPECT_EQ(getModifiers(), 1);
}

TEST_F(EventPumpTest, QuickControlQQuitsEvenIfControlIsUpByThen)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SDL_SetModState(KMOD_NONE);
            pushKey(SDL_KEYDOWN, SDLK_q, KMOD_RCTRL);
            pumpEvents();
            std::fprintf(stderr, "still running\n");
            std::exit(3);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(EventPumpTest, ResizeRebuildsTheViewsAndDrawsOneFrameBeforeTheNextEvent)
{
    pushResize(800, 600);
    pushKey(SDL_KEYDOWN, SDLK_x);
    pumpEvents();

    EXPECT_EQ(windowWidth, 800);
    EXPECT_EQ(windowHeight, 600);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], 800);
    EXPECT_EQ(viewport[3], 600);
    // The frame makes its own resetView before the gauge. In the window the
    // gauge keeps its place, and so does the column the panels keep clear.
    // The fish's places on screen, which the panels keep clear of, follow
    // the new size (six rectangles; where they lie is the layout test's).
    const std::vector<OrlinCall> expected = {{"resize", {800, 600}},
                                             {"keepPanelsLeftOf", {570}},
                                             {"keepPanelsClearOf", {24}},
                                             {"resetView", {}},
                                             {"resetView", {}},
                                             {"draw", {}},
                                             {"keyDown", {'x', 0, 0, 0, 0}}};
    // The window grew: if it now lies under the pointer, SDL may say so.
    int pointerX = 0;
    int pointerY = 0;
    SDL_GetMouseState(&pointerX, &pointerY);
    std::vector<OrlinCall> calls = withoutPointerReportsAt(pointerX, 600 - pointerY);
    for (OrlinCall& call : calls)
        if (call.name == "keepPanelsClearOf")
            call.args = {static_cast<int>(call.args.size())};
    EXPECT_EQ(calls, expected);

    // The window really has the new size: the frame fills all of it.
    ASSERT_NE(SDL_GetVideoSurface(), nullptr);
    EXPECT_EQ(SDL_GetVideoSurface()->w, 800);
    EXPECT_EQ(SDL_GetVideoSurface()->h, 600);
    float clear[4];
    clearColorOf(depthFactors(depth), clear);
    glClear(GL_COLOR_BUFFER_BIT);
    for (auto [x, y] : {std::pair{799, 599}, std::pair{700, 10}, std::pair{5, 590}}) {
        auto pixel = readPixel(x, y);
        EXPECT_EQ(pixel[0], toByte(clear[0])) << x << "," << y;
        EXPECT_EQ(pixel[1], toByte(clear[1])) << x << "," << y;
        EXPECT_EQ(pixel[2], toByte(clear[2])) << x << "," << y;
    }
}

TEST_F(EventPumpTest, ResizeToTheSizeTheWindowHasSetsNoNewMode)
{
    const int width = windowWidth;
    const int height = windowHeight;
    pushResize(width, height);
    pushKey(SDL_KEYDOWN, SDLK_x);
    pumpEvents();

    EXPECT_EQ(windowWidth, width);
    EXPECT_EQ(windowHeight, height);
    // No views rebuilt, no frame drawn: the mode was left alone.
    const std::vector<OrlinCall> expected = {{"keyDown", {'x', 0, 0, 0, 0}}};
    int pointerX = 0;
    int pointerY = 0;
    SDL_GetMouseState(&pointerX, &pointerY);
    EXPECT_EQ(withoutPointerReportsAt(pointerX, height - pointerY), expected);
}

TEST_F(EventPumpTest, OtherEventsChangeNothing)
{
    mouseX = 12;
    mouseY = 34;
    SDL_Event active{};
    active.type = SDL_ACTIVEEVENT;
    active.active.gain = 0;
    active.active.state = SDL_APPINPUTFOCUS;
    ASSERT_EQ(SDL_PushEvent(&active), 0);
    SDL_SysWMmsg message{};
    SDL_Event windowManager{};
    windowManager.type = SDL_SYSWMEVENT;
    windowManager.syswm.msg = &message;
    ASSERT_EQ(SDL_PushEvent(&windowManager), 0);
    for (Uint8 type : {Uint8(SDL_VIDEOEXPOSE), Uint8(SDL_USEREVENT), Uint8(SDL_USEREVENT + 3), Uint8(SDL_JOYAXISMOTION),
                       Uint8(SDL_JOYBUTTONDOWN)})
        pushOfType(type);
    pumpEvents();

    EXPECT_TRUE(orlinCalls().empty());
    EXPECT_EQ(mouseX, 12);
    EXPECT_EQ(mouseY, 34);
    EXPECT_EQ(windowWidth, 640);
    EXPECT_EQ(windowHeight, 480);
    EXPECT_EQ(depth, 10.0f);
    EXPECT_EQ(cameraYaw, 0.0f);
    EXPECT_EQ(cameraPitch, 0.0f);
}

}  // namespace
