// The soak driver's own allocation functions. Defined in the executable (and
// exported, see CMakeLists.txt), they take every malloc, free and new of the
// process, Mesa's and LLVM's included, count the usable size of each block
// and pass the call on to glibc. mallinfo2 is not exact enough to show a slow
// leak: it counts the blocks parked in each thread's cache as in use, and
// llvmpipe's threads make that drift by kilobytes from frame to frame.
//
// Each block is also put down to whoever asked for it, by the address the
// allocation function returns to: this executable (the program), liborlin.so,
// or anyone else. The program's and Orlin's live blocks are few, so they are
// kept in a small table of their own (no allocation, a spin lock: llvmpipe's
// threads allocate too); a block the table does not hold is someone else's.
// Blocks the C or C++ library allocates inside its own code on our behalf
// (an out-of-line std::string growth, fopen) count as someone else's.
#include "live_heap.h"

#include <link.h>
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

extern "C" {
void* __libc_malloc(std::size_t size);
void __libc_free(void* block);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
}

// The linker's bounds of this executable's code.
extern "C" char __executable_start[];
extern "C" char etext[];

namespace {

constinit std::atomic<long long> liveBytes{0};
constinit std::atomic<long long> ownerBytes[3]{};

std::uintptr_t orlinCodeStart = 0;
std::uintptr_t orlinCodeEnd = 0;

// Open addressing with linear probing; entries are block address | owner
// (blocks are at least 16-byte aligned), 0 for a free slot.
constexpr std::size_t tableSlots = std::size_t{1} << 16;
constinit std::uintptr_t table[tableSlots]{};
constinit std::size_t tableUsed = 0;
constinit std::atomic_flag tableLock = ATOMIC_FLAG_INIT;

struct TableGuard {
    TableGuard()
    {
        while (tableLock.test_and_set(std::memory_order_acquire)) {
        }
    }
    ~TableGuard() { tableLock.clear(std::memory_order_release); }
};

std::size_t homeSlot(std::uintptr_t address)
{
    return static_cast<std::size_t>(((address >> 4) * 0x9E3779B97F4A7C15ull) >> (64 - 16));
}

// False when the table is too full; the block then counts as someone else's.
bool remember(void* block, HeapOwner owner)
{
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    TableGuard guard;
    if (tableUsed >= tableSlots / 4 * 3)
        return false;
    std::size_t slot = homeSlot(address);
    while (table[slot] != 0)
        slot = (slot + 1) & (tableSlots - 1);
    table[slot] = address | static_cast<std::uintptr_t>(owner);
    ++tableUsed;
    return true;
}

// The owner of a block being freed, and the block forgotten.
HeapOwner forget(void* block)
{
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    TableGuard guard;
    std::size_t slot = homeSlot(address);
    while (table[slot] != 0 && (table[slot] & ~std::uintptr_t{15}) != address)
        slot = (slot + 1) & (tableSlots - 1);
    if (table[slot] == 0)
        return HeapOwner::other;
    const auto owner = static_cast<HeapOwner>(table[slot] & 15);
    // Backward-shift deletion: later entries of the same run move up, so that
    // no lookup stops early at the freed slot.
    std::size_t hole = slot;
    for (std::size_t next = (hole + 1) & (tableSlots - 1); table[next] != 0; next = (next + 1) & (tableSlots - 1)) {
        const std::size_t home = homeSlot(table[next] & ~std::uintptr_t{15});
        const bool staysPut = hole <= next ? (hole < home && home <= next) : (hole < home || home <= next);
        if (!staysPut) {
            table[hole] = table[next];
            hole = next;
        }
    }
    table[hole] = 0;
    --tableUsed;
    return owner;
}

HeapOwner ownerOfCaller(const void* returnAddress)
{
    const auto address = reinterpret_cast<std::uintptr_t>(returnAddress);
    if (address >= reinterpret_cast<std::uintptr_t>(__executable_start) &&
        address < reinterpret_cast<std::uintptr_t>(etext))
        return HeapOwner::program;
    if (address >= orlinCodeStart && address < orlinCodeEnd)
        return HeapOwner::orlin;
    return HeapOwner::other;
}

void* counted(void* block, HeapOwner owner)
{
    if (block == nullptr)
        return block;
    const auto size = static_cast<long long>(malloc_usable_size(block));
    liveBytes.fetch_add(size, std::memory_order_relaxed);
    if (owner != HeapOwner::other && !remember(block, owner))
        owner = HeapOwner::other;
    ownerBytes[static_cast<int>(owner)].fetch_add(size, std::memory_order_relaxed);
    return block;
}

void uncount(void* block)
{
    if (block == nullptr)
        return;
    const auto size = static_cast<long long>(malloc_usable_size(block));
    liveBytes.fetch_sub(size, std::memory_order_relaxed);
    ownerBytes[static_cast<int>(forget(block))].fetch_sub(size, std::memory_order_relaxed);
}

int findOrlinCode(dl_phdr_info* info, std::size_t, void*)
{
    if (info->dlpi_name == nullptr || std::strstr(info->dlpi_name, "liborlin.so") == nullptr)
        return 0;
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X) != 0) {
            orlinCodeStart = info->dlpi_addr + segment.p_vaddr;
            orlinCodeEnd = orlinCodeStart + segment.p_memsz;
        }
    }
    return 1;
}

