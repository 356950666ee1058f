// Runs Marivane's own start-up and main loop for a fixed number of frames
// after an eight-second warm-up and prints its memory after chosen frames
// (counted from the warm-up's end), one line each on standard error
// (unbuffered: a stdout buffer would be a heap allocation of the soak's own):
//   soak frame=N rss_kb=... peak_rss_kb=... heap_bytes=... program_bytes=...
//        orlin_bytes=... other_bytes=...
// (on one line). heap_bytes is the least of the bytes held from malloc (counted exactly, see
// live_heap.cpp) over the 200 frames up to N, a few seconds: llvmpipe frees
// each frame's binning memory from its own threads, and some blocks of the
// driver and the X library live for several frames, so a single reading may
// count memory that is only passing through. The three owners' shares (see
// live_heap.h) are each the least over the same frames.
// Usage: marivane_soak CHECKPOINT... (ascending frame numbers), run from the
// assets folder under a display. Ends through exit(0), as the program does.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/clock.h"
#include "app/main_loop.h"
#include "app/startup.h"
#include "live_heap.h"
#include "process_memory.h"

int main(int argc, char** argv)
{
    std::vector<long> checkpoints;
    for (int i = 1; i < argc; ++i)
        checkpoints.push_back(std::strtol(argv[i], nullptr, 10));
    if (checkpoints.empty())
        checkpoints = {1000, 10000};

    constexpr long window = 200;
    startUp();
    FrameRateSampler sampler;
    // The start-up's own timed changes come first, whatever the frame rate:
    // the help panel fades from the sixth second to 6.8 s and leaves its hint
    // in its place, each allocating once. Frames are counted after them.
    constexpr double warmUpSeconds = 8.0;
    for (const double started = clockReading(); clockReading() - started < warmUpSeconds;)
        runMainLoopIteration(sampler);
    std::size_t next = 0;
    long long leastHeap = -1;
    const HeapOwner owners[3] = {HeapOwner::program, HeapOwner::orlin, HeapOwner::other};
    long long leastOwned[3] = {-1, -1, -1};
    for (long frame = 1; next < checkpoints.size(); ++frame) {
        runMainLoopIteration(sampler);
        if (frame <= checkpoints[next] - window)
            continue;
        const long long heap = liveHeapBytes();
        if (leastHeap < 0 || heap < leastHeap)
            leastHeap = heap;
        for (int k = 0; k < 3; ++k) {
            const long long owned = liveHeapBytes(owners[k]);
            if (leastOwned[k] < 0 || owned < leastOwned[k])
                leastOwned[k] = owned;
        }
        if (frame == checkpoints[next]) {
            const ProcessMemory memory = readProcessMemory();
            std::fprintf(stderr,
                         "soak frame=%ld rss_kb=%ld peak_rss_kb=%ld heap_bytes=%lld program_bytes=%lld "
                         "orlin_bytes=%lld other_bytes=%lld\n",
                         frame, memory.residentKb, memory.peakResidentKb, leastHeap, leastOwned[0], leastOwned[1],
                         leastOwned[2]);
            leastHeap = -1;
            leastOwned[0] = leastOwned[1] = leastOwned[2] = -1;
            ++next;
        }
    }
    std::exit(0);
}
