#include <gtest/gtest.h>
#include "graphics/GraphicsSystem.h"
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
constexpr size_t FloatsPerVertex = 7; // x, y, 0, r, g, b, a

// How many debug vertices of each colour were queued.
struct ColourCount
{
    size_t mRed = 0, mGreen = 0, mBlue = 0;
};

ColourCount Count(const GraphicsSystem& graphics)
{
    ColourCount count;
    for (size_t i = 0; i + FloatsPerVertex <= graphics.mDebugVertices.size(); i += FloatsPerVertex)
    {
        const float* v = &graphics.mDebugVertices[i];
        count.mRed += v[3] == 1.0f && v[4] == 0.0f && v[5] == 0.0f;
        count.mGreen += v[3] == 0.0f && v[4] == 1.0f && v[5] == 0.0f;
        count.mBlue += v[3] == 0.0f && v[4] == 0.0f && v[5] == 1.0f;
    }
    return count;
}
} // namespace

TEST(PhysicsDebugDraw, ModeZeroDrawsVelocityHeadingAndOutline)
{
    PhysicsScope scope;
    GraphicsSystem graphics;
    scope.mPhysics->mRunning = false;
    scope.Box(Vec3(5, 5, 0));
    scope.mPhysics->mDebugDrawMode = 0;
    scope.mPhysics->Step(0.01f);
    const ColourCount count = Count(graphics);
    EXPECT_EQ(count.mRed, 2u);   // one velocity line
    EXPECT_EQ(count.mBlue, 2u);  // one heading line
    EXPECT_EQ(count.mGreen, 8u); // four edges
}

TEST(PhysicsDebugDraw, ModeOneLeavesOutHeadingsAndDrawsTheProbes)
{
    PhysicsScope scope;
    GraphicsSystem graphics;
    scope.Circle(Vec3(5, 5, 0));
    scope.mPhysics->mDebugDrawMode = 1;
    scope.mPhysics->Step(0.01f);
    const ColourCount count = Count(graphics);
    EXPECT_EQ(count.mBlue, 0u);
    // Eight probe circles of the two half steps and the outline, 32 segments each.
    EXPECT_EQ(count.mGreen, 9u * 64u);
}
