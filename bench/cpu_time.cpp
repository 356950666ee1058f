#include "cpu_time.h"

#include <ctime>

namespace {

double secondsOf(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

}  // namespace

double threadCpuSeconds()
{
    return secondsOf(CLOCK_THREAD_CPUTIME_ID);
}

double processCpuSeconds()
{
    return secondsOf(CLOCK_PROCESS_CPUTIME_ID);
}

Stopwatch::Stopwatch(CpuClock clock) : cpuClock(clock), cpuStart(clock()), wallStart(secondsOf(CLOCK_MONOTONIC)) {}

Elapsed Stopwatch::elapsed() const
{
    return {cpuClock() - cpuStart, secondsOf(CLOCK_MONOTONIC) - wallStart};
}
