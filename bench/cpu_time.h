// CPU time, for figures that should not count what other processes on a
// shared machine take from us.
#pragma once

// The calling thread's CPU seconds (user and system).
double threadCpuSeconds();
// This process's CPU seconds, all threads (llvmpipe's included).
double processCpuSeconds();
