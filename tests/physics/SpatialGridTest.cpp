#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
bool InCell(const Body* body, int column, int row)
{
    const auto& cell = gSpatialGrid->GetCell(column, row);
    return std::find(cell.begin(), cell.end(), body) != cell.end();
}

int CellsHolding(const Body* body)
{
    int count = 0;
    for (int x = 0; x < gSpatialGrid->GetColumnCount(); ++x)
        for (int y = 0; y < gSpatialGrid->GetRowCount(); ++y)
            count += static_cast<int>(
                std::count(gSpatialGrid->GetCell(x, y).begin(), gSpatialGrid->GetCell(x, y).end(), body));
    return count;
}
} // namespace

TEST(GridCells, EdgesAndNegativeCoordinates)
{
    PhysicsScope scope;
    EXPECT_TRUE(InCell(BodyOf(scope.Box(Vec3(59.9f, 1, 0))), 29, 0));
    EXPECT_EQ(CellsHolding(BodyOf(scope.Box(Vec3(60, 1, 0)))), 0);
    EXPECT_TRUE(InCell(BodyOf(scope.Box(Vec3(-1, 1, 0))), 0, 0));
    EXPECT_EQ(CellsHolding(BodyOf(scope.Box(Vec3(-2.5f, 1, 0)))), 0);
}

TEST(GridCells, NaNAndHugePositionsAreInNoCell)
{
    PhysicsScope scope;
    EXPECT_EQ(CellsHolding(BodyOf(scope.Box(Vec3(NAN, 1, 0)))), 0);
    EXPECT_EQ(CellsHolding(BodyOf(scope.Box(Vec3(1e30f, 1, 0)))), 0);
    EXPECT_EQ(CellsHolding(BodyOf(scope.Box(Vec3(5, -INFINITY, 0)))), 0);
}

TEST(GridSpread, LargeBodiesSpreadInACrossOfCells)
{
    PhysicsScope scope;
    BodySpec spec;
    spec.mPosition = Vec3(20, 20, 0);
    spec.mHalfLength = Vec3(6, 1, 0); // w = 6: ceil(3) / 2 = 1 cell each side
    Body* wide = BodyOf(scope.Make(spec));
    EXPECT_TRUE(InCell(wide, 9, 10));
    EXPECT_TRUE(InCell(wide, 11, 10));
    EXPECT_EQ(CellsHolding(wide), 3);

    spec.mHalfLength = Vec3(4, 1, 0); // ceil(2) / 2 = 1
    EXPECT_EQ(CellsHolding(BodyOf(scope.Make(spec))), 3);
    spec.mHalfLength = Vec3(2, 1, 0); // not larger than a cell
    EXPECT_EQ(CellsHolding(BodyOf(scope.Make(spec))), 1);

    spec.mHalfLength = Vec3(10, 10, 0); // ceil(5) / 2 = 2 each way, both axes
    Body* big = BodyOf(scope.Make(spec));
    EXPECT_EQ(CellsHolding(big), 9);
    EXPECT_TRUE(InCell(big, 10, 12));
    EXPECT_FALSE(InCell(big, 11, 11));
}

TEST(GridResize, CountsFromTheTileGridWithThirtyAtLeast)
{
    PhysicsScope scope;
    gSpatialGrid->Resize(20, 50);
    EXPECT_EQ(gSpatialGrid->GetColumnCount(), 15);
    EXPECT_EQ(gSpatialGrid->GetRowCount(), 25);
    gSpatialGrid->Resize(100, 10);
    EXPECT_EQ(gSpatialGrid->GetColumnCount(), 50);
    EXPECT_EQ(gSpatialGrid->GetRowCount(), 15);
    // Odd sizes round up: a body in the last tile column or row still has a cell.
    Body* corner = BodyOf(scope.Box(Vec3(60.5f, 40.5f, 0)));
    gSpatialGrid->Resize(61, 41);
    EXPECT_EQ(gSpatialGrid->GetColumnCount(), 31);
    EXPECT_EQ(gSpatialGrid->GetRowCount(), 21);
    EXPECT_TRUE(InCell(corner, 30, 20));
}

