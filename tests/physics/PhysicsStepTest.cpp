#include <cmath>
#include <gtest/gtest.h>
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "physics/CollisionDispatch.h"
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
void PressFor(InputSys& input, int vk, bool down)
{
    input.mState.mPreviousKeys = input.mState.mCurrentKeys;
    input.mState.mCurrentKeys[static_cast<size_t>(vk)] = down;
}
} // namespace

TEST(PhysicsKeys, F1HeldTogglesTheSimulationOnce)
{
    PhysicsScope scope;
    InputSys input;
    scope.mPhysics->mRunning = false;
    PressFor(input, VK_F1, true);
    scope.mPhysics->Step(0.01f);
    PressFor(input, VK_F1, true);
    scope.mPhysics->Step(0.01f);
    EXPECT_TRUE(scope.mPhysics->mRunning);
    PressFor(input, VK_F1, false);
    scope.mPhysics->Step(0.01f);
    PressFor(input, VK_F1, true);
    scope.mPhysics->Step(0.01f);
    EXPECT_FALSE(scope.mPhysics->mRunning);
}

TEST(PhysicsKeys, F2CyclesTheDebugModesBackToNone)
{
    PhysicsScope scope;
    InputSys input;
    std::vector<uint32_t> modes;
    for (int i = 0; i < 5; ++i)
    {
        PressFor(input, VK_F2, true);
        scope.mPhysics->Step(0.01f);
        modes.push_back(scope.mPhysics->mDebugDrawMode);
        PressFor(input, VK_F2, false);
        scope.mPhysics->Step(0.01f);
    }
    EXPECT_EQ(modes, (std::vector<uint32_t>{0, 1, 2, 3, 4}));
}

TEST(PhysicsStep, StoppedSimulationStillSyncsTransforms)
{
    PhysicsScope scope;
    scope.mPhysics->mRunning = false;
    Body* body = BodyOf(scope.Box(Vec3(5, 5, 0)));
    body->mPosition = Vec3(7, 8, 0);
    body->mVelocity = Vec3(1, 1, 0);
    scope.mPhysics->Step(0.1f);
    EXPECT_EQ(body->mTransform->mPosition, Vec3(7, 8, 0));
    EXPECT_EQ(body->mVelocity, Vec3(1, 1, 0));
}

TEST(PhysicsStep, FastModeStepsOneAndAHalfTimesTheFrame)
{
    PhysicsScope scope;
    scope.mPhysics->mGravity = Vec2(0.0f);
    Body* body = BodyOf(scope.Box(Vec3(5, 5, 0)));
    body->mVelocity = Vec3(1, 0, 0);
    scope.mPhysics->mFastMode = true;
    scope.mPhysics->Update(0.016667f);
    // Moved by the velocity after the first half step's damping, over dt = 0.025.
    EXPECT_NEAR(body->mPosition.x, 5.0f + 0.025f * std::pow(0.1f, 0.025f), 1e-5f);
}

TEST(PhysicsStep, CirclesAndBoxesFallBounceAndComeToRestOnTiles)
{
    PhysicsScope scope;
    for (int x = 2; x < 20; ++x)
        scope.Tile(x, 2);
    Body* box = BodyOf(scope.Box(Vec3(6.5f, 8, 0)));
    Body* circle = BodyOf(scope.Circle(Vec3(12.5f, 8, 0)));
    float lowestBox = 100.0f;
    bool bounced = false;
    float previousY = box->mPosition.y;
    for (int i = 0; i < 240; ++i)
    {
        scope.mPhysics->Step(1.0f / 60.0f);
        lowestBox = std::min(lowestBox, box->mPosition.y);
        bounced = bounced || (box->mPosition.y > previousY + 1e-4f && i > 0);
        previousY = box->mPosition.y;
    }
    EXPECT_GT(lowestBox, 3.3f); // never sank into the tiles (their top is y = 3)
    EXPECT_NEAR(box->mPosition.y, 3.5f, 0.1f);
    EXPECT_NEAR(circle->mPosition.y, 3.5f, 0.1f);
    EXPECT_LT(std::fabs(box->mVelocity.y), 0.5f);
    EXPECT_EQ(box->mTransform->mPosition, box->mPosition);
    (void)bounced;
}

