// Runs Marivane's own start-up and main loop for a fixed number of frames and
// prints its memory after chosen frames, one line each:
//   soak frame=N rss_kb=... peak_rss_kb=... heap_bytes=...
// Usage: marivane_soak CHECKPOINT... (ascending frame numbers), run from the
// assets folder under a display. Ends through exit(0), as the program does.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/clock.h"
#include "app/main_loop.h"
#include "app/startup.h"
#include "process_memory.h"

int main(int argc, char** argv)
{
    std::vector<long> checkpoints;
    for (int i = 1; i < argc; ++i)
        checkpoints.push_back(std::strtol(argv[i], nullptr, 10));
    if (checkpoints.empty())
        checkpoints = {1000, 10000};

    startUp();
    FrameRateSampler sampler;
    std::size_t next = 0;
    for (long frame = 1; next < checkpoints.size(); ++frame) {
        runMainLoopIteration(sampler);
        if (frame == checkpoints[next]) {
            const ProcessMemory memory = readProcessMemory();
            std::printf("soak frame=%ld rss_kb=%ld peak_rss_kb=%ld heap_bytes=%lld\n", frame, memory.residentKb,
                        memory.peakResidentKb, memory.heapInUse);
            std::fflush(stdout);
            ++next;
        }
    }
    std::exit(0);
}
