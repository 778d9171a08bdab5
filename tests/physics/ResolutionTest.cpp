#include <gtest/gtest.h>
#include "physics/CollisionDispatch.h"
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
Manifold Filled(Composition* a, Composition* b)
{
    Manifold m(BodyOf(a), BodyOf(b));
    Collide(m);
    return m;
}
} // namespace

TEST(ManifoldInitialize, RestingContactGetsNoRestitution)
{
    PhysicsScope scope;
    Composition* a = scope.Box(Vec3(5, 5, 0));
    Composition* b = scope.Box(Vec3(5.8f, 5, 0));
    BodyOf(a)->mRestitution = 0.5f;
    BodyOf(b)->mRestitution = 0.3f;
    BodyOf(b)->mVelocity = Vec3(-0.5f, 0, 0); // below 40/60
    Manifold m = Filled(a, b);
    m.Initialize();
    EXPECT_EQ(m.mRestitution, 0.0f);

    BodyOf(b)->mVelocity = Vec3(-2.0f, 0, 0);
    m.Initialize();
    EXPECT_FLOAT_EQ(m.mRestitution, 0.3f);
}

TEST(ManifoldApplyImpulse, SeparatingBodiesGetNoImpulse)
{
    PhysicsScope scope;
    Composition* a = scope.Box(Vec3(5, 5, 0));
    Composition* b = scope.Box(Vec3(5.8f, 5, 0));
    BodyOf(b)->mVelocity = Vec3(3, 0, 0);
    Manifold m = Filled(a, b);
    m.Initialize();
    m.ApplyImpulse();
    EXPECT_EQ(BodyOf(a)->mVelocity, Vec3(0.0f));
    EXPECT_EQ(BodyOf(b)->mVelocity, Vec3(3, 0, 0));
}

TEST(ManifoldApplyImpulse, TwoContactsShareTheImpulseOfOne)
{
    PhysicsScope scope;
    // Box falling on a static box: no rotation so both contacts see the same speed.
    Composition* floor = scope.Box(Vec3(5, 5, 0), 0.0f);
    Composition* box = scope.Box(Vec3(5, 5.9f, 0));
    BodyOf(box)->mRotation = false;
    BodyOf(box)->mInverseInertia = 0.0f;
    BodyOf(box)->mRestitution = 0.0f;
    BodyOf(box)->mVelocity = Vec3(0, -4, 0);
    Manifold m = Filled(floor, box);
    ASSERT_EQ(m.mContactCount, 2u);
    m.Initialize();
    m.ApplyImpulse();
    // First contact: j = 4 / 2 = 2, leaving -2; the second then takes the rest.
    EXPECT_NEAR(BodyOf(box)->mVelocity.y, -1.0f, 1e-5f);
}

TEST(ManifoldApplyImpulse, TwoImmovableBodiesAreLeftAlone)
{
    PhysicsScope scope;
    Composition* a = scope.Box(Vec3(5, 5, 0), 0.0f);
    Composition* b = scope.Box(Vec3(5.8f, 5, 0), 0.0f);
    BodyOf(b)->mVelocity = Vec3(-3, 0, 0);
    Manifold m = Filled(a, b);
    m.Initialize();
    m.ApplyImpulse();
    EXPECT_EQ(BodyOf(b)->mVelocity, Vec3(-3, 0, 0));
}

TEST(ManifoldApplyImpulse, RoachStopsItselfAndWhatItTouches)
{
    PhysicsScope scope;
    Composition* roach = scope.Box(Vec3(5, 5, 0), 1.0f, ObjectTag::Roach);
    Composition* crate = scope.Box(Vec3(5.8f, 5, 0));
    BodyOf(roach)->mVelocity = Vec3(2, 0, 0);
    Manifold m = Filled(roach, crate);
    m.Initialize();
    m.ApplyImpulse();
    EXPECT_EQ(BodyOf(roach)->mVelocity, Vec3(0.0f));
    EXPECT_EQ(BodyOf(crate)->mVelocity, Vec3(0.0f));
}

TEST(ManifoldApplyImpulse, PlayerStopsAnInteractableBodyItPushesButKeepsMoving)
{
    PhysicsScope scope;
    Composition* player = scope.Box(Vec3(5, 5, 0), 1.0f, ObjectTag::Player);
    BodySpec spec;
    spec.mPosition = Vec3(5.8f, 5, 0);
    spec.mInteractable = true;
    Composition* crate = scope.Make(spec);
    BodyOf(player)->mRotation = false;
    BodyOf(player)->mVelocity = Vec3(2, 0, 0);
    Manifold m = Filled(player, crate);
    m.Initialize();
    m.ApplyImpulse();
    EXPECT_TRUE(BodyOf(player)->mTouching);
    EXPECT_FALSE(BodyOf(crate)->mTouching);
    EXPECT_EQ(BodyOf(crate)->mVelocity, Vec3(0.0f));
    EXPECT_GT(BodyOf(player)->mVelocity.x, 0.0f);
    EXPECT_LT(BodyOf(player)->mVelocity.x, 2.0f);
}

TEST(PositionalCorrection, MovesBothBodiesApartByTheirShareOfTheDepth)
{
    PhysicsScope scope;
    Composition* a = scope.Box(Vec3(5, 5, 0), 1.0f);
    Composition* b = scope.Box(Vec3(5.8f, 5, 0), 3.0f);
    scope.mPhysics->mContacts.push_back(Filled(a, b));
    scope.mPhysics->PositionalCorrection();
    const float c = (0.2f - 1e-7f) / (1.0f + 1.0f / 3.0f) * 0.425f;
    EXPECT_NEAR(BodyOf(a)->mPosition.x, 5.0f - c, 1e-5f);
    EXPECT_NEAR(BodyOf(b)->mPosition.x, 5.8f + c / 3.0f, 1e-5f);
}

TEST(PositionalCorrection, DepthWithinTheSlopIsNotCorrected)
{
    PhysicsScope scope;
    Composition* a = scope.Box(Vec3(5, 5, 0));
    Composition* b = scope.Box(Vec3(5.8f, 5, 0));
    Manifold m = Filled(a, b);
    m.mPenetration = 1e-7f;
    scope.mPhysics->mContacts.push_back(m);
    scope.mPhysics->PositionalCorrection();
    EXPECT_EQ(BodyOf(a)->mPosition.x, 5.0f);
    EXPECT_EQ(BodyOf(b)->mPosition.x, 5.8f);
}
