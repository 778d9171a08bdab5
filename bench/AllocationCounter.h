// Counts heap allocations of the whole process: every form of operator new
// (the engine's own) and every malloc-family call (libraries and the GL
// driver), by replacing them in the benchmark program.
#pragma once
#include <cstdint>

namespace Bench
{
struct AllocationCount
{
    uint64_t mNew = 0;    // operator new and new[]
    uint64_t mMalloc = 0; // malloc, calloc, realloc, memalign and friends called directly
    uint64_t Total() const { return mNew + mMalloc; }
};

AllocationCount CountAllocations();
} // namespace Bench
