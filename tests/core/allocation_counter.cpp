#include "allocation_counter.h"

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

// Replaces every form of the program's global operator new and delete, so all
// of them (the libraries' too) meet in malloc and free: replacing only some
// would pair one allocator's blocks with another's release. In a file of its
// own so no caller's allocations are inlined into these.
namespace {

std::atomic<long> liveBlocks{0};

void* allocate(std::size_t size, std::size_t alignment = 0) noexcept
{
    if (size == 0)
        size = 1;
    void* block = nullptr;
    if (alignment > alignof(std::max_align_t))
        block = std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment);
    else
        block = std::malloc(size);
    if (block != nullptr)
        ++liveBlocks;
    return block;
}

void* allocateOrThrow(std::size_t size, std::size_t alignment = 0)
{
    void* block = allocate(size, alignment);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

void release(void* block) noexcept
{
    if (block == nullptr)
        return;
    --liveBlocks;
    std::free(block);
}

}  // namespace

long liveHeapBlocks()
{
    return liveBlocks.load();
}

void* operator new(std::size_t size) { return allocateOrThrow(size); }
void* operator new[](std::size_t size) { return allocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new(std::size_t size, std::align_val_t a) { return allocateOrThrow(size, static_cast<std::size_t>(a)); }
void* operator new[](std::size_t size, std::align_val_t a) { return allocateOrThrow(size, static_cast<std::size_t>(a)); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
    return allocate(size, static_cast<std::size_t>(a));
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
    return allocate(size, static_cast<std::size_t>(a));
}

void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t) noexcept { release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { release(block); }
void operator delete(void* block, std::align_val_t) noexcept { release(block); }
void operator delete[](void* block, std::align_val_t) noexcept { release(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { release(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { release(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { release(block); }
