// Starts the Windows program under Wine, from a folder that has nothing of
// it, and checks what a user would see, against the Linux build's program
// at the same depth. Run by tests/windows/check_windows.sh.
//
//   scene     the window is 640x480 and titled "Marivane", the help panel
//             shows text (the shipped font was found), the scene is textured
//             (every asset found beside the executable) and stays so after
//             F11 to full screen and back (SDL makes a new GL context at each
//             change on Windows), Down x 40 gives the Linux build's
//             background at depth 50, Ctrl+Q ends it with status 0 and
//             stderr.txt holds no warning;
//   no-font   the program's folder has no font either: it still runs, the
//             panel is drawn without text, Ctrl+Q gives 0, and stderr.txt
//             warns, naming both places a font was looked for.
//
// Usage: windows_scene_check scene|no-font LAUNCHER PROGRAM_FOLDER SHOT_FOLDER
// LAUNCHER starts the program (wine64 with PROGRAM_FOLDER\marivane.exe);
// SDL writes stdout.txt and stderr.txt into PROGRAM_FOLDER.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "program_fixture.h"
#include "program_runner.h"

namespace {

// Far left, a little below the horizon: the line of sight leaves the box
// without meeting floor, water or fish, so this is the depth's background.
constexpr int backgroundX = 10;
constexpr int backgroundY = 330;
// Two builds' rounding of the same colour, read back from two GL stacks.
constexpr int channelTolerance = 3;
constexpr int descentPresses = 40;
// Wine takes far longer than a native program to bring its first window up.
constexpr double wineStartSeconds = 90.0;

bool failed = false;

void fail(const std::string& what)
{
    std::printf("windows scene check: FAILED: %s\n", what.c_str());
    failed = true;
}

std::string describe(const Rgb& c)
{
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
}

bool near(const Rgb& a, const Rgb& b)
{
    return a.r >= 0 && b.r >= 0 && std::abs(a.r - b.r) <= channelTolerance &&
           std::abs(a.g - b.g) <= channelTolerance && std::abs(a.b - b.b) <= channelTolerance;
}

struct Run {
    bool windowShown = false;
    int width = 0;
    int height = 0;
    int helpTextPixels = -1;
    double surfaceVariation = -1.0;
    double surfaceAfterFullScreen = -1.0;  // after F11 there and back
    int widthAfterFullScreen = 0;
    int heightAfterFullScreen = 0;
    Rgb backgroundAtStart{-1, -1, -1};
    Rgb backgroundDeeper{-1, -1, -1};
    int exitStatus = -1;
    std::string unixErrors;  // what the process wrote itself (Wine's own messages on Windows)
};

void readGeometry(const RunningProgram& program, int& width, int& height)
{
    std::string text;
    runCommand("xdotool getwindowgeometry --shell " + program.windowId, &text);
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("WIDTH=", 0) == 0)
            width = std::atoi(line.c_str() + 6);
        else if (line.rfind("HEIGHT=", 0) == 0)
            height = std::atoi(line.c_str() + 7);
    }
}

enum class Steps { look, lookAndDescend, fullScreenAndDescend };

// One run: start, look, maybe F11 there and back and descend, Ctrl+Q.
// Screenshots are kept under shots with the given stem.
Run runOnce(const std::string& binary, WorkDirAssets assets, const std::string& shots, const std::string& stem,
            Steps steps)
{
    Run run;
    const std::string dir = makeWorkDir(assets);
    if (dir.empty())
        return run;
    RunningProgram program = startProgramAt(binary, dir);
    run.windowShown = waitForWindow(program, wineStartSeconds);
    if (run.windowShown) {
        readGeometry(program, run.width, run.height);
        run.helpTextPixels = overlayTextPixels(screenshot(program, shots + "/" + stem + "-start.png"), helpPanelRegion);
        if (hideHelpPanel(program)) {
            settle(0.5);
            const Image level = screenshot(program, shots + "/" + stem + "-depth10.png");
            run.surfaceVariation = localVariation(level, surfaceRegion);
            run.backgroundAtStart = pixelAt(level, backgroundX, backgroundY);
            if (steps == Steps::fullScreenAndDescend) {
                sendKey(program, "F11");
                settle(2.0);
                sendKey(program, "F11");
                settle(2.0);
                readGeometry(program, run.widthAfterFullScreen, run.heightAfterFullScreen);
                run.surfaceAfterFullScreen =
                    localVariation(screenshot(program, shots + "/" + stem + "-after-full-screen.png"), surfaceRegion);
            }
            if (steps != Steps::look) {
                sendKey(program, "Down", descentPresses);
                settle(1.0);
                run.backgroundDeeper =
                    pixelAt(screenshot(program, shots + "/" + stem + "-depth50.png"), backgroundX, backgroundY);
            }
        }
        sendKey(program, "ctrl+q");
        run.exitStatus = waitForExit(program, 30.0);
    }
    stopProgram(program);
    run.unixErrors = readFile(program.stderrPath);
    removeTree(dir);
    return run;
}

