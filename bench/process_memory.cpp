#include "process_memory.h"

#include <cstdio>
#include <cstring>

ProcessMemory readProcessMemory()
{
    ProcessMemory memory;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status) != nullptr) {
            if (std::strncmp(line, "VmRSS:", 6) == 0)
                std::sscanf(line + 6, "%ld", &memory.residentKb);
            else if (std::strncmp(line, "VmHWM:", 6) == 0)
                std::sscanf(line + 6, "%ld", &memory.peakResidentKb);
        }
        std::fclose(status);
    }
    return memory;
}
