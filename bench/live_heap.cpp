// The soak driver's own allocation functions. Defined in the executable (and
// exported, see CMakeLists.txt), they take every malloc, free and new of the
// process, Mesa's and LLVM's included, count the usable size of each block
// and pass the call on to glibc. mallinfo2 is not exact enough to show a slow
// leak: it counts the blocks parked in each thread's cache as in use, and
// llvmpipe's threads make that drift by kilobytes from frame to frame.
#include "live_heap.h"

#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>

extern "C" {
void* __libc_malloc(std::size_t size);
void __libc_free(void* block);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

namespace {

constinit std::atomic<long long> liveBytes{0};

void* counted(void* block)
{
    if (block != nullptr)
        liveBytes.fetch_add(static_cast<long long>(malloc_usable_size(block)), std::memory_order_relaxed);
    return block;
}

void uncount(void* block)
{
    if (block != nullptr)
        liveBytes.fetch_sub(static_cast<long long>(malloc_usable_size(block)), std::memory_order_relaxed);
}

bool isPowerOfTwo(std::size_t value)
{
    return value != 0 && (value & (value - 1)) == 0;
}

}  // namespace

long long liveHeapBytes()
{
    return liveBytes.load(std::memory_order_relaxed);
}

extern "C" {

void* malloc(std::size_t size)
{
    return counted(__libc_malloc(size));
}

void free(void* block)
{
    uncount(block);
    __libc_free(block);
}

void* calloc(std::size_t count, std::size_t size)
{
    return counted(__libc_calloc(count, size));
}

void* realloc(void* block, std::size_t size)
{
    // On failure the old block stays live, and stays counted.
    const long long before = block != nullptr ? static_cast<long long>(malloc_usable_size(block)) : 0;
    void* moved = __libc_realloc(block, size);
    if (moved == nullptr && size != 0)
        return nullptr;
    liveBytes.fetch_sub(before, std::memory_order_relaxed);
    return counted(moved);
}

void* memalign(std::size_t alignment, std::size_t size)
{
    return counted(__libc_memalign(alignment, size));
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    return counted(__libc_memalign(alignment, size));
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size)
{
    if (!isPowerOfTwo(alignment) || alignment % sizeof(void*) != 0)
        return EINVAL;
    void* block = __libc_memalign(alignment, size);
    if (block == nullptr)
        return ENOMEM;
    *result = counted(block);
    return 0;
}

void* valloc(std::size_t size)
{
    return counted(__libc_memalign(static_cast<std::size_t>(sysconf(_SC_PAGESIZE)), size));
}

void* pvalloc(std::size_t size)
{
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return counted(__libc_memalign(page, (size + page - 1) / page * page));
}

}  // extern "C"
