// The bytes this process holds from malloc right now, counted exactly by the
// allocation functions that live_heap.cpp defines for the whole process.
#pragma once

long long liveHeapBytes();

// Whose code asked for a block: the program's own (this executable), Orlin's
// (liborlin.so), or anyone else's (the GL driver, LLVM, the X library, the C
// and C++ libraries, including what they allocate on our behalf).
enum class HeapOwner { program, orlin, other };
long long liveHeapBytes(HeapOwner owner);
