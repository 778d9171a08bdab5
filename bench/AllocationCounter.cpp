// The replaced allocation functions. glibc's own entry points do the work, so
// operator new is counted once, not again as the malloc it calls.
#include "AllocationCounter.h"
#include <execinfo.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <new>

extern "C"
{
    void* __libc_malloc(size_t size);
    void* __libc_calloc(size_t count, size_t size);
    void* __libc_realloc(void* pointer, size_t size);
    void* __libc_memalign(size_t alignment, size_t size);
    void __libc_free(void* pointer);
}

namespace
{
std::atomic<uint64_t> sNew{0};
std::atomic<uint64_t> sMalloc{0};

// The kept call stacks: slots are claimed by an atomic index, so any thread
// may record one; a thread already inside backtrace() records nothing more.
constexpr int TraceSlots = 4;
constexpr int TraceDepth = 48;
struct NewTrace
{
    size_t mSize;
    long mThread;
    int mDepth;
    void* mFrames[TraceDepth];
};
NewTrace sTraces[TraceSlots];
std::atomic<int> sTraceCount{0};
std::atomic<bool> sTracing{false};
thread_local bool tInsideTrace = false;

void RecordTrace(size_t size)
{
    if (tInsideTrace)
        return;
    const int slot = sTraceCount.fetch_add(1, std::memory_order_relaxed);
    if (slot >= TraceSlots)
        return;
    tInsideTrace = true;
    NewTrace& trace = sTraces[slot];
    trace.mSize = size;
    trace.mThread = static_cast<long>(syscall(SYS_gettid));
    trace.mDepth = backtrace(trace.mFrames, TraceDepth);
    tInsideTrace = false;
}

void* NewBlock(size_t size)
{
    sNew.fetch_add(1, std::memory_order_relaxed);
    if (sTracing.load(std::memory_order_relaxed))
        RecordTrace(size);
    return __libc_malloc(size ? size : 1);
}

void WriteText(const char* text, int length)
{
    if (length > 0)
        (void)!write(STDERR_FILENO, text, static_cast<size_t>(length));
}
} // namespace

namespace Bench
{
AllocationCount CountAllocations()
{
    AllocationCount count;
    count.mNew = sNew.load();
    count.mMalloc = sMalloc.load();
    return count;
}

void ArmNewTraces()
{
    static const bool wanted = std::getenv("TANDREL_BENCH_TRACE_NEW") != nullptr;
    if (!wanted)
        return;
    static bool warmedUp = false;
    if (!warmedUp)
    {
        // The first backtrace() loads the unwinder, which allocates.
        void* frames[2];
        backtrace(frames, 2);
        warmedUp = true;
    }
    sTraceCount.store(0);
    sTracing.store(true);
}

void PrintNewTraces(const char* label)
{
    if (!sTracing.load())
        return;
    const int count = sTraceCount.load() < TraceSlots ? sTraceCount.load() : TraceSlots;
    char line[160];
    for (int i = 0; i < count; ++i)
    {
        const NewTrace& trace = sTraces[i];
        WriteText(line, std::snprintf(line, sizeof line, "\noperator new(%zu) on thread %ld in %s:\n", trace.mSize,
                                      trace.mThread, label));
        backtrace_symbols_fd(trace.mFrames, trace.mDepth, STDERR_FILENO);
    }
}
} // namespace Bench

extern "C"
{
    void* malloc(size_t size)
    {
        sMalloc.fetch_add(1, std::memory_order_relaxed);
        return __libc_malloc(size);
    }
    void* calloc(size_t count, size_t size)
    {
        sMalloc.fetch_add(1, std::memory_order_relaxed);
        return __libc_calloc(count, size);
    }
    void* realloc(void* pointer, size_t size)
    {
        sMalloc.fetch_add(1, std::memory_order_relaxed);
        return __libc_realloc(pointer, size);
    }
    void* memalign(size_t alignment, size_t size)
    {
        sMalloc.fetch_add(1, std::memory_order_relaxed);
        return __libc_memalign(alignment, size);
    }
    void* aligned_alloc(size_t alignment, size_t size)
    {
        sMalloc.fetch_add(1, std::memory_order_relaxed);
        return __libc_memalign(alignment, size);
    }
    int posix_memalign(void** out, size_t alignment, size_t size)
    {
        sMalloc.fetch_add(1, std::memory_order_relaxed);
        void* pointer = __libc_memalign(alignment, size);
        if (!pointer && size)
            return ENOMEM;
        *out = pointer;
        return 0;
    }
    void free(void* pointer) { __libc_free(pointer); }
}

void* operator new(std::size_t size)
{
    if (void* pointer = NewBlock(size))
        return pointer;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return NewBlock(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return NewBlock(size); }
void operator delete(void* pointer) noexcept { __libc_free(pointer); }
void operator delete[](void* pointer) noexcept { __libc_free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { __libc_free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { __libc_free(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { __libc_free(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { __libc_free(pointer); }
