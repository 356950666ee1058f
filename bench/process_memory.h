// This process's memory, as the kernel sees it.
#pragma once

struct ProcessMemory {
    long residentKb = -1;      // VmRSS
    long peakResidentKb = -1;  // VmHWM, the high-water mark
};

ProcessMemory readProcessMemory();
