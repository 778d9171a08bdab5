#include <cmath>
#include <gtest/gtest.h>
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
int Count(const std::vector<Body*>& list, const Body* body)
{
    return static_cast<int>(std::count(list.begin(), list.end(), body));
}
} // namespace

TEST(BodyMass, ZeroMassIsStaticAndImmovable)
{
    PhysicsScope scope;
    Body* body = BodyOf(scope.Box(Vec3(5), 0.0f));
    EXPECT_TRUE(body->mStatic);
    EXPECT_EQ(body->mInverseMass, 0.0f);
    EXPECT_EQ(Count(scope.mPhysics->mDynamicBodies, body), 0);
}

TEST(BodyMass, EditingTheMassJoinsAndLeavesTheDynamicListOnce)
{
    PhysicsScope scope;
    Body* body = BodyOf(scope.Box(Vec3(5), 0.0f));
    body->mMass = 2.0f;
    body->ComputeMass();
    body->mMass = 3.0f;
    body->ComputeMass();
    EXPECT_EQ(Count(scope.mPhysics->mDynamicBodies, body), 1);
    EXPECT_FLOAT_EQ(body->mInverseMass, 1.0f / 3.0f);
    body->mMass = 0.0f;
    body->ComputeMass();
    EXPECT_EQ(Count(scope.mPhysics->mDynamicBodies, body), 0);
    EXPECT_TRUE(body->mStatic);
}

TEST(BodyMass, ArchetypeNeverJoinsTheDynamicList)
{
    PhysicsScope scope;
    BodySpec spec;
    spec.mKind = ObjectKind::Archetype;
    Body* body = BodyOf(scope.Make(spec));
    body->mMass = 5.0f;
    body->ComputeMass();
    EXPECT_EQ(Count(scope.mPhysics->mDynamicBodies, body), 0);
    EXPECT_EQ(Count(scope.mPhysics->mArchetypeBodies, body), 1);
    EXPECT_EQ(Count(scope.mPhysics->mBodies, body), 0);
}

TEST(BodyIntegration, EachStepDampsByOneHundredthToTheDt)
{
    PhysicsScope scope;
    scope.mPhysics->mGravity = Vec2(0.0f);
    Body* body = BodyOf(scope.Box(Vec3(10, 10, 0)));
    body->mVelocity = Vec3(1, 0, 0);
    body->IntegrateForces(0.02f);
    body->IntegrateForces(0.02f);
    EXPECT_NEAR(body->mVelocity.x, std::pow(0.1f, 0.04f), 1e-6f);
    EXPECT_NEAR(body->mVelocity.x, 0.912f, 1e-3f);
}

TEST(BodyIntegration, WithoutGravityVerticalSpeedIsZeroWhateverTheForce)
{
    PhysicsScope scope;
    Body* body = BodyOf(scope.Box(Vec3(10, 10, 0)));
    body->mUseGravity = false;
    body->mVelocity = Vec3(0, 5, 0);
    body->AddForce(Vec3(3, 100, 0));
    body->IntegrateForces(0.02f);
    EXPECT_EQ(body->mVelocity.y, 0.0f);
    EXPECT_GT(body->mVelocity.x, 0.0f);
}

TEST(BodyIntegration, LandingOnASolidTileDependsOnWhoLands)
{
    PhysicsScope scope;
    scope.Tile(10, 9);
    // Bottom probe: (floor 10.5, floor(10.2 - 0.5 - 0.05)) = (10, 9).
    Composition* player = scope.Box(Vec3(10.5f, 10.2f, 0), 1.0f, ObjectTag::Player);
    Composition* crate = scope.Box(Vec3(10.5f, 10.2f, 0));
    Composition* rat = scope.Box(Vec3(10.5f, 10.2f, 0), 1.0f, ObjectTag::Rat);
    scope.mPhysics->mPlayerBody = BodyOf(player);
    scope.mPhysics->mGravity = Vec2(0.0f);
    const float dt = 0.02f;
    for (Composition* object : {player, crate, rat})
        BodyOf(object)->mVelocity = Vec3(0, -5, 0);
    for (Composition* object : {player, crate, rat})
        BodyOf(object)->IntegrateForces(dt);
    const float damping = std::pow(0.1f, dt);
    EXPECT_FLOAT_EQ(BodyOf(player)->mVelocity.y, -0.3f * damping);
    EXPECT_EQ(BodyOf(crate)->mVelocity.y, 0.0f);
    EXPECT_FLOAT_EQ(BodyOf(rat)->mVelocity.y, -5.0f * damping);
}

TEST(BodyIntegration, CircleRollsByDistanceOverRadius)
{
    PhysicsScope scope;
    Body* body = BodyOf(scope.Circle(Vec3(10, 10, 0)));
    body->mVelocity = Vec3(1, 0, 0);
    body->IntegrateVelocity(0.1f);
    // -0.2 rad, written back to the Transform in [0, 360).
    EXPECT_NEAR(body->mTransform->mRotation, 360.0f - 0.2f * 180.0f / 3.1415927f, 1e-3f);
}

