#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace {

using WindowTest = ProgramTest;

TEST_F(WindowTest, OpensNamedWindowAndEndsCleanlyOnSigterm)
{
    ASSERT_TRUE(startAndWaitForWindow());

    std::string geometry;
    runCommand("xdotool getwindowgeometry " + program.windowId, &geometry);
    EXPECT_NE(geometry.find("640x480"), std::string::npos) << geometry;
    std::string name;
    runCommand("xdotool getwindowname " + program.windowId, &name);
    EXPECT_EQ(name, "Marivane\n");
    // The program's own icon, for window managers that do not find it
    // through the desktop entry: 32 x 32, and not one flat colour.
    std::string icon;
    // (Read as plain numbers: xprop would draw an icon as a picture.)
    runCommand("xprop -id " + program.windowId + " -f _NET_WM_ICON 32c ' = $0+' _NET_WM_ICON", &icon);
    EXPECT_EQ(icon.rfind("_NET_WM_ICON(CARDINAL) = 32, 32, ", 0), 0u) << icon.substr(0, 200);
    std::set<std::string> iconPixels;
    std::istringstream values(icon.substr(icon.find('=') + 1));
    for (std::string value; std::getline(values, value, ',');)
        iconPixels.insert(value);
    EXPECT_GT(iconPixels.size(), 20u) << "the icon is nearly one colour";

    // Bottom-left corner looks steeply down through fog: the depth-10 background.
    Image shot = screenshot(program, dir + "/start.png");
    ASSERT_EQ(shot.width, 640u);
    ASSERT_EQ(shot.height, 480u);
    Rgb corner = pixelAt(shot, 3, 476);
    EXPECT_NEAR(corner.r, 51, 3);
    EXPECT_NEAR(corner.g, 128, 3);
    EXPECT_NEAR(corner.b, 153, 3);

    terminate(program);
    EXPECT_EQ(waitForExit(program), 0);
    EXPECT_EQ(readFile(program.stdoutPath), "");
}

TEST_F(WindowTest, NoDisplayMeansMessageAndStatusOne)
{
    // Started from a terminal (TERM set) without a display, SDL must not fall
    // back to a console driver that takes over the terminal: the message
    // alone, with no escape sequences around it.
    const std::vector<std::string> environments[] = {
        {"DISPLAY=:65000", "SDL_VIDEODRIVER=x11"},
        {"DISPLAY=", "SDL_VIDEODRIVER=", "TERM=xterm"},
        {"DISPLAY=", "SDL_VIDEODRIVER=", "TERM="},
    };
    for (const std::vector<std::string>& environment : environments) {
        SCOPED_TRACE(environment[0] + " " + environment.back());
        program = startProgram(dir, environment);
        EXPECT_EQ(waitForExit(program), 1);
        EXPECT_EQ(readFile(program.stdoutPath), "Error: couldn't initialize video\n");
    }
}

TEST_F(WindowTest, RefusedWindowMeansMessageAndStatusOne)
{
    // SDL's dummy driver starts video but offers no OpenGL window.
    program = startProgram(dir, {"SDL_VIDEODRIVER=dummy"});
    EXPECT_EQ(waitForExit(program), 1);
    const std::string out = readFile(program.stdoutPath);
    const std::string prefix = "Error: couldn't set video mode: ";
    EXPECT_EQ(out.substr(0, prefix.size()), prefix) << out;
    EXPECT_GT(out.size(), prefix.size() + 1) << "SDL's reason is missing: " << out;
}

TEST_F(WindowTest, StartsWithoutAnyAssets)
{
    removeTree(dir);
    dir = makeWorkDir(WorkDirAssets::none);
    ASSERT_FALSE(dir.empty());
    ASSERT_TRUE(startAndWaitForWindow());
    std::string errors = readFile(program.stderrPath);
    EXPECT_NE(errors.find("\"water.png\""), std::string::npos) << errors;
    EXPECT_NE(errors.find("\"mackerel.obj\""), std::string::npos) << errors;
    sendKey(program, "ctrl+q");
    EXPECT_EQ(waitForExit(program), 0);
}

}  // namespace
