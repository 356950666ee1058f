// Running the program (or the soak driver) as a child process and collecting
// what it prints.
#pragma once

#include <string>
#include <vector>

struct ChildRun {
    double spawnedAt = 0.0;  // monotonic seconds, read just before the spawn
    int exitStatus = -1;     // -1 when killed by a signal or by the timeout
    bool timedOut = false;
    double cpuSeconds = 0.0; // user and system time of the child, all its threads
    std::string output;      // standard output and standard error, interleaved
};

// Runs program with args in workDir, with extra "NAME=value" entries added to
// this process's environment. Kills it after timeoutSeconds.
ChildRun runChild(const std::string& program, const std::vector<std::string>& args, const std::string& workDir,
                  const std::vector<std::string>& extraEnv, double timeoutSeconds);

// Seconds on the monotonic clock, the same clock the start-up trace prints.
double monotonicSeconds();
