// The shortcuts the step takes for speed must answer exactly as the long way:
// the landing probe, the box matrix kept between steps, the contact records
// looked up per pair, and the shapes' bounding radius.
#include <gtest/gtest.h>
#include "physics/CollisionDispatch.h"
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

TEST(StepShortcuts, LandingProbeAgreesWithTheBottomProbeInEveryDrawMode)
{
    PhysicsScope scope;
    scope.Tile(10, 9);
    scope.Tile(12, 9, 6);
    Body* body = BodyOf(scope.Box(Vec3(10.5f, 10.5f, 0)));
    for (uint32_t mode : {0u, 1u, 3u, 4u})
    {
        scope.mPhysics->mDebugDrawMode = mode;
        for (float x : {9.2f, 10.5f, 11.9f, 12.5f, 14.0f})
            for (float y : {10.4f, 10.56f, 10.6f, 11.5f})
            {
                body->mTransform->mPosition = Vec3(x, y, 0);
                EXPECT_EQ(body->ProbeLanding(), (body->ProbeTiles() & ProbeBit::Bottom) != 0)
                    << "mode " << mode << " at " << x << ", " << y;
            }
    }
}

TEST(StepShortcuts, BoxMatrixFollowsTheRotationOffsetAndStartsFreshInACopy)
{
    PhysicsScope scope;
    auto* box = static_cast<ShapeOBB*>(BodyOf(scope.Box(Vec3(5, 5, 0)))->mShape);
    box->SetRotationDegrees(0.0f);
    EXPECT_FLOAT_EQ(box->mM00, 1.0f);
    // Same body angle, new offset: the matrix must turn.
    box->mRotationOffset = 1.5707964f;
    box->SetRotationDegrees(0.0f);
    EXPECT_NEAR(box->mM00, 0.0f, 1e-6f);
    EXPECT_NEAR(box->mM10, 1.0f, 1e-6f);
    // A copy starts with an all-zero matrix and builds it on its first angle.
    ShapeOBB copy(*box);
    EXPECT_EQ(copy.mM00, 0.0f);
    copy.SetRotationDegrees(0.0f);
    EXPECT_FLOAT_EQ(copy.mM00, 1.0f);
}

TEST(StepShortcuts, ContactLookupFollowsRecordsAddedAndRemovedAfterTheFirstQuestion)
{
    PhysicsScope scope;
    Body* a = BodyOf(scope.Box(Vec3(5, 5, 0)));
    Body* b = BodyOf(scope.Box(Vec3(5.5f, 5, 0)));
    Body* c = BodyOf(scope.Box(Vec3(6, 5, 0)));
    scope.mPhysics->AddContact(Manifold(a, b));
    EXPECT_TRUE(scope.mPhysics->HasContact(b, a)); // the first question fills the table
    EXPECT_FALSE(scope.mPhysics->HasContact(a, c));
    scope.mPhysics->AddContact(Manifold(c, a));
    EXPECT_TRUE(scope.mPhysics->HasContact(a, c));
    scope.mPhysics->RemoveContact(a, b);
    EXPECT_FALSE(scope.mPhysics->HasContact(a, b));
    EXPECT_TRUE(scope.mPhysics->HasContact(a, c));
}

TEST(StepShortcuts, SpreadBodyIsRecordedOnceInEveryStepNotJustTheFirst)
{
    PhysicsScope scope;
    scope.mPhysics->mGravity = Vec2(0.0f);
    BodySpec spec;
    spec.mPosition = Vec3(20, 20, 0);
    spec.mHalfLength = Vec3(10, 1, 0); // spreads one cell each way
    spec.mMass = 0.0f;
    Composition* floor = scope.Make(spec);
    Body* box = BodyOf(scope.Box(Vec3(21, 20.9f, 0)));
    for (int step = 0; step < 3; ++step)
    {
        box->mTransform->mPosition = Vec3(21, 20.9f, 0); // keep it sunk in the floor
        box->mVelocity = Vec3(0.0f);
        RecorderOf(floor)->mOthers.clear();
        scope.mPhysics->Step(1.0f / 60.0f);
        EXPECT_EQ(scope.mPhysics->mContacts.size(), 1u) << "step " << step;
        EXPECT_GE(RecorderOf(floor)->mOthers.size(), 2u) << "step " << step;
    }
}

TEST(StepShortcuts, BoundingRadiusFollowsTheWorldSizeOfCirclesAndBoxes)
{
    PhysicsScope scope;
    BodySpec spec;
    spec.mCircle = true;
    spec.mPosition = Vec3(5, 5, 0);
    Composition* ball = scope.Make(spec);
    BasicShape* circle = BodyOf(ball)->mShape;
    EXPECT_FLOAT_EQ(circle->mBoundingRadius, 0.5f);
    ball->GetComponent<Transform>()->mScale = Vec3(-4, 1, 1); // a mirrored circle still reaches 2
    circle->UpdateWorldSize();
    EXPECT_FLOAT_EQ(circle->mBoundingRadius, 2.0f);
    ShapeCircle copy(*static_cast<ShapeCircle*>(circle));
    EXPECT_FLOAT_EQ(copy.mBoundingRadius, 2.0f);

    // Grown after it was made, a ball reaches a box it did not reach before.
    ball->GetComponent<Transform>()->mScale = Vec3(1, 1, 1);
    circle->UpdateWorldSize();
    Body* box = BodyOf(scope.Box(Vec3(7.2f, 5, 0), 0.0f));
    Manifold before(BodyOf(ball), box);
    Collide(before);
    EXPECT_EQ(before.mContactCount, 0u);
    ball->GetComponent<Transform>()->mScale = Vec3(4, 1, 1);
    circle->UpdateWorldSize();
    Manifold after(BodyOf(ball), box);
    Collide(after);
    EXPECT_EQ(after.mContactCount, 1u);
}

TEST(StepShortcuts, CrowdedCellKeepsEntryOrderThroughGrowthAndRemoval)
{
    PhysicsScope scope;
    std::vector<Body*> bodies;
    for (int i = 0; i < static_cast<int>(CellList::InlineCount) + 3; ++i)
        bodies.push_back(BodyOf(scope.Box(Vec3(10.1f + 0.1f * static_cast<float>(i), 10.5f, 0), 0.0f)));
    gSpatialGrid->Remove(bodies[2]);
    gSpatialGrid->Remove(bodies.back());
    std::vector<Body*> expected(bodies.begin(), bodies.end() - 1);
    expected.erase(expected.begin() + 2);
    const CellList& cell = gSpatialGrid->GetCell(5, 5);
    EXPECT_EQ(std::vector<Body*>(cell.begin(), cell.end()), expected);
    // A resize moves every cell; the crowded one keeps its bodies.
    gSpatialGrid->Resize(40, 40);
    EXPECT_EQ(gSpatialGrid->GetCell(5, 5).size(), expected.size() + 2);
}