TEST(BodyIntegration, ZeroRadiusCircleDoesNotRoll)
{
    PhysicsScope scope;
    BodySpec spec;
    spec.mCircle = true;
    spec.mRadius = 0.0f;
    spec.mPosition = Vec3(10, 10, 0);
    Body* body = BodyOf(scope.Make(spec));
    body->mVelocity = Vec3(1, 0, 0);
    body->IntegrateVelocity(0.1f);
    EXPECT_EQ(body->mTransform->mRotation, 0.0f);
    EXPECT_TRUE(std::isfinite(body->mPosition.x));
}

TEST(BodyIntegration, RotationWrittenBackLiesInOneTurn)
{
    PhysicsScope scope;
    Body* body = BodyOf(scope.Box(Vec3(10, 10, 0)));
    for (float degrees : {-300.0f, -10.0f, 0.0f, 359.0f, 500.0f, 700.0f})
    {
        body->mTransform->mRotation = degrees;
        body->mAngularVelocity = 0.0f;
        body->IntegrateVelocity(0.0f);
        EXPECT_GE(body->mTransform->mRotation, 0.0f) << degrees;
        EXPECT_LT(body->mTransform->mRotation, 360.0f) << degrees;
    }
}

TEST(BodyIntegration, DraggedBodyKeepsItsPosition)
{
    PhysicsScope scope;
    Composition* object = scope.Box(Vec3(10, 10, 0));
    scope.mPhysics->SetHoverObject(object);
    scope.mPhysics->mDragging = true;
    BodyOf(object)->mVelocity = Vec3(5, 5, 0);
    BodyOf(object)->IntegrateVelocity(0.1f);
    EXPECT_EQ(BodyOf(object)->mPosition, Vec3(10, 10, 0));
}

TEST(TileProbes, ReportSidesSlopesAndGround)
{
    PhysicsScope scope;
    scope.Tile(11, 10);   // right: kind 1
    scope.Tile(9, 10, 4); // left: rising slope
    scope.Tile(10, 11);   // top
    scope.Tile(10, 9, 6); // bottom: falling slope
    scope.Tile(11, 9);    // solid ground under the right edge
    BodySpec spec;
    spec.mPosition = Vec3(10.5f, 10.5f, 0);
    spec.mHalfLength = Vec3(2, 1, 0); // w = 2: the side probes look one tile out
    Body* body = BodyOf(scope.Make(spec));
    const uint32_t sides = ProbeBit::Right | ProbeBit::RisingSlope | ProbeBit::Top | ProbeBit::FallingSlope;
    EXPECT_EQ(body->ProbeTiles(), sides);
    EXPECT_EQ(body->ProbeGround(), ProbeBit::Left);
    // The other half-height kind of each slope reads the same.
    scope.Tile(9, 10, 5);
    scope.Tile(10, 9, 7);
    EXPECT_EQ(body->ProbeTiles(), sides);
}

TEST(TileProbes, FirstTileAtAPointWinsAndTheNextTakesOverWhenItGoes)
{
    PhysicsScope scope;
    scope.mFactory->mTileGrid.Resize(40, 40);
    auto& cell = scope.mFactory->mTileGrid.mRows[9][10];
    cell.mKind = 1;
    gSpatialGrid->AddTile(Vec3(10.5f, 9.5f, -8));
    cell.mKind = 6;
    gSpatialGrid->AddTile(Vec3(10.5f, 9.5f, -8));
    EXPECT_EQ(gSpatialGrid->TileKindAt(10, 9), 1u);
    gSpatialGrid->RemoveTileAt(10, 9);
    EXPECT_EQ(gSpatialGrid->TileKindAt(10, 9), 6u);
    gSpatialGrid->RemoveTileAt(10, 9);
    EXPECT_EQ(gSpatialGrid->TileKindAt(10, 9), 0u);
}

TEST(TileProbes, FarAwayOrNaNPositionsFindNothing)
{
    PhysicsScope scope;
    scope.Tile(0, 0);
    Body* body = BodyOf(scope.Box(Vec3(10, 10, 0)));
    body->mTransform->mPosition = Vec3(NAN, 1e30f, 0);
    EXPECT_EQ(body->ProbeTiles(), 0u);
}

TEST(BodyOrientation, AStaticBodyTakesItsAngleFromItsTransform)
{
    PhysicsScope scope;
    // A long flat plank turned upright: a ball dropped beside its middle must
    // fall past it, as it would past the upright picture.
    BodySpec plank;
    plank.mPosition = Vec3(0.0f, 0.0f, 0.0f);
    plank.mScale = Vec3(8.0f, 1.0f, 1.0f);
    plank.mRotation = 90.0f;
    plank.mMass = 0.0f;
    plank.mName = "Plank";
    Body* plankBody = BodyOf(scope.Make(plank));
    EXPECT_NEAR(plankBody->mOrientation, 3.1415927f / 2.0f, 1e-5f);

    Composition* ball = scope.Circle(Vec3(2.5f, 6.0f, 0.0f));
    for (int step = 0; step < 120; ++step)
        scope.mPhysics->Step(1.0f / 60.0f);
    EXPECT_LT(ball->GetComponent<Transform>()->mPosition.y, -2.0f) << "the ball rested on the plank as if it lay flat";
}
