#include "program_runner.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

std::string programPath()
{
    return std::string(MARIVANE_BINARY_DIR) + "/marivane";
}

std::string assetDir()
{
    return std::string(MARIVANE_BINARY_DIR) + "/assets";
}

std::string makeTempDir()
{
    // Under the build folder, so a test run leaves nothing elsewhere; a
    // folder of its own for each caller, so tests running side by side never
    // share a file.
    const fs::path parent = fs::path(MARIVANE_BINARY_DIR) / "tests" / "scratch";
    std::error_code failed;
    fs::create_directories(parent, failed);
    if (failed)
        return std::string();
    std::string pattern = (parent / "marivane-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    return made != nullptr ? std::string(made) : std::string();
}

void removeTree(const std::string& path)
{
    std::error_code ignored;
    if (!path.empty())
        fs::remove_all(path, ignored);
}

void copyAssets(const std::string& dir)
{
    for (const auto& entry : fs::directory_iterator(assetDir()))
        fs::copy_file(entry.path(), fs::path(dir) / entry.path().filename(), fs::copy_options::overwrite_existing);
}

RunningProgram startProgram(const std::string& workDir, const std::vector<std::string>& env,
                            const std::vector<std::string>& args)
{
    return startProgramAt(programPath(), workDir, env, args);
}

RunningProgram startProgramAt(const std::string& binary, const std::string& workDir,
                              const std::vector<std::string>& env, const std::vector<std::string>& args)
{
    RunningProgram program;
    program.workDir = workDir;
    program.stdoutPath = workDir + "/stdout.txt";
    program.stderrPath = workDir + "/stderr.txt";
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(workDir.c_str()) != 0)
            _exit(126);
        int out = open(program.stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(program.stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(err, 2);
        for (const std::string& entry : env) {
            auto eq = entry.find('=');
            std::string name = entry.substr(0, eq);
            std::string value = eq == std::string::npos ? "" : entry.substr(eq + 1);
            if (eq == entry.size() - 1)
                unsetenv(name.c_str());
            else
                setenv(name.c_str(), value.c_str(), 1);
        }
        std::vector<char*> argv{const_cast<char*>(binary.c_str())};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
    program.pid = pid;
    return program;
}

int runCommand(const std::string& command, std::string* output)
{
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return -1;
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        text.append(buffer, got);
    int status = pclose(pipe);
    if (output != nullptr)
        *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool isRunning(const RunningProgram& program)
{
    if (program.pid <= 0)
        return false;
    int status = 0;
    return waitpid(program.pid, &status, WNOHANG) == 0;
}

bool waitForWindow(RunningProgram& program, double timeoutSeconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!isRunning(program))
            return false;
        std::string ids;
        if (runCommand("xdotool search --onlyvisible --name '^Marivane$' 2>/dev/null", &ids) == 0 && !ids.empty()) {
            std::istringstream lines(ids);
            std::getline(lines, program.windowId);
            // Give the program time to finish start-up and draw real frames.
            settle(1.0);
            runCommand("xdotool windowfocus --sync " + program.windowId + " 2>/dev/null");
            return true;
        }
        settle(0.1);
    }
    return false;
}

int waitForExit(RunningProgram& program, double timeoutSeconds)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        pid_t done = waitpid(program.pid, &status, WNOHANG);
        if (done == program.pid) {
            program.pid = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        settle(0.05);
    }
    return -1;
}

void terminate(RunningProgram& program)
{
    if (program.pid > 0)
        kill(program.pid, SIGTERM);
}

void killProgram(RunningProgram& program)
{
    if (program.pid > 0) {
        kill(program.pid, SIGKILL);
        int status = 0;
        waitpid(program.pid, &status, 0);
        program.pid = -1;
    }
}

void sendKey(const RunningProgram& program, const std::string& key, int repeat)
{
    runCommand("xdotool windowfocus --sync " + program.windowId + " 2>/dev/null");
    std::string command = "xdotool key --delay 20";
    if (repeat > 1)
        command += " --repeat " + std::to_string(repeat);
    runCommand(command + " " + key);
}