TEST(PhysicsStep, BodiesStackedOnAStaticFloorStayApart)
{
    PhysicsScope scope;
    BodySpec floor;
    floor.mPosition = Vec3(20, 1, 0);
    floor.mHalfLength = Vec3(30, 1, 0);
    floor.mMass = 0.0f;
    scope.Make(floor);
    Body* lower = BodyOf(scope.Box(Vec3(20, 2.1f, 0)));
    Body* upper = BodyOf(scope.Box(Vec3(20, 3.3f, 0)));
    for (int i = 0; i < 300; ++i)
        scope.mPhysics->Step(1.0f / 60.0f);
    // The floor's top is at 1.5; one impulse pass and soft correction leave a
    // little overlap. Without friction the stack may slide apart, never into itself.
    EXPECT_GT(lower->mPosition.y, 1.85f);
    EXPECT_GT(upper->mPosition.y, 1.85f);
    Manifold between(lower, upper);
    Collide(between);
    EXPECT_TRUE(between.mContactCount == 0 || between.mPenetration < 0.15f);
}

TEST(PhysicsPick, NearestHitWinsAndEqualHitsKeepTheLowerId)
{
    PhysicsScope scope;
    GameLogic logic;
    logic.mState.mCurrent = GameState::EDITOR;
    Composition* first = scope.Box(Vec3(5, 5, 0));
    Composition* second = scope.Box(Vec3(5.2f, 5, 0));
    EXPECT_EQ(scope.mPhysics->PickObject(Vec3(5.1f, 5, 0)), first); // equal distances
    // Deeper into the screen is further along the ray.
    BodyOf(first)->mPosition.z = -10.0f;
    BodyOf(second)->mPosition.z = -5.0f;
    EXPECT_EQ(scope.mPhysics->PickObject(Vec3(5.1f, 5, 0)), second);
    EXPECT_EQ(scope.mPhysics->PickObject(Vec3(9, 9, 0)), nullptr);
}

TEST(PhysicsPick, CircleCountsItsScaleOnce)
{
    PhysicsScope scope;
    GameLogic logic;
    logic.mState.mCurrent = GameState::EDITOR;
    BodySpec spec;
    spec.mCircle = true;
    spec.mRadius = 1.0f;
    spec.mScale = Vec3(4, 4, 1); // world radius 2
    spec.mPosition = Vec3(10, 10, 0);
    Composition* circle = scope.Make(spec);
    EXPECT_EQ(scope.mPhysics->PickObject(Vec3(11.9f, 10, 0)), circle);
    EXPECT_EQ(scope.mPhysics->PickObject(Vec3(12.5f, 10, 0)), nullptr);
}

TEST(PhysicsPick, APickTellsWhetherItHitAnInteractableBody)
{
    PhysicsScope scope;
    GameLogic logic;
    logic.mState.mCurrent = GameState::LEVEL;
    BodySpec spec;
    spec.mPosition = Vec3(10, 10, 0);
    spec.mInteractable = true;
    Composition* crate = scope.Make(spec);
    scope.Box(Vec3(20, 10, 0));
    EXPECT_EQ(scope.mPhysics->PickObject(Vec3(10, 10, 0)), crate);
    EXPECT_TRUE(scope.mPhysics->mPickHitInteractable);
    EXPECT_EQ(scope.mPhysics->PickObject(Vec3(20, 10, 0)), nullptr);
    EXPECT_FALSE(scope.mPhysics->mPickHitInteractable) << "each pick starts afresh";
}

TEST(PhysicsLifecycle, DeletedObjectLeavesEveryListAndContact)
{
    PhysicsScope scope;
    Composition* a = scope.Box(Vec3(5, 5, 0));
    Composition* b = scope.Box(Vec3(5.5f, 5, 0));
    scope.mPhysics->mPlayerBody = BodyOf(a);
    scope.mPhysics->Step(0.01f);
    ASSERT_FALSE(scope.mPhysics->mContacts.empty());
    scope.mFactory->mDestroySet.insert(a);
    scope.mFactory->Update(0.0f);
    EXPECT_TRUE(scope.mPhysics->mContacts.empty());
    EXPECT_EQ(scope.mPhysics->mPlayerBody, nullptr);
    EXPECT_EQ(scope.mPhysics->mBodies.size(), 1u);
    EXPECT_EQ(scope.mPhysics->mBodies[0], BodyOf(b));
}
