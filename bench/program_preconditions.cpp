#include "program_preconditions.h"

#include <cstdlib>

#include "bench_paths.h"

std::string whyProgramCannotRun()
{
    if (std::getenv("DISPLAY") == nullptr)
        return "no DISPLAY (scripts/bench provides one)";
    if (std::string missing = missingAssets(); !missing.empty())
        return "assets missing in " + assetsDir() + ": " + missing;
    return {};
}
