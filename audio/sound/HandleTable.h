// A table of objects kept in slots and reached through generation-checked
// handles (the sounds, channels and groups of the mixer).
#pragma once
#include <cstdint>
#include <limits>
#include <vector>
#include "audio/sound/SoundHandles.h"

namespace Framework
{
namespace Sound
{
// Handles are never reused: removing an object advances its slot's generation,
// and a slot whose generation would wrap around is retired for good.
template <class T, class Tag>
class HandleTable
{
public:
    using HandleType = Handle<Tag>;

    // capacity 0: no limit.
    explicit HandleTable(size_t capacity = 0) : mCapacity(capacity) {}

    // A null handle when the pool is full.
    HandleType Add(T value)
    {
        if (mCapacity != 0 && mLiveCount >= mCapacity)
            return {};
        uint32_t slot;
        if (!mFree.empty())
        {
            slot = mFree.back();
            mFree.pop_back();
        }
        else
        {
            slot = static_cast<uint32_t>(mSlots.size());
            mSlots.emplace_back();
        }
        Slot& s = mSlots[slot];
        ++s.mGeneration;
        s.mLive = true;
        s.mValue = std::move(value);
        ++mLiveCount;
        return {slot, s.mGeneration};
    }

    T* Find(HandleType handle)
    {
        if (handle.IsNull() || handle.mSlot >= mSlots.size())
            return nullptr;
        Slot& s = mSlots[handle.mSlot];
        return s.mLive && s.mGeneration == handle.mGeneration ? &s.mValue : nullptr;
    }

    bool Remove(HandleType handle)
    {
        if (!Find(handle))
            return false;
        Slot& s = mSlots[handle.mSlot];
        s.mLive = false;
        s.mValue = T();
        --mLiveCount;
        // The next Add bumps the generation again; a slot at the last
        // generation is never handed out again.
        if (s.mGeneration < std::numeric_limits<uint32_t>::max() - 1)
            mFree.push_back(handle.mSlot);
        return true;
    }

    // Calls fn(handle, value) for every live object, in slot order.
    template <class Fn>
    void ForEach(Fn fn)
    {
        for (uint32_t i = 0; i < mSlots.size(); ++i)
            if (mSlots[i].mLive)
                fn(HandleType{i, mSlots[i].mGeneration}, mSlots[i].mValue);
    }

    std::vector<HandleType> Handles() const
    {
        std::vector<HandleType> out;
        for (uint32_t i = 0; i < mSlots.size(); ++i)
            if (mSlots[i].mLive)
                out.push_back({i, mSlots[i].mGeneration});
        return out;
    }

    size_t LiveCount() const { return mLiveCount; }
    // With a limit, the free list gets its room at once: removing (on the
    // output thread, for channels) then never allocates.
    void SetCapacity(size_t capacity)
    {
        mCapacity = capacity;
        mFree.reserve(capacity);
        mSlots.reserve(capacity);
    }

    // Removes everything; generations are kept so old handles stay stale.
    void Clear()
    {
        for (const HandleType& h : Handles())
            Remove(h);
    }

private:
    struct Slot
    {
        T mValue{};
        uint32_t mGeneration = 0; // 0 until first use; advances on every Add
        bool mLive = false;
    };
    std::vector<Slot> mSlots;
    std::vector<uint32_t> mFree;
    size_t mCapacity;
    size_t mLiveCount = 0;
};
} // namespace Sound
} // namespace Framework
