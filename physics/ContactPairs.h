// Counts the contact records of each unordered body pair during one step, so
// that "is this pair recorded yet?" costs one lookup instead of a scan of the
// contact list. Open addressing; clearing is O(1) by advancing a stamp; the
// table grows only when a step records more pairs than ever before.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Framework
{
class Body;

class ContactPairs
{
public:
    void Clear();
    void Add(const Body* a, const Body* b);
    // Forgets one record of the pair.
    void Remove(const Body* a, const Body* b);
    bool Contains(const Body* a, const Body* b) const;

private:
    struct Slot
    {
        uintptr_t mLow = 0;  // the smaller body address
        uintptr_t mHigh = 0; // the larger body address
        uint32_t mCount = 0; // records of the pair this step
        uint32_t mStamp = 0; // the slot is in use when it equals mStamp of the table
    };
    // Index of the pair's slot, or of the free slot where it would go.
    size_t Find(uintptr_t low, uintptr_t high) const;
    void Grow();

    std::vector<Slot> mSlots;
    uint32_t mStamp = 1;
    size_t mUsed = 0;
};
} // namespace Framework
