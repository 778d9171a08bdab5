// The bodies of one grid cell, in the order they entered it. A cell rarely
// holds more than a handful, so they are kept inside the cell itself, and the
// cells of a column lie next to each other in memory: the cell pass walks them
// in that order without a trip to the heap per cell. A crowded cell moves its
// list to the heap and keeps that room.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace Framework
{
class Body;

class alignas(64) CellList
{
public:
    static constexpr uint32_t InlineCount = 6; // fills one 64-byte line with the counts and the heap pointer

    CellList() = default;
    ~CellList() { delete[] mHeap; }
    CellList(const CellList&) = delete;
    CellList& operator=(const CellList&) = delete;
    CellList(CellList&& other) noexcept { *this = static_cast<CellList&&>(other); }
    CellList& operator=(CellList&& other) noexcept
    {
        if (this == &other)
            return *this;
        delete[] mHeap;
        std::memcpy(mInline, other.mInline, sizeof mInline);
        mHeap = other.mHeap;
        mSize = other.mSize;
        mCapacity = other.mCapacity;
        other.mHeap = nullptr;
        other.mSize = 0;
        other.mCapacity = InlineCount;
        return *this;
    }

    size_t size() const { return mSize; }
    bool empty() const { return mSize == 0; }
    Body* operator[](size_t i) const { return Data()[i]; }
    Body* const* begin() const { return Data(); }
    Body* const* end() const { return Data() + mSize; }

    void push_back(Body* body)
    {
        if (mSize == mCapacity)
            Grow();
        Data()[mSize++] = body;
    }
    // Removes the first occurrence, keeping the order of the rest; false when absent.
    bool RemoveFirst(const Body* body)
    {
        Body** data = Data();
        Body** found = std::find(data, data + mSize, body);
        if (found == data + mSize)
            return false;
        std::copy(found + 1, data + mSize, found);
        --mSize;
        return true;
    }
    void clear() { mSize = 0; }

private:
    Body** Data() { return mHeap ? mHeap : mInline; }
    Body* const* Data() const { return mHeap ? mHeap : mInline; }
    void Grow()
    {
        const uint32_t capacity = mCapacity * 2;
        Body** heap = new Body*[capacity];
        std::copy(Data(), Data() + mSize, heap);
        delete[] mHeap;
        mHeap = heap;
        mCapacity = capacity;
    }

    Body* mInline[InlineCount] = {};
    Body** mHeap = nullptr; // the list once it outgrew mInline; owned
    uint32_t mSize = 0;
    uint32_t mCapacity = InlineCount;
};
static_assert(sizeof(CellList) == 64, "one cell, one cache line");
} // namespace Framework
