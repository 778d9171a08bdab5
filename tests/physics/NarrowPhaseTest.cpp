#include <cmath>
#include <gtest/gtest.h>
#include "physics/CollisionDispatch.h"
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
Manifold Pair(Composition* a, Composition* b)
{
    Manifold m(BodyOf(a), BodyOf(b));
    Collide(m);
    return m;
}
} // namespace

TEST(ShapeGeometry, BoxCornersAreHalfTheScaledSizeCounterClockwise)
{
    PhysicsScope scope;
    BodySpec spec;
    spec.mHalfLength = Vec3(2.0f, 1.0f, 0.0f);
    auto* box = static_cast<ShapeOBB*>(BodyOf(scope.Make(spec))->mShape);
    EXPECT_EQ(box->mCorners[0], Vec3(-1.0f, -0.5f, 0.0f));
    EXPECT_EQ(box->mCorners[1], Vec3(1.0f, -0.5f, 0.0f));
    EXPECT_EQ(box->mCorners[2], Vec3(1.0f, 0.5f, 0.0f));
    EXPECT_EQ(box->mCorners[3], Vec3(-1.0f, 0.5f, 0.0f));
    EXPECT_EQ(box->mNormals[1], Vec3(1.0f, 0.0f, 0.0f));
}

TEST(ShapeGeometry, SupportPointKeepsTheFirstOfEqualCorners)
{
    PhysicsScope scope;
    auto* box = static_cast<ShapeOBB*>(BodyOf(scope.Box(Vec3(5.0f)))->mShape);
    EXPECT_EQ(box->GetSupport(Vec3(1.0f, 0.0f, 0.0f)), box->mCorners[1]);
    EXPECT_EQ(box->GetSupport(Vec3(-1.0f, 0.0f, 0.0f)), box->mCorners[0]);
    EXPECT_EQ(box->GetSupport(Vec3(1.0f, 1.0f, 0.0f)), box->mCorners[2]);
}

TEST(CircleCircle, ExactlyTouchingIsNoContact)
{
    PhysicsScope scope;
    Manifold m = Pair(scope.Circle(Vec3(5, 5, 0)), scope.Circle(Vec3(6, 5, 0)));
    EXPECT_EQ(m.mContactCount, 0u);
}

TEST(CircleCircle, SameCentrePushesAlongXByTheFirstRadius)
{
    PhysicsScope scope;
    Manifold m = Pair(scope.Circle(Vec3(5, 5, 0)), scope.Circle(Vec3(5, 5, 0)));
    ASSERT_EQ(m.mContactCount, 1u);
    EXPECT_EQ(m.mNormal, Vec3(1, 0, 0));
    EXPECT_FLOAT_EQ(m.mPenetration, 0.5f);
    EXPECT_EQ(m.mContacts[0], Vec3(5, 5, 0));
}

TEST(CircleCircle, OverlapGivesDepthAndThePointOnTheFirstCircle)
{
    PhysicsScope scope;
    Manifold m = Pair(scope.Circle(Vec3(5, 5, 0)), scope.Circle(Vec3(5, 5.8f, 0)));
    ASSERT_EQ(m.mContactCount, 1u);
    EXPECT_NEAR(m.mNormal.y, 1.0f, 1e-6f);
    EXPECT_NEAR(m.mPenetration, 0.2f, 1e-5f);
    EXPECT_NEAR(m.mContacts[0].y, 5.5f, 1e-5f);
}

TEST(CircleBox, CentreInsideTakesTheShallowestFaceNegated)
{
    PhysicsScope scope;
    // 0.1 inside the right face of the box centred at 5.
    Manifold m = Pair(scope.Circle(Vec3(5.4f, 5, 0)), scope.Box(Vec3(5, 5, 0)));
    ASSERT_EQ(m.mContactCount, 1u);
    EXPECT_NEAR(m.mNormal.x, -1.0f, 1e-6f);
    EXPECT_FLOAT_EQ(m.mPenetration, 0.5f);
}

TEST(CircleBox, FaceRegionPointsFromCircleToBox)
{
    PhysicsScope scope;
    Manifold m = Pair(scope.Circle(Vec3(5, 5.9f, 0)), scope.Box(Vec3(5, 5, 0)));
    ASSERT_EQ(m.mContactCount, 1u);
    EXPECT_NEAR(m.mNormal.y, -1.0f, 1e-6f);
    EXPECT_NEAR(m.mPenetration, 0.1f, 1e-5f);
    EXPECT_NEAR(m.mContacts[0].y, 5.4f, 1e-5f);
}

