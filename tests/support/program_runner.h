// Running the real marivane binary under the test display, driving it with
// xdotool and looking at it with screenshots.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "assets/png_reader.h"

struct RunningProgram {
    pid_t pid = -1;
    std::string workDir;
    std::string stdoutPath;
    std::string stderrPath;
    std::string windowId;  // X window id, once found
};

// The built program and its generated assets.
std::string programPath();
std::string assetDir();

// A fresh temporary folder; removed by removeTree.
std::string makeTempDir();
void removeTree(const std::string& path);
// Copies every generated asset into dir.
void copyAssets(const std::string& dir);

// Starts the program in workDir with extra environment entries ("NAME=value",
// or "NAME=" to unset) and command-line arguments. Output goes to files in
// workDir.
RunningProgram startProgram(const std::string& workDir, const std::vector<std::string>& env = {},
                            const std::vector<std::string>& args = {});
// The same for another copy of the program, such as an installed one.
RunningProgram startProgramAt(const std::string& binary, const std::string& workDir,
                              const std::vector<std::string>& env = {}, const std::vector<std::string>& args = {});
// Waits until a window named "Marivane" of the program is mapped.
bool waitForWindow(RunningProgram& program, double timeoutSeconds = 20.0);
// Waits for exit; returns the exit status, or -1 on timeout / death by signal.
int waitForExit(RunningProgram& program, double timeoutSeconds = 20.0);
bool isRunning(const RunningProgram& program);
void terminate(RunningProgram& program);  // SIGTERM
void killProgram(RunningProgram& program);  // SIGKILL, for cleanup

// Runs a shell command; returns its exit status and its standard output.
int runCommand(const std::string& command, std::string* output = nullptr);
// xdotool against the program's window: keys such as "Down", "ctrl+q".
void sendKey(const RunningProgram& program, const std::string& key, int repeat = 1);
// Lets the program draw a few frames.
void settle(double seconds = 0.5);

// Screenshot of the program's window, read back as an image (top row first
// in pixelAt's coordinates: x right, y down from the window's top-left).
Image screenshot(const RunningProgram& program, const std::string& savePath = "");
// Where a screenshot kept for a person to look at goes: the build folder's
// tests/, from whatever folder the test runs.
std::string keptShotPath(const std::string& fileName);
struct Rgb {
    int r, g, b;
};
Rgb pixelAt(const Image& image, int x, int y);

// Screenshot regions, x right and y down from the window's top-left corner.
struct ShotRegion {
    int x0, y0, x1, y1;
};
// Where the overlay's help panel stands.
constexpr ShotRegion helpPanelRegion{0, 0, 400, 240};
// Pixels of the overlay's light grey text (0.8, 0.8, 0.8) in a region; the
// scene has no such neutral grey.
int overlayTextPixels(const Image& image, const ShotRegion& region);
constexpr int helpShownTextPixels = 200;  // a readable panel has far more
constexpr int helpHiddenTextPixels = 20;  // stray pixels allowed once it is gone
// The overlay's panels in a screenshot: every run of the panels' one-pixel
// edge colour (0.2, 0.4, 0.4) that closes into a whole rectangle at least
// min x min pixels. A panel another covers loses part of its edge and is not
// found; x1 and y1 are excluded.
std::vector<ShotRegion> panelOutlines(const Image& image, int min = 16);
// The upper band of the window at the starting depth: the underside of the
// water surface (with the help panel hidden), left of the depth gauge.
constexpr ShotRegion surfaceRegion{0, 10, 540, 130};
// Mean difference between neighbouring pixels in a region, -1 when it is
// off the image: the water picture is full of small detail, the untextured
// surface is a smooth fog gradient.
double localVariation(const Image& image, const ShotRegion& region);
// Takes the help panel off the screen (F1 while it shows, otherwise lets a
// fade finish), so scene pixels can be read anywhere.
bool hideHelpPanel(const RunningProgram& program);
std::string readFile(const std::string& path);
// A text's lines, without their line feeds.
std::vector<std::string> linesOf(const std::string& text);
