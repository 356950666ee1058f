// An input storm, end to end: random keys (arrows, letters, modifiers,
// function keys), buttons, wheel, motion and drags through xdotool for a
// bounded time. The program must still run afterwards, its gauge arrow must
// lie within its track, and Ctrl+Q must end it with status 0.
// MARIVANE_STORM_SECONDS sets the length (20 s by default).
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace {

double stormSeconds()
{
    const char* text = std::getenv("MARIVANE_STORM_SECONDS");
    double seconds = text != nullptr ? std::atof(text) : 0.0;
    return seconds > 0.0 ? seconds : 20.0;
}

// Single keys, by their X key names. Never Ctrl+Q: see the storm's rules.
const std::vector<std::string> tapKeys = {
    "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r", "s", "t", "u",
    "v", "w", "x", "y", "z", "0", "1", "2", "5", "9", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9",
    "F10", "F11", "F12", "Up", "Down", "Left", "Right", "Return", "Escape", "Tab", "space", "BackSpace",
    "Delete", "Home", "End", "Prior", "Next", "Insert", "KP_Enter", "KP_Add", "KP_1", "KP_Decimal", "minus",
    "equal", "bracketleft", "bracketright", "backslash", "semicolon", "apostrophe", "grave", "comma", "period",
    "slash", "Scroll_Lock"};
// Control and alt never together: on a real X server some of those
// combinations switch terminals or kill the server.
const std::vector<std::string> modifierCombos = {"shift", "ctrl", "alt", "super", "shift+ctrl",
                                                 "shift+alt", "ctrl+super", "shift+super"};
const std::vector<std::string> modifierKeys = {"Shift_L", "Shift_R", "Control_L", "Control_R",
                                               "Alt_L", "Alt_R", "Super_L", "Meta_L"};

struct Storm {
    std::mt19937 random;
    std::string window;
    bool capsLock = false;
    bool numLock = false;
};

int pick(Storm& storm, int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(storm.random);
}

const std::string& pickFrom(Storm& storm, const std::vector<std::string>& list)
{
    return list[static_cast<std::size_t>(pick(storm, static_cast<int>(list.size())))];
}

bool holdsControl(const std::string& modifiers)
{
    return modifiers.find("ctrl") != std::string::npos || modifiers.find("Control") != std::string::npos;
}

// A key to press while these modifiers are down: 'q' is replaced under
// control, since Ctrl+Q would end the storm.
std::string keyUnder(Storm& storm, const std::string& modifiers)
{
    std::string key = pickFrom(storm, tapKeys);
    return key == "q" && holdsControl(modifiers) ? std::string("w") : key;
}

// Positions run past the window's right and bottom edges on purpose.
std::string moveTo(Storm& storm)
{
    return " mousemove --window " + storm.window + " " + std::to_string(pick(storm, 700)) + " " +
           std::to_string(pick(storm, 530));
}

std::string nextAction(Storm& storm)
{
    const int kind = pick(storm, 100);
    if (kind < 30) {
        const std::string modifiers = pick(storm, 3) == 0 ? pickFrom(storm, modifierCombos) : std::string();
        const std::string key = keyUnder(storm, modifiers);
        return " key " + (modifiers.empty() ? key : modifiers + "+" + key);
    }
    if (kind < 42) {  // a burst on one depth key, now and then long enough to reach either end
        std::string action = " key";
        const std::string key = pick(storm, 2) == 0 ? "Up" : "Down";
        for (int n = pick(storm, 4) == 0 ? 40 + pick(storm, 60) : 1 + pick(storm, 8); n > 0; --n)
            action += " " + key;
        return action;
    }
    if (kind < 50) {  // keys typed while a modifier is held
        const std::string& modifier = pickFrom(storm, modifierKeys);
        std::string action = " keydown " + modifier;
        for (int n = 1 + pick(storm, 3); n > 0; --n)
            action += " key " + keyUnder(storm, modifier);
        return action + " keyup " + modifier;
    }
    if (kind < 54)
        return " key " + pickFrom(storm, modifierKeys);
    if (kind < 56) {  // lock keys; put back before the batch ends
        if (pick(storm, 2) == 0) {
            storm.capsLock = !storm.capsLock;
            return " key Caps_Lock";
        }
        storm.numLock = !storm.numLock;
        return " key Num_Lock";
    }
    if (kind < 70)
        return moveTo(storm);
    if (kind < 78) {
        static const char* const buttons[] = {"1", "2", "3", "8", "9"};
        return std::string(" click ") + buttons[pick(storm, 5)];
    }
    if (kind < 84)
        return " click --repeat " + std::to_string(1 + pick(storm, 5)) + (pick(storm, 2) == 0 ? " 4" : " 5");
    if (kind < 97) {  // a drag: the left button turns the camera, the others drag in the GUI
        const std::string button = std::to_string(1 + pick(storm, 3));
        std::string action = moveTo(storm) + " mousedown " + button;
        for (int n = 1 + pick(storm, 6); n > 0; --n)
            action += moveTo(storm);
        return action + " mouseup " + button;
    }
    return " sleep 0.05";
}

std::string nextBatch(Storm& storm, int actions)
{
    std::string command = "xdotool";
    for (int i = 0; i < actions; ++i)
        command += nextAction(storm);
    // Leave no lock on: caps lock would turn the final Ctrl+Q into Ctrl+Shift+Q.
    if (storm.capsLock)
        command += " key Caps_Lock";
    if (storm.numLock)
        command += " key Num_Lock";
    storm.capsLock = storm.numLock = false;
    return command + " 2>/dev/null";
}

bool isArrowPixel(const Rgb& pixel)
{
    return pixel.r >= 240 && pixel.g <= 20 && pixel.b >= 240;
}

class InputStormTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        if (HasFatalFailure())
            return;
        // A pure magenta arrow: its pixels can be told from everything else.
        ASSERT_EQ(runCommand("convert -size 54x10 xc:'#FF00FF' PNG32:" + dir + "/depth_arrow.png"), 0);
    }
    void TearDown() override
    {
        // Never leave a button or a lock behind for the next test.
        runCommand("xdotool mouseup 1 mouseup 2 mouseup 3 2>/dev/null");
        ProgramTest::TearDown();
    }
};

