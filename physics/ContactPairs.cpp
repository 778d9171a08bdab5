// ContactPairs: the open-addressing table of body pairs recorded this step.
#include "physics/ContactPairs.h"
#include <utility>

namespace Framework
{
namespace
{
void Order(const Body* a, const Body* b, uintptr_t& low, uintptr_t& high)
{
    low = reinterpret_cast<uintptr_t>(a);
    high = reinterpret_cast<uintptr_t>(b);
    if (low > high)
        std::swap(low, high);
}

size_t Hash(uintptr_t low, uintptr_t high)
{
    uint64_t h = static_cast<uint64_t>(low) * 0x9E3779B97F4A7C15ull;
    h ^= static_cast<uint64_t>(high) + 0x7F4A7C159E3779B9ull + (h << 6) + (h >> 2);
    h ^= h >> 31;
    return static_cast<size_t>(h);
}
} // namespace

void ContactPairs::Clear()
{
    ++mStamp;
    mUsed = 0;
    if (mStamp == 0)
    {
        // The stamp wrapped: old slots could look current, so wipe them once.
        for (Slot& slot : mSlots)
            slot = Slot();
        mStamp = 1;
    }
}

size_t ContactPairs::Find(uintptr_t low, uintptr_t high) const
{
    const size_t mask = mSlots.size() - 1;
    size_t i = Hash(low, high) & mask;
    while (mSlots[i].mStamp == mStamp && !(mSlots[i].mLow == low && mSlots[i].mHigh == high))
        i = (i + 1) & mask;
    return i;
}

void ContactPairs::Grow()
{
    std::vector<Slot> old = std::move(mSlots);
    mSlots.assign(old.empty() ? 256 : old.size() * 2, Slot());
    const uint32_t oldStamp = mStamp;
    mStamp = 1;
    mUsed = 0;
    for (const Slot& slot : old)
    {
        if (slot.mStamp != oldStamp)
            continue;
        Slot& target = mSlots[Find(slot.mLow, slot.mHigh)];
        target = slot;
        target.mStamp = mStamp;
        ++mUsed;
    }
}

void ContactPairs::Add(const Body* a, const Body* b)
{
    if ((mUsed + 1) * 2 > mSlots.size())
        Grow();
    uintptr_t low, high;
    Order(a, b, low, high);
    Slot& slot = mSlots[Find(low, high)];
    if (slot.mStamp != mStamp)
    {
        slot.mLow = low;
        slot.mHigh = high;
        slot.mCount = 0;
        slot.mStamp = mStamp;
        ++mUsed;
    }
    ++slot.mCount;
}

void ContactPairs::Remove(const Body* a, const Body* b)
{
    if (mSlots.empty())
        return;
    uintptr_t low, high;
    Order(a, b, low, high);
    Slot& slot = mSlots[Find(low, high)];
    // An emptied slot stays in use with count 0, so probe chains stay intact.
    if (slot.mStamp == mStamp && slot.mCount > 0)
        --slot.mCount;
}

bool ContactPairs::Contains(const Body* a, const Body* b) const
{
    if (mSlots.empty())
        return false;
    uintptr_t low, high;
    Order(a, b, low, high);
    const Slot& slot = mSlots[Find(low, high)];
    return slot.mStamp == mStamp && slot.mCount > 0;
}
} // namespace Framework
