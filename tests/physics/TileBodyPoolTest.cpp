#include <gtest/gtest.h>
#include <algorithm>
#include <vector>
#include "physics/TileBodyPool.h"
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using TestSupport::BodySpec;
using TestSupport::PhysicsScope;

namespace
{
bool Listed(const std::vector<Body*>& list, const Body* body)
{
    return std::find(list.begin(), list.end(), body) != list.end();
}
} // namespace

TEST(TileBodies, ARemovedTileLeavesItsCellAndTheBodyListAndItsSlotIsReused)
{
    PhysicsScope scope;
    scope.mFactory->mTileGrid.Resize(10, 10);
    scope.mFactory->mTileGrid.mRows[2][2].mKind = 1;
    gSpatialGrid->AddTile(Vec3(2.5f, 2.5f, -8));
    Body* first = gSpatialGrid->GetTileBodies().at(0);
    int column = 0, row = 0;
    ASSERT_TRUE(gSpatialGrid->CellOf(first->mPosition, column, row));

    gSpatialGrid->RemoveTileAt(2, 2);
    EXPECT_TRUE(gSpatialGrid->GetTileBodies().empty());
    EXPECT_FALSE(Listed(gPhysics->mBodies, first));
    EXPECT_TRUE(gSpatialGrid->GetCell(column, row).empty());

    gSpatialGrid->AddTile(Vec3(2.5f, 2.5f, -8));
    EXPECT_EQ(gSpatialGrid->GetTileBodies().at(0), first); // the same slot, built afresh
    EXPECT_EQ(gSpatialGrid->GetCell(column, row).size(), 1u);
}

TEST(TileBodyPool, ALevelSwitchReusesTheBlocksOfThePreviousLevel)
{
    TileBodyPool pool;
    std::vector<Body*> tiles(700); // more than one block
    size_t firstCapacity = 0;
    for (int level = 0; level < 2; ++level)
    {
        for (Body*& tile : tiles)
            tile = pool.Make();
        std::vector<Body*> sorted = tiles;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()); // no slot given twice
        for (Body* tile : tiles)
            pool.Destroy(tile);
        if (level == 0)
            firstCapacity = pool.Capacity();
    }
    EXPECT_EQ(pool.Capacity(), firstCapacity);
}

TEST(TileBodies, ReloadingAMapOfTheSameSizeLeavesOneBodyPerUsedCell)
{
    PhysicsScope scope;
    TileGrid& tiles = scope.mFactory->mTileGrid;
    BodySpec box;
    box.mPosition = Vec3(20.5f, 20.5f, 0.0f);
    scope.Make(box); // re-entered by every resize
    for (int load = 0; load < 2; ++load)
    {
        tiles.Resize(40, 40); // the second time: same size, cleared in place
        gSpatialGrid->Resize(40, 40);
        EXPECT_FALSE(tiles.mRows[5][6].mUsed);
        tiles.mRows[5][6].mUsed = true;
        tiles.mRows[5][6].mKind = 1;
        tiles.mRows[5][7].mUsed = load == 0; // used by the first map only
        tiles.mRows[5][7].mKind = 1;
        tiles.SpawnTiles();
    }
    ASSERT_EQ(gSpatialGrid->GetTileBodies().size(), 1u);
    size_t entries = 0;
    for (int column = 0; column < gSpatialGrid->GetColumnCount(); ++column)
        for (int row = 0; row < gSpatialGrid->GetRowCount(); ++row)
            entries += gSpatialGrid->GetCell(column, row).size();
    EXPECT_EQ(entries, 2u); // the tile and the box, once each
    EXPECT_EQ(gSpatialGrid->TileKindAt(7, 5), 0u);
}
