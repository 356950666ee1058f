// This process's memory, as the kernel and the allocator see it.
#pragma once

struct ProcessMemory {
    long residentKb = -1;      // VmRSS
    long peakResidentKb = -1;  // VmHWM, the high-water mark
    long long heapInUse = -1;  // bytes handed out by malloc and not freed
};

ProcessMemory readProcessMemory();