TEST_F(InputStormTest, SurvivesTheStormKeepsTheArrowInItsTrackAndQuits)
{
    ASSERT_TRUE(startAndWaitForWindow({}, 30.0));

    Storm storm{std::mt19937(20240608u), program.windowId};
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(stormSeconds());
    int batches = 0;
    while (std::chrono::steady_clock::now() < end) {
        runCommand(nextBatch(storm, 40));
        ++batches;
        ASSERT_TRUE(isRunning(program)) << "died in storm batch " << batches << ":\n" << readFile(program.stderrPath);
    }
    // Let it work through what is still queued.
    settle(1.5);
    ASSERT_TRUE(isRunning(program)) << readFile(program.stderrPath);

    // The arrow travels x 570..623 and y 117..363 up from the window's bottom.
    // Kept in the build folder, to look at when this fails.
    const std::string shotPath = keptShotPath("input_storm_last.png");
    Image shot = screenshot(program, shotPath);
    ASSERT_EQ(shot.width, 640u);
    ASSERT_EQ(shot.height, 480u);
    int inside = 0;
    int outside = 0;
    for (int row = 0; row < 480; ++row) {
        const int up = 479 - row;
        for (int x = 0; x < 640; ++x) {
            if (!isArrowPixel(pixelAt(shot, x, row)))
                continue;
            if (x >= 570 && x < 624 && up >= 117 && up <= 363)
                ++inside;
            else
                ++outside;
        }
    }
    EXPECT_GT(inside, 0) << "no arrow to be seen in the track; see " << shotPath;
    EXPECT_EQ(outside, 0) << "arrow pixels outside the gauge track; see " << shotPath;

    sendKey(program, "ctrl+q");
    EXPECT_EQ(waitForExit(program, 30.0), 0) << readFile(program.stderrPath);
}

}  // namespace