TEST(GridResize, ReentersEveryBodyAndCapsAbsurdSizes)
{
    PhysicsScope scope;
    Body* body = BodyOf(scope.Box(Vec3(70, 5, 0)));
    EXPECT_EQ(CellsHolding(body), 0);
    gSpatialGrid->Resize(100, 10);
    EXPECT_TRUE(InCell(body, 35, 2));
    gSpatialGrid->Resize(2000000000, -5);
    EXPECT_EQ(gSpatialGrid->GetColumnCount(), SpatialGrid::MaxCellsPerSide);
    EXPECT_EQ(gSpatialGrid->GetRowCount(), 15);
}

TEST(GridMoves, SetPositionMovesTheBodyBetweenCells)
{
    PhysicsScope scope;
    Body* body = BodyOf(scope.Box(Vec3(5, 5, 0)));
    body->SetPosition(Vec3(9, 5, 0));
    EXPECT_TRUE(InCell(body, 4, 2));
    EXPECT_EQ(CellsHolding(body), 1);
    EXPECT_EQ(body->mTransform->mPosition, Vec3(9, 5, 0));
}

TEST(GridStalePointers, TransformMovedBehindTheGridStillLeavesItsCellOnDelete)
{
    PhysicsScope scope;
    Composition* object = scope.Box(Vec3(5, 5, 0));
    Body* body = BodyOf(object);
    body->mTransform->mPosition = Vec3(25, 25, 0);
    body->mTransform->mScale = Vec3(9, 9, 1);
    scope.mFactory->mDestroySet.insert(object);
    scope.mFactory->Update(0.0f);
    for (int x = 0; x < gSpatialGrid->GetColumnCount(); ++x)
        for (int y = 0; y < gSpatialGrid->GetRowCount(); ++y)
            EXPECT_TRUE(gSpatialGrid->GetCell(x, y).empty());
}

TEST(GridStalePointers, ShapeDeletedBeforeItsBodyTakesTheBodyOutOfTheGrid)
{
    PhysicsScope scope;
    Composition* object = scope.Box(Vec3(5, 5, 0));
    Body* body = BodyOf(object);
    Component* shape = object->GetComponent(ComponentType::OBB);
    object->mPendingRemoval.insert(shape);
    object->RemovePendingComponents();
    EXPECT_EQ(body->mShape, nullptr);
    EXPECT_EQ(CellsHolding(body), 0);
    scope.mPhysics->Step(1.0f / 60.0f); // a shapeless body is never tested
}

TEST(GridStalePointers, MovedTransformDoesNotLeaveACopyInTheOldCell)
{
    PhysicsScope scope;
    Body* body = BodyOf(scope.Box(Vec3(5, 5, 0)));
    body->mTransform->mPosition = Vec3(9, 5, 0); // the editor moved it
    body->SetPosition(Vec3(9.1f, 5, 0));
    EXPECT_FALSE(InCell(body, 2, 2));
    EXPECT_TRUE(InCell(body, 4, 2));
}

TEST(GridLists, AirConIsListedOnceAndNeverInACell)
{
    PhysicsScope scope;
    Composition* object = scope.Box(Vec3(5, 5, 0), 1.0f, ObjectTag::AirCon);
    Body* body = BodyOf(object);
    gSpatialGrid->Insert(body);
    body->SetPosition(Vec3(15, 15, 0));
    gSpatialGrid->Resize(40, 40);
    EXPECT_EQ(std::count(scope.mPhysics->mPlayerTestBodies.begin(), scope.mPhysics->mPlayerTestBodies.end(), body), 1);
    EXPECT_EQ(CellsHolding(body), 0);
    scope.mFactory->mDestroySet.insert(object);
    scope.mFactory->Update(0.0f);
    EXPECT_TRUE(scope.mPhysics->mPlayerTestBodies.empty());
}

TEST(GridLists, BorderEnteredTwiceIsListedOnce)
{
    PhysicsScope scope;
    Body* body = BodyOf(scope.Box(Vec3(5, 5, 0), 1.0f, ObjectTag::Border));
    gSpatialGrid->Insert(body);
    EXPECT_EQ(scope.mPhysics->mPairTestBodies.size(), 1u);
    EXPECT_EQ(CellsHolding(body), 0);
}

