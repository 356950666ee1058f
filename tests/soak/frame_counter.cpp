// Preloaded into the program by scripts/soak (LD_PRELOAD): counts the frames
// by their buffer swaps, writes the resident memory at chosen frames to a
// report, and sends the program SIGTERM after the last one, which SDL turns
// into a quit request. The program itself is unchanged.
//
// MARIVANE_SOAK_REPORT  file to append "frame N vmrss_kb K seconds S" lines to
// MARIVANE_SOAK_MARKS   comma-separated frames to report, e.g. "1000,20000"
// MARIVANE_SOAK_FRAMES  frame after which SIGTERM is sent
#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>

namespace {

struct SoakSettings {
    std::string report;
    std::set<long> marks;
    long lastFrame = 0;
};

SoakSettings readSettings()
{
    SoakSettings settings;
    if (const char* report = std::getenv("MARIVANE_SOAK_REPORT"))
        settings.report = report;
    if (const char* marks = std::getenv("MARIVANE_SOAK_MARKS")) {
        for (const char* p = marks; *p != '\0';) {
            char* end = nullptr;
            long frame = std::strtol(p, &end, 10);
            if (end == p)
                break;
            settings.marks.insert(frame);
            p = *end == ',' ? end + 1 : end;
        }
    }
    if (const char* frames = std::getenv("MARIVANE_SOAK_FRAMES"))
        settings.lastFrame = std::strtol(frames, nullptr, 10);
    return settings;
}

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

void report(const SoakSettings& settings, long frame, double seconds)
{
    if (settings.report.empty())
        return;
    if (std::FILE* out = std::fopen(settings.report.c_str(), "a")) {
        std::fprintf(out, "frame %ld vmrss_kb %ld seconds %.3f\n", frame, residentKilobytes(), seconds);
        std::fclose(out);
    }
}

}  // namespace

extern "C" void SDL_GL_SwapBuffers(void)
{
    using Swap = void (*)();
    static const Swap realSwap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers"));
    static const SoakSettings settings = readSettings();
    static const auto start = std::chrono::steady_clock::now();
    static long frames = 0;

    realSwap();
    ++frames;
    if (settings.marks.count(frames) != 0) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        report(settings, frames, elapsed.count());
    }
    if (frames == settings.lastFrame)
        kill(getpid(), SIGTERM);
}
