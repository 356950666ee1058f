// Runs Marivane's own start-up and main loop for a fixed number of frames and
// prints its memory after chosen frames, one line each on standard error
// (unbuffered: a stdout buffer would be a heap allocation of the soak's own):
//   soak frame=N rss_kb=... peak_rss_kb=... heap_bytes=...
// heap_bytes is the least heap in use over the ten frames up to N: llvmpipe
// frees each frame's binning memory from its own threads, so a single
// reading may still count a frame in flight.
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

    constexpr long window = 10;
    startUp();
    FrameRateSampler sampler;
    std::size_t next = 0;
    long long leastHeap = -1;
    for (long frame = 1; next < checkpoints.size(); ++frame) {
        runMainLoopIteration(sampler);
        if (frame <= checkpoints[next] - window)
            continue;
        const ProcessMemory memory = readProcessMemory();
        if (leastHeap < 0 || memory.heapInUse < leastHeap)
            leastHeap = memory.heapInUse;
        if (frame == checkpoints[next]) {
            std::fprintf(stderr, "soak frame=%ld rss_kb=%ld peak_rss_kb=%ld heap_bytes=%lld\n", frame, memory.residentKb,
                        memory.peakResidentKb, leastHeap);
            leastHeap = -1;
            ++next;
        }
    }
    std::exit(0);
}
