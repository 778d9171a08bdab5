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

TEST(TileBodies, ASpawnedTileIsAStaticBoxOfItsKindInItsCellAndTheBodyList)
{
    PhysicsScope scope;
    TileGrid& tiles = scope.mFactory->mTileGrid;
    tiles.Resize(10, 10);
    gSpatialGrid->Resize(10, 10);
    TileCell& cell = tiles.mRows[3][4];
    cell.mUsed = true;
    cell.mKind = 4;
    tiles.SpawnTiles();

    ASSERT_EQ(gSpatialGrid->GetTileBodies().size(), 1u);
    Body* tile = gSpatialGrid->GetTileBodies()[0];
    EXPECT_EQ(tile->mTileType, 4u);
    EXPECT_TRUE(tile->mStatic);
    EXPECT_EQ(tile->mInverseMass, 0.0f);
    EXPECT_EQ(tile->mPosition.x, 4.5f);
    EXPECT_EQ(tile->mPosition.y, 3.5f);
    ASSERT_NE(tile->mTransform, nullptr);
    EXPECT_EQ(tile->mTransform->mScale.z, 0.0f);
    EXPECT_EQ(tile->mTransform->mMatrix.m[0][2], 4.5f);
    auto* box = static_cast<ShapeOBB*>(tile->mShape);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->mBody, tile);
    EXPECT_EQ(box->Offset.y, tiles.mKinds[4].mOffset.y);
    EXPECT_EQ(box->HalfLength.x, tiles.mKinds[4].mHalfLength.x);
    EXPECT_TRUE(Listed(gPhysics->mBodies, tile));
    int column = 0, row = 0;
    ASSERT_TRUE(gSpatialGrid->CellOf(tile->GetShapeCenter(), column, row));
    const CellList& home = gSpatialGrid->GetCell(column, row);
    EXPECT_NE(std::find(home.begin(), home.end(), tile), home.end());
}

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
    std::vector<Body*> tiles;
    for (int i = 0; i < 700; ++i) // more than one block
        tiles.push_back(pool.Make());
    const size_t capacity = pool.Capacity();
    EXPECT_GE(capacity, 700u);
    for (Body* tile : tiles)
    {
        EXPECT_EQ(tile->mShape->mBody, tile);
        pool.Destroy(tile);
    }
    for (int i = 0; i < 700; ++i)
        tiles[static_cast<size_t>(i)] = pool.Make();
    EXPECT_EQ(pool.Capacity(), capacity);
    std::sort(tiles.begin(), tiles.end());
    EXPECT_EQ(std::adjacent_find(tiles.begin(), tiles.end()), tiles.end()); // no slot given twice
    for (Body* tile : tiles)
        pool.Destroy(tile);
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
