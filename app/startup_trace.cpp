#include "app/startup_trace.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

const bool tracing = std::getenv("MARIVANE_STARTUP_TRACE") != nullptr;

}  // namespace

void traceStartupPhase(const char* phase)
{
    if (!tracing)
        return;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "startup-trace %s %lld.%09ld\n", phase, static_cast<long long>(now.tv_sec), now.tv_nsec);
}

void finishStartupTrace()
{
    if (!tracing)
        return;
    traceStartupPhase("complete_frame");
    std::exit(0);
}