// liborlin.so is loaded with the executable, before any constructor runs;
// what Orlin allocates before this runs counts as someone else's.
[[gnu::constructor]] void locateOrlin()
{
    dl_iterate_phdr(findOrlinCode, nullptr);
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

long long liveHeapBytes(HeapOwner owner)
{
    return ownerBytes[static_cast<int>(owner)].load(std::memory_order_relaxed);
}

extern "C" {

void* malloc(std::size_t size)
{
    return counted(__libc_malloc(size), ownerOfCaller(__builtin_return_address(0)));
}

void free(void* block)
{
    uncount(block);
    __libc_free(block);
}

void* calloc(std::size_t count, std::size_t size)
{
    return counted(__libc_calloc(count, size), ownerOfCaller(__builtin_return_address(0)));
}

void* realloc(void* block, std::size_t size)
{
    // On failure the old block stays live, and stays counted.
    // The block keeps its owner; a new one belongs to the caller.
    const long long before = block != nullptr ? static_cast<long long>(malloc_usable_size(block)) : 0;
    const HeapOwner owner = block != nullptr ? forget(block) : ownerOfCaller(__builtin_return_address(0));
    void* moved = __libc_realloc(block, size);
    if (moved == nullptr && size != 0) {
        if (owner != HeapOwner::other)
            remember(block, owner);
        return nullptr;
    }
    liveBytes.fetch_sub(before, std::memory_order_relaxed);
    ownerBytes[static_cast<int>(owner)].fetch_sub(before, std::memory_order_relaxed);
    return counted(moved, owner);
}

void* memalign(std::size_t alignment, std::size_t size)
{
    return counted(__libc_memalign(alignment, size), ownerOfCaller(__builtin_return_address(0)));
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    return counted(__libc_memalign(alignment, size), ownerOfCaller(__builtin_return_address(0)));
}

int posix_memalign(void** result, std::size_t alignment, std::size_t size)
{
    if (!isPowerOfTwo(alignment) || alignment % sizeof(void*) != 0)
        return EINVAL;
    void* block = __libc_memalign(alignment, size);
    if (block == nullptr)
        return ENOMEM;
    *result = counted(block, ownerOfCaller(__builtin_return_address(0)));
    return 0;
}

void* valloc(std::size_t size)
{
    return counted(__libc_memalign(static_cast<std::size_t>(sysconf(_SC_PAGESIZE)), size),
                   ownerOfCaller(__builtin_return_address(0)));
}

void* pvalloc(std::size_t size)
{
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return counted(__libc_memalign(page, (size + page - 1) / page * page), ownerOfCaller(__builtin_return_address(0)));
}

}  // extern "C"

// The C++ allocation functions too, so that a new is put down to the code
// that wrote it and not to the C++ library (the aligned and nothrow forms are
// left to it, and count as someone else's).
namespace {

void* newBlock(std::size_t size, const void* caller)
{
    void* block = counted(__libc_malloc(size == 0 ? 1 : size), ownerOfCaller(caller));
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

}  // namespace

void* operator new(std::size_t size)
{
    return newBlock(size, __builtin_return_address(0));
}

void* operator new[](std::size_t size)
{
    return newBlock(size, __builtin_return_address(0));
}

void operator delete(void* block) noexcept
{
    free(block);
}

void operator delete[](void* block) noexcept
{
    free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    free(block);
}
