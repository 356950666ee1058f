// The bytes this process holds from malloc right now, counted exactly by the
// allocation functions that live_heap.cpp defines for the whole process.
#pragma once

long long liveHeapBytes();
