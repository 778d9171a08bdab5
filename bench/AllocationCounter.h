// Counts heap allocations of the whole process: every form of operator new
// (the engine's own) and every malloc-family call (libraries and the GL
// driver), by replacing them in the benchmark program; on demand it keeps the
// call stacks of the engine's allocations.
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

// With TANDREL_BENCH_TRACE_NEW set, the first few operator new calls after
// ArmNewTraces() keep their call stacks (on whichever thread made them), and
// PrintNewTraces() writes them to stderr as addresses for addr2line. It
// allocates nothing itself, so it can run around any frame.
void ArmNewTraces();
void PrintNewTraces(const char* label);
} // namespace Bench
