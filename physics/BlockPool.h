// Storage for the bodies and shapes of objects, each class in blocks of its
// own: one heap allocation each scattered them among the other parts of their
// objects, and the step, which reads every one of them each frame, spent much
// of its time waiting for them. In blocks, the bodies made one after another
// lie side by side, each starting on a cache line. Freed slots are reused; the
// blocks are kept for the next level. A build with the address sanitizer
// allocates each on its own instead, so that a use after free is still caught.
#pragma once
#include <cstddef>
#include <mutex>
#include <new>
#include <vector>

namespace Framework
{
class BlockPool
{
public:
    static constexpr size_t LineSize = 64;

    explicit BlockPool(size_t objectSize) : mSlotSize((objectSize + LineSize - 1) / LineSize * LineSize) {}
    BlockPool(const BlockPool&) = delete;
    BlockPool& operator=(const BlockPool&) = delete;

    // Room for one object of up to the pool's size. Levels are read on a
    // loader thread while the main thread may delete objects: a lock guards it.
    void* Take(size_t size)
    {
        if (size > mSlotSize || Unpooled())
            return ::operator new(size);
        std::lock_guard<std::mutex> lock(mMutex);
        if (!mFree)
            AddBlock();
        FreeSlot* slot = mFree;
        mFree = slot->mNext;
        return slot;
    }
    void Give(void* memory, size_t size)
    {
        if (!memory)
            return;
        if (size > mSlotSize || Unpooled())
        {
            ::operator delete(memory);
            return;
        }
        std::lock_guard<std::mutex> lock(mMutex);
        FreeSlot* slot = static_cast<FreeSlot*>(memory);
        slot->mNext = mFree;
        mFree = slot;
    }

private:
    static constexpr size_t BlockSlots = 256;
    struct FreeSlot
    {
        FreeSlot* mNext;
    };
    static constexpr bool Unpooled()
    {
#if defined(__SANITIZE_ADDRESS__)
        return true;
#else
        return false;
#endif
    }
    void AddBlock()
    {
        char* block = static_cast<char*>(::operator new(mSlotSize* BlockSlots, std::align_val_t(LineSize)));
        mBlocks.push_back(block);
        // Back to front, so that objects made in a row fill the block in address order.
        for (size_t i = BlockSlots; i-- > 0;)
        {
            FreeSlot* slot = reinterpret_cast<FreeSlot*>(block + i * mSlotSize);
            slot->mNext = mFree;
            mFree = slot;
        }
    }

    const size_t mSlotSize;
    std::mutex mMutex;
    FreeSlot* mFree = nullptr;
    std::vector<char*> mBlocks; // never freed: a body may outlive every static
};
} // namespace Framework
