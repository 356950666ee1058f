// The five benchmark groups, registered in the order they run and are
// reported. `quick` cuts repetitions and sizes for a smoke run.
#pragma once

void registerFrameBenchmarks(bool quick);
void registerStartupBenchmarks(bool quick);
void registerObjBenchmarks(bool quick);
void registerPngBenchmarks(bool quick);
void registerMemoryBenchmarks(bool quick);
