// Opt-in start-up timing, for the benchmarks. With MARIVANE_STARTUP_TRACE set
// in the environment, the end of each start-up phase is written to standard
// error as "startup-trace PHASE SECONDS", SECONDS read from the monotonic
// clock, and the process exits right after its first complete frame.
// Without the variable every call is one test of a flag read at load time.
#pragma once

void traceStartupPhase(const char* phase);

// Called after the first main-loop frame: records "complete_frame" and exits
// with status 0 when tracing, does nothing otherwise.
void finishStartupTrace();