TEST(GridTiles, TileBodyIsStaticBoxOfItsKindAndClearDeletesIt)
{
    PhysicsScope scope;
    scope.Tile(3, 4, 5);
    ASSERT_EQ(gSpatialGrid->GetTileBodies().size(), 1u);
    Body* tile = gSpatialGrid->GetTileBodies()[0];
    EXPECT_TRUE(tile->mStatic);
    EXPECT_EQ(tile->mInverseMass, 0.0f);
    EXPECT_EQ(tile->mTileType, 5u);
    EXPECT_EQ(tile->mPosition, Vec3(3.5f, 4.5f, -8));
    EXPECT_NEAR(tile->mShape->Offset.y, 0.25f, 1e-6f);
    EXPECT_TRUE(InCell(tile, 1, 2));
    EXPECT_EQ(std::count(scope.mPhysics->mBodies.begin(), scope.mPhysics->mBodies.end(), tile), 1);
    gSpatialGrid->Clear();
    EXPECT_TRUE(gSpatialGrid->GetTileBodies().empty());
    EXPECT_TRUE(scope.mPhysics->mBodies.empty());
    EXPECT_TRUE(gSpatialGrid->GetCell(1, 2).empty());
}

TEST(GridPairs, NeighbouringPairIsTestedOnceFromTheLaterCell)
{
    PhysicsScope scope;
    Composition* left = scope.Box(Vec3(5.6f, 5, 0));
    Composition* right = scope.Box(Vec3(6.4f, 5, 0)); // the next column
    scope.mPhysics->mGravity = Vec2(0.0f);
    scope.mPhysics->Step(1.0f / 60.0f);
    EXPECT_EQ(scope.mPhysics->mContacts.size(), 1u);
    EXPECT_EQ(scope.mPhysics->mContacts[0].A, BodyOf(right));
    EXPECT_EQ(RecorderOf(left)->mOthers.size(), 1u);
}

TEST(GridPairs, SpreadBodyMeetingAPartnerInSeveralCellsIsRecordedOnce)
{
    PhysicsScope scope;
    BodySpec spec;
    spec.mPosition = Vec3(20, 20, 0);
    spec.mHalfLength = Vec3(10, 1, 0);
    spec.mMass = 0.0f;
    Composition* floor = scope.Make(spec);
    Composition* box = scope.Box(Vec3(21, 20.9f, 0));
    scope.mPhysics->Step(1.0f / 60.0f);
    EXPECT_EQ(scope.mPhysics->mContacts.size(), 1u);
    // Messages go out on every test, recorded or not.
    EXPECT_GE(RecorderOf(floor)->mOthers.size(), 2u);
    EXPECT_EQ(RecorderOf(box)->mOthers.size(), RecorderOf(floor)->mOthers.size());
}

TEST(GridPairs, BodyMovedByAHandlerDuringThePassIsTestedWhereItLands)
{
    PhysicsScope scope;
    Composition* ground = scope.Box(Vec3(3, 3, 0), 0.0f);
    Composition* faller = scope.Box(Vec3(3, 3.8f, 0));
    Composition* mover = scope.Box(Vec3(1, 9, 0));
    Composition* farWall = scope.Box(Vec3(41, 41, 0), 0.0f); // among static bodies only
    bool moved = false;
    RecorderOf(faller)->mOnMessage = [&](Message*)
    {
        if (!moved)
            BodyOf(mover)->SetPosition(Vec3(41.5f, 41, 0));
        moved = true;
    };
    scope.mPhysics->Step(1.0f / 60.0f);
    ASSERT_TRUE(moved);
    EXPECT_EQ(RecorderOf(farWall)->mOthers, std::vector<Composition*>{mover});
    (void)ground;
}

TEST(GridPairs, StaticBodiesFarFromMovingOnesAreNeverTested)
{
    PhysicsScope scope;
    Composition* a = scope.Box(Vec3(41, 41, 0), 0.0f);
    scope.Box(Vec3(41.5f, 41, 0), 0.0f);
    scope.Box(Vec3(3, 3, 0));
    scope.mPhysics->Step(1.0f / 60.0f);
    EXPECT_TRUE(RecorderOf(a)->mOthers.empty());
    EXPECT_TRUE(scope.mPhysics->mContacts.empty());
}