void expectStarted(const Run& run, const std::string& folder)
{
    if (!run.windowShown) {
        fail("no window titled \"Marivane\"; Wine said:\n" + run.unixErrors + "\nstderr.txt:\n" +
             readFile(folder + "/stderr.txt"));
        return;
    }
    if (run.width != 640 || run.height != 480)
        fail("the window is " + std::to_string(run.width) + "x" + std::to_string(run.height) + ", not 640x480");
    if (run.exitStatus != 0)
        fail("Ctrl+Q gave exit status " + std::to_string(run.exitStatus));
}

void checkScene(const std::string& launcher, const std::string& folder, const std::string& shots)
{
    const Run windows = runOnce(launcher, WorkDirAssets::none, shots, "windows", Steps::fullScreenAndDescend);
    expectStarted(windows, folder);
    const std::string errors = readFile(folder + "/stderr.txt");
    if (errors.find("Warning") != std::string::npos || errors.find("could not") != std::string::npos)
        fail("stderr.txt holds warnings:\n" + errors);
    if (windows.helpTextPixels < helpShownTextPixels)
        fail("the help panel shows no text (" + std::to_string(windows.helpTextPixels) + " text pixels)");

    const Run textured = runOnce(programPath(), WorkDirAssets::copied, shots, "linux-textured", Steps::lookAndDescend);
    const Run untextured = runOnce(programPath(), WorkDirAssets::none, shots, "linux-untextured", Steps::look);
    if (textured.surfaceVariation < 0.0 || untextured.surfaceVariation < 0.0) {
        fail("the Linux build gave no reference screenshots");
        return;
    }
    const double toTextured = std::abs(windows.surfaceVariation - textured.surfaceVariation);
    const double toUntextured = std::abs(windows.surfaceVariation - untextured.surfaceVariation);
    if (windows.surfaceVariation < 0.0 || toTextured >= toUntextured)
        fail("the water surface looks untextured");
    if (windows.widthAfterFullScreen != 640 || windows.heightAfterFullScreen != 480)
        fail("after F11 there and back the window is " + std::to_string(windows.widthAfterFullScreen) + "x" +
             std::to_string(windows.heightAfterFullScreen));
    if (windows.surfaceAfterFullScreen < 0.0 || std::abs(windows.surfaceAfterFullScreen - textured.surfaceVariation) >=
                                                    std::abs(windows.surfaceAfterFullScreen - untextured.surfaceVariation))
        fail("after F11 there and back the water surface looks untextured");
    if (!near(windows.backgroundAtStart, textured.backgroundAtStart))
        fail("background at depth 10 " + describe(windows.backgroundAtStart) + ", the Linux build's " +
             describe(textured.backgroundAtStart));
    if (!near(windows.backgroundDeeper, textured.backgroundDeeper) ||
        near(windows.backgroundDeeper, windows.backgroundAtStart))
        fail("background after Down x " + std::to_string(descentPresses) + " " + describe(windows.backgroundDeeper) +
             ", the Linux build's " + describe(textured.backgroundDeeper) + " (at depth 10 " +
             describe(windows.backgroundAtStart) + ")");
    std::printf("windows scene check: %s: 640x480 \"Marivane\", %d help text pixels, surface detail %.2f, after F11 "
                "and back %.2f (Linux textured %.2f, untextured %.2f), background %s then %s (Linux %s then %s)\n",
                failed ? "FAILED" : "ok", windows.helpTextPixels, windows.surfaceVariation, windows.surfaceAfterFullScreen,
                textured.surfaceVariation, untextured.surfaceVariation, describe(windows.backgroundAtStart).c_str(),
                describe(windows.backgroundDeeper).c_str(), describe(textured.backgroundAtStart).c_str(),
                describe(textured.backgroundDeeper).c_str());
}

void checkNoFont(const std::string& launcher, const std::string& folder, const std::string& shots)
{
    const Run run = runOnce(launcher, WorkDirAssets::none, shots, "no-font", Steps::look);
    expectStarted(run, folder);
    if (run.helpTextPixels < 0 || run.helpTextPixels >= helpHiddenTextPixels)
        fail("text drawn without a font (" + std::to_string(run.helpTextPixels) + " text pixels)");
    const std::string errors = readFile(folder + "/stderr.txt");
    const bool namesWindir = errors.find("\\Fonts\\verdana.TTF") != std::string::npos;
    const bool namesShipped = errors.find("\\DejaVuSans.ttf") != std::string::npos;
    if (errors.find("Warning") == std::string::npos || !namesWindir || !namesShipped)
        fail("stderr.txt does not name both places a font was looked for:\n" + errors);
    std::printf("windows scene check: %s: without a font it runs, draws no text and warns: %s", failed ? "FAILED" : "ok",
                errors.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: windows_scene_check scene|no-font LAUNCHER PROGRAM_FOLDER SHOT_FOLDER\n");
        return 2;
    }
    const std::string what = argv[1];
    if (what == "scene")
        checkScene(argv[2], argv[3], argv[4]);
    else if (what == "no-font")
        checkNoFont(argv[2], argv[3], argv[4]);
    else {
        std::fprintf(stderr, "windows_scene_check: unknown check %s\n", what.c_str());
        return 2;
    }
    return failed ? 1 : 0;
}
