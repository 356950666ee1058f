// CPU time, for figures that should not count what other processes on a
// shared machine take from us.
#pragma once

// The calling thread's CPU seconds (user and system).
double threadCpuSeconds();
// This process's CPU seconds, all threads (llvmpipe's included).
double processCpuSeconds();

// Wall and CPU seconds taken together.
struct Elapsed {
    double cpu = 0.0;
    double wall = 0.0;
};

// Starts at construction; the CPU clock is one of the two above.
class Stopwatch {
public:
    using CpuClock = double (*)();
    explicit Stopwatch(CpuClock cpuClock);
    Elapsed elapsed() const;

private:
    CpuClock cpuClock;
    double cpuStart;
    double wallStart;
};
