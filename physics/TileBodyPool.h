// Storage for the grid's tile bodies, in blocks of many: a level switch destroys
// and makes thousands of them, and one heap allocation each cost more than
// everything else the tile spawn does. Slots of destroyed tiles are reused; the
// blocks are kept for the next level and freed with the pool.
#pragma once
#include <cstddef>
#include <memory>
#include <vector>
#include "physics/TileBody.h"

namespace Framework
{
class TileBodyPool
{
public:
    TileBodyPool() = default;
    TileBodyPool(const TileBodyPool&) = delete;
    TileBodyPool& operator=(const TileBodyPool&) = delete;

    // A new tile body, as `new TileBody()` would make it.
    Body* Make();
    // Runs the destructor of a body that Make returned and frees its slot.
    void Destroy(Body* tile);
    // Forgets every block without freeing it: tile bodies never destroyed may
    // still be listed elsewhere, and must stay readable.
    void Abandon()
    {
        for (auto& block : mBlocks)
            block.release();
        mBlocks.clear();
        mFree.clear();
    }
    // Slots held in all (for tests).
    size_t Capacity() const { return mBlocks.size() * BlockTiles; }

private:
    static constexpr size_t BlockTiles = 512;
    struct Slot
    {
        alignas(TileBody) unsigned char mBytes[sizeof(TileBody)];
    };
    std::vector<std::unique_ptr<Slot[]>> mBlocks;
    std::vector<Slot*> mFree; // taken from the back
};
} // namespace Framework