TEST(CircleBox, CornerRegionUsesTheCornerAndMissesBeyondTheRadius)
{
    PhysicsScope scope;
    // Diagonal from the top-right corner (5.5, 5.5): 0.3 along both axes is 0.424 away.
    Manifold near = Pair(scope.Circle(Vec3(5.8f, 5.8f, 0)), scope.Box(Vec3(5, 5, 0)));
    ASSERT_EQ(near.mContactCount, 1u);
    EXPECT_NEAR(near.mContacts[0].x, 5.5f, 1e-5f);
    EXPECT_NEAR(near.mContacts[0].y, 5.5f, 1e-5f);
    EXPECT_NEAR(near.mNormal.x, -std::sqrt(0.5f), 1e-5f);

    Manifold far = Pair(scope.Circle(Vec3(15.9f, 15.9f, 0)), scope.Box(Vec3(15, 15, 0)));
    EXPECT_EQ(far.mContactCount, 0u);
}

TEST(BoxCircle, IsTheCircleTestWithTheNormalTurned)
{
    PhysicsScope scope;
    Manifold m = Pair(scope.Box(Vec3(5, 5, 0)), scope.Circle(Vec3(5, 5.9f, 0)));
    ASSERT_EQ(m.mContactCount, 1u);
    EXPECT_NEAR(m.mNormal.y, 1.0f, 1e-6f);
}

TEST(BoxBox, TwoBoxesOverlappingSideBySideGiveTwoContactsOnTheFirstBoxEdge)
{
    PhysicsScope scope;
    Manifold m = Pair(scope.Box(Vec3(5, 5, 0)), scope.Box(Vec3(5.8f, 5, 0)));
    ASSERT_EQ(m.mContactCount, 2u);
    EXPECT_EQ(m.mNormal, Vec3(1, 0, 0));
    EXPECT_NEAR(m.mPenetration, 0.2f, 1e-5f);
    EXPECT_NEAR(m.mContacts[0].x, 5.5f, 1e-5f);
    EXPECT_NEAR(m.mContacts[1].x, 5.5f, 1e-5f);
}

TEST(BoxBox, ExactlyTouchingOrApartIsNoContact)
{
    PhysicsScope scope;
    EXPECT_EQ(Pair(scope.Box(Vec3(5, 5, 0)), scope.Box(Vec3(6, 5, 0))).mContactCount, 0u);
    EXPECT_EQ(Pair(scope.Box(Vec3(15, 5, 0)), scope.Box(Vec3(17, 5, 0))).mContactCount, 0u);
}

TEST(BoxBox, IncidentEdgeIsClippedToTheReferenceFaceAndDepthsAveraged)
{
    PhysicsScope scope;
    Composition* floor = scope.Box(Vec3(5, 5, 0), 0.0f);
    Composition* tilted = scope.Box(Vec3(5, 5.65f, 0));
    BodyOf(tilted)->SetOrientation(0.785398f);
    Manifold m = Pair(floor, tilted);
    // The lowest corner (5, 4.943) and the edge clipped at the floor's side x = 5.5.
    ASSERT_EQ(m.mContactCount, 2u);
    EXPECT_NEAR(m.mNormal.y, 1.0f, 1e-5f);
    EXPECT_NEAR(m.mContacts[0].y, 5.65f - 0.7071068f, 1e-4f);
    EXPECT_NEAR(m.mContacts[1].x, 5.5f, 1e-4f);
    const float deepest = 5.5f - (5.65f - 0.7071068f);
    const float clipped = 5.5f - (5.65f - 0.7071068f + 0.5f);
    EXPECT_NEAR(m.mPenetration, (deepest + clipped) / 2.0f, 1e-4f);

    // Turned 30 degrees (no symmetry hides the direction of the turn): only the
    // lowest corner, left of the centre, is below the floor's top.
    Composition* turned = scope.Box(Vec3(15, 6.1f, 0));
    BodyOf(turned)->SetOrientation(0.5235988f);
    m = Pair(scope.Box(Vec3(15, 5, 0), 0.0f), turned);
    ASSERT_EQ(m.mContactCount, 1u);
    EXPECT_NEAR(m.mContacts[0].x, 15.0f - 0.1830127f, 1e-4f);
    EXPECT_NEAR(m.mPenetration, 5.5f - (6.1f - 0.6830127f), 1e-4f);
}
