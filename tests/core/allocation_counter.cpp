#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Replaces the program's global operator new and delete. In a file of its
// own so no caller's allocations are inlined into these.
namespace {
std::atomic<long> liveBlocks{0};
}  // namespace

long liveHeapBlocks()
{
    return liveBlocks.load();
}

void* operator new(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr)
        throw std::bad_alloc();
    ++liveBlocks;
    return block;
}

void operator delete(void* block) noexcept
{
    if (block == nullptr)
        return;
    --liveBlocks;
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}
