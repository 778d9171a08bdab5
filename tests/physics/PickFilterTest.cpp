// Picking in a level tests only the objects whose shapes reach the point: the
// answers (and the cursor) must be those of a test of every object.
#include <cmath>
#include <gtest/gtest.h>
#include "core/game/GameLogic.h"
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
// Every object in id order, as picking did before the filter.
Composition* PickByScan(const Vec3& point, bool& handCursor)
{
    const Vec3 start(point.x, point.y, 0.0f), end(point.x, point.y, -50.0f);
    Composition* nearest = nullptr;
    float nearestDistance = 1e30f;
    handCursor = false;
    for (const auto& entry : gFactory->mObjects)
    {
        Transform* transform = entry.second->GetComponent<Transform>();
        Vec3 hit(0.0f);
        if (!transform || !transform->HitTest(start, end, hit))
            continue;
        const Body* body = entry.second->GetComponent<Body>();
        handCursor = handCursor || (body && body->mInteractable);
        const float distance = glm::length(hit - start);
        if (distance < nearestDistance)
        {
            nearestDistance = distance;
            nearest = entry.second;
        }
    }
    return nearest;
}
} // namespace

TEST(PickFilter, LevelPicksMatchATestOfEveryObject)
{
    PhysicsScope scope;
    GameLogic logic;
    logic.mState.mCurrent = GameState::LEVEL;
    // Overlapping boxes and circles, scaled, rotated, offset, some at equal depth,
    // interactable or not; and plain objects, which a level never picks.
    for (int i = 0; i < 60; ++i)
    {
        BodySpec spec;
        spec.mCircle = i % 3 == 0;
        spec.mPosition = Vec3(3.0f + (i * 7) % 13 * 0.7f, 3.0f + (i * 5) % 11 * 0.6f, i % 4 == 0 ? -2.0f : 0.0f);
        spec.mScale = Vec3(1.0f + (i % 5) * 0.4f, 1.0f + (i % 7) * 0.3f, 1.0f);
        spec.mInteractable = i % 2 == 0;
        Composition* object = scope.Make(spec);
        if (!spec.mCircle)
            BodyOf(object)->mShape->SetRotationRadians(static_cast<float>(i) * 0.37f);
        if (i % 5 == 0)
            BodyOf(object)->mShape->Offset = Vec3(0.4f, -0.3f, 0.0f);
    }
    for (int i = 0; i < 10; ++i)
        gFactory->CreateObject("Plain", ObjectKind::GameObject)->GetComponent<Transform>()->mPosition =
            Vec3(4.0f + i, 5.0f, 0.0f);

    int hits = 0;
    for (float y = 1.0f; y < 13.0f; y += 0.23f)
        for (float x = 1.0f; x < 15.0f; x += 0.29f)
        {
            bool handCursor = false;
            Composition* expected = PickByScan(Vec3(x, y, 0.0f), handCursor);
            ASSERT_EQ(scope.mPhysics->PickObject(Vec3(x, y, 0.0f)), expected) << x << ", " << y;
            ASSERT_EQ(scope.mPhysics->mPickHitInteractable, handCursor) << x << ", " << y;
            hits += expected ? 1 : 0;
        }
    EXPECT_GT(hits, 100) << "the points must cover the objects";
}

TEST(PickFilter, OutsideLevelsAndMenusNothingIsPicked)
{
    PhysicsScope scope;
    GameLogic logic;
    logic.mState.mCurrent = GameState::SPLASH_SCREEN;
    BodySpec spec;
    spec.mPosition = Vec3(5, 5, 0);
    spec.mInteractable = true;
    scope.Make(spec);
    EXPECT_EQ(scope.mPhysics->PickObject(Vec3(5, 5, 0)), nullptr);
    logic.mState.mCurrent = GameState::LEVEL;
    EXPECT_NE(scope.mPhysics->PickObject(Vec3(5, 5, 0)), nullptr);
}

TEST(TileIndex, ProbesSeeTheFirstTileOfAPointUntilItGoes)
{
    PhysicsScope scope;
    scope.Tile(4, 2, 1);
    // A second body at the same point, as a grid respawned without a clear leaves.
    gFactory->mTileGrid.mRows[2][4].mKind = 6;
    gSpatialGrid->AddTile(Vec3(4.5f, 2.5f, 0.0f));
    EXPECT_EQ(gSpatialGrid->TileKindAt(4, 2), 1u);
    gSpatialGrid->RemoveTileAt(4, 2);
    EXPECT_EQ(gSpatialGrid->TileKindAt(4, 2), 6u);
    gSpatialGrid->RemoveTileAt(4, 2);
    EXPECT_EQ(gSpatialGrid->TileKindAt(4, 2), 0u);
    EXPECT_EQ(gSpatialGrid->TileKindAt(-1, 2), 0u);
    EXPECT_EQ(gSpatialGrid->TileKindAt(4, 100000), 0u);
}
