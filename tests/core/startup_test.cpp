#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include "app/startup.h"
#include "app/timer_list.h"
#include "assets/mesh.h"
#include "assets/texture_set.h"
#include "gl_window.h"
#include "orlin_recording.h"
#include "program_runner.h"
#include "render/environment_box.h"
#include "render/sun.h"
#include "state/program_state.h"

namespace {

// Start-up in a folder without assets: every loader fails softly.
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        dir = makeTempDir();
        ASSERT_FALSE(dir.empty());
        ASSERT_EQ(chdir(dir.c_str()), 0);
        // A death test's child makes its own folder and ends inside the test,
        // never reaching TearDown: the folder goes when the process ends
        // (registered before start-up's own handlers, so it runs after them).
        folderToRemoveAtExit = dir;
        static const bool registered = std::atexit([] { removeTree(folderToRemoveAtExit); }) == 0;
        (void)registered;
    }
    void TearDown() override
    {
        removeTree(dir);
        folderToRemoveAtExit.clear();
    }
    std::string dir;
    static inline std::string folderToRemoveAtExit;
};

TEST_F(StartupTest, BuildsEverythingInOrder)
{
    testing::internal::CaptureStderr();
    startUp();
    std::string errors = testing::internal::GetCapturedStderr();

    const SDL_Surface* screen = SDL_GetVideoSurface();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->w, 640);
    EXPECT_EQ(screen->h, 480);
    EXPECT_TRUE(screen->flags & SDL_OPENGL);
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title, "Marivane");
    EXPECT_EQ(windowWidth, 640);
    EXPECT_EQ(windowHeight, 480);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 480);

    // The GUI is initialised, built, sized and shown one frame before any asset.
    // The help rows and the gauge's column go to the GUI as soon as it exists.
    // So do the fish's places on screen, which the panels keep clear of.
    std::vector<OrlinCall> expected = {{"orlinInit", {}},          {"construct", {640, 480}},
                                       {"setHelp", {18}},           {"setBriefHelp", {16}},
                                       {"resize", {640, 480}},      {"keepPanelsLeftOf", {570}},
                                       {"keepPanelsClearOf", {24}}, {"resetView", {}},
                                       {"resetView", {}},           {"draw", {}},
                                       {"showMessage", {4250}}};
    std::vector<OrlinCall> calls = orlinCalls();
    // Six rectangles, four numbers each (where they lie is the layout test's).
    for (OrlinCall& call : calls)
        if (call.name == "keepPanelsClearOf")
            call.args = {static_cast<int>(call.args.size())};
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(orlinConstructorArgs().helpTitle, "Controls");
    ASSERT_EQ(orlinConstructorArgs().helpRows.size(), 18u);
    EXPECT_EQ(orlinConstructorArgs().helpRows[0].first, "Up / Down arrows");
    EXPECT_EQ(orlinConstructorArgs().helpRows[5].first, "Ctrl+Q");
    EXPECT_EQ(orlinConstructorArgs().helpRows[16].first, "Escape");
    EXPECT_NE(orlinInitArgs().addTimer, nullptr);
    EXPECT_NE(orlinInitArgs().notify, nullptr);
    ASSERT_NE(orlinInitArgs().modifiers, nullptr);
    EXPECT_EQ(orlinInitArgs().modifiers(), 0);

    const float colors[9][4] = {{0.1f, 0.3f, 0.6f, 1}, {0.2f, 0.4f, 0.4f, 1}, {0.3f, 0.3f, 0.15f, 1},
                                {0.3f, 0.4f, 0.5f, 1}, {0.8f, 0.8f, 0.8f, 1}, {0.8f, 0.8f, 0.8f, 1},
                                {0, 0, 0, 1},          {0.2f, 0.5f, 0.7f, 1}, {0.2f, 0.2f, 0.2f, 1}};
    const OrlinConstructorArgs& args = orlinConstructorArgs();
    for (int i = 0; i < 9; ++i)
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(args.colors[i][k], colors[i][k]) << "colour " << i << " channel " << k;
    EXPECT_FALSE(args.debugOutline);
    EXPECT_EQ(args.fontPath, std::string(fontPath));

    // Loaders ran and failed softly, each saying so once.
    EXPECT_NE(textures.rockTexture, 0u);
    EXPECT_NE(textures.depthArrowTexture, 0u);
    ASSERT_NE(environmentBox, nullptr);
    EXPECT_EQ(environmentBox->clock, 0.0f);
    ASSERT_NE(sunPosition, nullptr);
    EXPECT_EQ(sunPosition[0], 5.0f);
    EXPECT_EQ(sunPosition[1], 60.0f);
    EXPECT_EQ(sunPosition[2], 5.0f);
    ASSERT_NE(fishMesh, nullptr);
    EXPECT_EQ(fishMesh->positions, nullptr);
    EXPECT_NE(errors.find("\"rock.png\""), std::string::npos) << errors;
    EXPECT_NE(errors.find("\"mackerel.obj\""), std::string::npos) << errors;
    EXPECT_NE(errors.find("missing"), std::string::npos) << errors;

    // The window says it too after start-up: with every file missing, one
    // sentence that says how many and what to do, and no more.
    std::vector<std::string> shown = {orlinConstructorArgs().message};
    for (int pass = 0; pass < 6; ++pass) {
        runTimerPass(lastTimerPass + 4.0);
        if (orlinConstructorArgs().message != shown.back())
            shown.push_back(orlinConstructorArgs().message);
    }
    ASSERT_EQ(shown.size(), 1u) << testing::PrintToString(shown);
    EXPECT_EQ(shown[0], "12 assets could not be loaded: start Marivane from its assets folder, or install it");
}

// Runs after teardown (atexit is last in, first out), so it sees what
// teardown did to the GUI.
void reportGuiAfterTeardown()
{
    std::fprintf(stderr, "constructed=%d destroyed=%d\n", orlinConstructorArgs().constructed,
                 orlinConstructorArgs().destroyed);
}

TEST_F(StartupTest, ExitRunsTeardownOnce)
{
    EXPECT_EXIT(
        {
            std::atexit(reportGuiAfterTeardown);
            startUp();
            std::exit(0);
        },
        testing::ExitedWithCode(0), "constructed=1 destroyed=1");
}

// The failure messages go to standard output, which a death test does not
// read: the child sends its standard output to standard error, where the
// expected pattern is matched.
void outputToStandardError()
{
    std::fflush(stdout);
    dup2(STDERR_FILENO, STDOUT_FILENO);
}

TEST_F(StartupTest, NoVideoMeansMessageAndFailureStatus)
{
    EXPECT_EXIT(
        {
            outputToStandardError();
            setenv("SDL_VIDEODRIVER", "x11", 1);
            setenv("DISPLAY", ":65000", 1);
            startUp();
        },
        testing::ExitedWithCode(1), "Error: couldn't initialize video\n");
}

TEST_F(StartupTest, WindowRefusedMeansMessageAndFailureStatus)
{
    // SDL's dummy driver starts but has no OpenGL, so the window is refused.
    EXPECT_EXIT(
        {
            outputToStandardError();
            setenv("SDL_VIDEODRIVER", "dummy", 1);
            startUp();
        },
        testing::ExitedWithCode(1), "Error: couldn't set video mode: .+\n");
}

}  // namespace
