// Starts an installed marivane from an empty working folder and tells whether
// it found every asset: its window appears, standard error has no warning,
// Ctrl+Q ends it with status 0, and its water surface shows its picture.
//
// Textured or not is judged against the build's own program, started once in
// a folder with the assets (textured) and once in an empty one (the plain
// fallback colours): the installed scene must be the nearer to the first.
// Usage: installed_scene_check PROGRAM SCREENSHOT_FOLDER
#include <cstdio>
#include <cstdlib>
#include <string>

#include "program_fixture.h"
#include "program_runner.h"

namespace {

struct Run {
    bool windowShown = false;
    double variation = -1.0;
    int exitStatus = -1;
    std::string errors;
};

Run runOnce(const std::string& binary, WorkDirAssets assets, const std::string& shotPath)
{
    Run run;
    const std::string dir = makeWorkDir(assets);
    if (dir.empty())
        return run;
    RunningProgram program = startProgramAt(binary, dir);
    run.windowShown = waitForWindow(program, 30.0);
    if (run.windowShown && hideHelpPanel(program)) {
        settle(0.5);
        run.variation = localVariation(screenshot(program, shotPath), surfaceRegion);
        sendKey(program, "ctrl+q");
        run.exitStatus = waitForExit(program, 30.0);
    }
    stopProgram(program);
    run.errors = readFile(program.stderrPath);
    removeTree(dir);
    return run;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: installed_scene_check PROGRAM SCREENSHOT_FOLDER\n");
        return 2;
    }
    const std::string installed = argv[1];
    const std::string shots = argv[2];
    const Run checked = runOnce(installed, WorkDirAssets::none, shots + "/installed.png");
    const Run textured = runOnce(programPath(), WorkDirAssets::copied, shots + "/build-textured.png");
    const Run untextured = runOnce(programPath(), WorkDirAssets::none, shots + "/build-untextured.png");

    bool ok = true;
    auto fail = [&ok](const std::string& what) {
        std::printf("installed scene check: FAILED: %s\n", what.c_str());
        ok = false;
    };
    if (!checked.windowShown)
        fail("no window from " + installed + "; standard error:\n" + checked.errors);
    if (checked.errors.find("Warning") != std::string::npos)
        fail("warnings on standard error:\n" + checked.errors);
    if (checked.exitStatus != 0)
        fail("Ctrl+Q gave exit status " + std::to_string(checked.exitStatus));
    if (textured.variation < 0.0 || untextured.variation < 0.0)
        fail("the build's own program gave no reference screenshots");
    // The untextured reference must really be the fallback, or the
    // comparison says nothing.
    if (untextured.errors.find("\"rock.png\" could not be used (missing") == std::string::npos)
        fail("the build's program in an empty folder found its assets somewhere; no untextured reference");
    const double toTextured = std::abs(checked.variation - textured.variation);
    const double toUntextured = std::abs(checked.variation - untextured.variation);
    if (checked.variation < 0.0 || toTextured >= toUntextured)
        fail("the installed program's water surface looks untextured");
    std::printf("installed scene check: %s: surface detail %.2f (textured %.2f, untextured %.2f); screenshots in %s\n",
                ok ? "ok" : "FAILED", checked.variation, textured.variation, untextured.variation, shots.c_str());
    return ok ? 0 : 1;
}
