#include "physics/TileBodyPool.h"
#include <new>

namespace Framework
{
Body* TileBodyPool::Make()
{
    if (mFree.empty())
    {
        mBlocks.emplace_back(new Slot[BlockTiles]);
        Slot* block = mBlocks.back().get();
        // Back to front, so a level's tiles fill a block in address order.
        for (size_t i = BlockTiles; i-- > 0;)
            mFree.push_back(block + i);
    }
    Slot* slot = mFree.back();
    mFree.pop_back();
    return new (slot->mBytes) TileBody();
}

void TileBodyPool::Destroy(Body* tile)
{
    if (!tile)
        return;
    TileBody* whole = static_cast<TileBody*>(tile);
    whole->~TileBody();
    mFree.push_back(reinterpret_cast<Slot*>(whole));
}
} // namespace Framework
