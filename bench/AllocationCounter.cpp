// The replaced allocation functions. glibc's own entry points do the work, so
// operator new is counted once, not again as the malloc it calls.
#include "AllocationCounter.h"
#include <atomic>
#include <cerrno>
#include <cstddef>
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

void* NewBlock(size_t size)
{
    sNew.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size ? size : 1);
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