void settle(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

Image screenshot(const RunningProgram& program, const std::string& savePath)
{
    std::string path = savePath.empty() ? program.workDir + "/shot.png" : savePath;
    // PNG24 keeps it 8-bit RGB, never a palette image.
    runCommand("import -window " + program.windowId + " PNG24:" + path + " 2>/dev/null");
    return loadPng(path);
}

std::string keptShotPath(const std::string& fileName)
{
    return std::string(MARIVANE_BINARY_DIR) + "/tests/" + fileName;
}

Rgb pixelAt(const Image& image, int x, int y)
{
    if (image.pixels == nullptr || x < 0 || y < 0 || static_cast<std::uint32_t>(x) >= image.width ||
        static_cast<std::uint32_t>(y) >= image.height || image.channels < 3)
        return {-1, -1, -1};
    const std::uint32_t row = image.height - 1 - static_cast<std::uint32_t>(y);
    const unsigned char* p = image.pixels + static_cast<std::size_t>(row) * image.stride() +
                             static_cast<std::size_t>(x) * image.channels;
    return {p[0], p[1], p[2]};
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Mean difference between neighbouring pixels: the water picture is full of
// small detail, the untextured surface is a smooth fog gradient.
double localVariation(const Image& image, const ShotRegion& region)
{
    double sum = 0.0;
    long count = 0;
    for (int y = region.y0; y < region.y1; ++y)
        for (int x = region.x0; x + 1 < region.x1; ++x) {
            const Rgb a = pixelAt(image, x, y);
            const Rgb b = pixelAt(image, x + 1, y);
            if (a.r < 0 || b.r < 0)
                return -1.0;
            sum += std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
            ++count;
        }
    return count > 0 ? sum / static_cast<double>(count) : -1.0;
}

int overlayTextPixels(const Image& image, const ShotRegion& region)
{
    auto grey = [](int v) { return v >= 196 && v <= 212; };
    int n = 0;
    for (int y = region.y0; y < region.y1; ++y)
        for (int x = region.x0; x < region.x1; ++x) {
            Rgb c = pixelAt(image, x, y);
            if (grey(c.r) && grey(c.g) && grey(c.b))
                ++n;
        }
    return n;
}

std::vector<ShotRegion> panelOutlines(const Image& image, int min)
{
    const int width = static_cast<int>(image.width);
    const int height = static_cast<int>(image.height);
    auto isEdge = [&](int x, int y) {
        const Rgb c = pixelAt(image, x, y);
        return c.r == 51 && c.g == 102 && c.b == 102;
    };
    std::vector<char> seen(static_cast<std::size_t>(width) * height, 0);
    std::vector<ShotRegion> found;
    for (int y0 = 0; y0 < height; ++y0)
        for (int x0 = 0; x0 < width; ++x0) {
            if (seen[static_cast<std::size_t>(y0) * width + x0] || !isEdge(x0, y0))
                continue;
            // The pixels joined to this one, side by side or corner to corner.
            ShotRegion box{x0, y0, x0 + 1, y0 + 1};
            std::vector<std::pair<int, int>> todo{{x0, y0}};
            long long count = 0;
            seen[static_cast<std::size_t>(y0) * width + x0] = 1;
            while (!todo.empty()) {
                const auto [x, y] = todo.back();
                todo.pop_back();
                ++count;
                box = {std::min(box.x0, x), std::min(box.y0, y), std::max(box.x1, x + 1), std::max(box.y1, y + 1)};
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx;
                        const int ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                            continue;
                        char& mark = seen[static_cast<std::size_t>(ny) * width + nx];
                        if (!mark && isEdge(nx, ny)) {
                            mark = 1;
                            todo.push_back({nx, ny});
                        }
                    }
            }
            const int w = box.x1 - box.x0;
            const int h = box.y1 - box.y0;
            if (w < min || h < min || count != 2LL * (w + h) - 4)
                continue;
            bool whole = true;
            for (int x = box.x0; x < box.x1 && whole; ++x)
                whole = isEdge(x, box.y0) && isEdge(x, box.y1 - 1);
            for (int y = box.y0; y < box.y1 && whole; ++y)
                whole = isEdge(box.x0, y) && isEdge(box.x1 - 1, y);
            if (whole)
                found.push_back(box);
        }
    return found;
}

bool hideHelpPanel(const RunningProgram& program)
{
    const std::string path = program.workDir + "/help-check.png";
    // A window can be up before its first frame is drawn (software GL on a
    // busy machine), and a blank corner would pass for a hidden panel that
    // then appears. Every start shows the panel, or later its hint, so wait
    // for either before judging.
    int firstText = overlayTextPixels(screenshot(program, path), helpPanelRegion);
    for (int attempt = 0; attempt < 50 && firstText < helpHiddenTextPixels; ++attempt) {
        settle(0.2);
        firstText = overlayTextPixels(screenshot(program, path), helpPanelRegion);
    }
    if (firstText >= helpShownTextPixels)
        sendKey(program, "F1");
    // A fade under way finishes within a second; what stays after it is the
    // "F1: help" hint, which F1 twice (the help, then nothing) takes away.
    // A slow program (a sanitizer's build) may not have taken the keys as
    // meant, so every few tries the keys are chosen again from what shows.
    for (int attempt = 0; attempt < 32; ++attempt) {
        settle(0.2);
        const int text = overlayTextPixels(screenshot(program, path), helpPanelRegion);
        if (text < helpHiddenTextPixels) {
            settle(1.0);
            return true;
        }
        if (attempt % 8 == 7) {
            sendKey(program, "F1");
            if (text < helpShownTextPixels) {
                settle(0.3);
                sendKey(program, "F1");
            }
        }
    }
    return false;
}
