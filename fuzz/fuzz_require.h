// A broken promise must stop the fuzzer on the input that broke it: abort
// leaves the input behind as a crash artifact.
#pragma once

#include <cstdlib>

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}
