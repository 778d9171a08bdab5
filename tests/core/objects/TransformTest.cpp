#include <gtest/gtest.h>
#include <cmath>
#include "core/objects/Composition.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "support/TestSupport.h"

using namespace Framework;

namespace
{
// A GameLogic in a chosen state, for the state-gated picking; run from a
// scratch folder since the game logic keeps its settings file.
struct StateScope
{
    explicit StateScope(uint32_t state) { logic.mState.mCurrent = state; }
    TestSupport::TempFolder folder;
    TestSupport::WorkingDirectory cwd{folder.Path()};
    GameLogic logic;
};
} // namespace

TEST(TransformRotation, RadiansWrapIntoOneTurnOnce)
{
    Transform t;
    t.SetRotationRadians(-3.1415927f / 2);
    EXPECT_NEAR(t.mRotation, 270.0f, 1e-3);
    t.SetRotationRadians(3 * 3.1415927f);
    EXPECT_NEAR(t.mRotation, 180.0f, 1e-3);
    t.SetRotationRadians(5 * 3.1415927f);
    EXPECT_NEAR(t.mRotation, 540.0f, 1e-3);
}

TEST(TransformMatrix, UpdateMatrixBuildsScaleRotationTranslation)
{
    Transform t;
    t.mScale = Vec3(2, 1, 1);
    t.mRotation = 90.0f;
    t.mPosition = Vec3(5, 6, 0);
    t.UpdateMatrix();
    EXPECT_NEAR(t.mMatrix.m[0][0], 0.0f, 1e-5);
    EXPECT_NEAR(t.mMatrix.m[0][1], -1.0f, 1e-5);
    EXPECT_NEAR(t.mMatrix.m[1][0], 2.0f, 1e-5);
    EXPECT_NEAR(t.mMatrix.m[1][1], 0.0f, 1e-5);
    EXPECT_EQ(t.mMatrix.m[0][2], 5.0f);
    EXPECT_EQ(t.mMatrix.m[1][2], 6.0f);
}

TEST(TransformMatrix, RepeatedUpdatesDoNotCompound)
{
    Transform t;
    t.mScale = Vec3(2, 3, 1);
    t.mRotation = 30.0f;
    t.UpdateMatrix();
    const Matrix3 once = t.mMatrix;
    t.UpdateMatrix();
    t.UpdateMatrix();
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_FLOAT_EQ(t.mMatrix.m[r][c], once.m[r][c]);
}

TEST(TransformHitTest, WithoutBodyOrButtonOnlyTheEditorPicks)
{
    Composition object("Thing");
    auto* t = new Transform();
    t->mPosition = Vec3(5, 5, 0);
    t->mScale = Vec3(2, 2, 1);
    object.AddComponent(ComponentType::Transform, t);
    Vec3 hit;
    {
        StateScope level(GameState::LEVEL);
        EXPECT_FALSE(t->HitTest(Vec3(5, 5, -10), Vec3(5, 5, 10), hit));
    }
    {
        StateScope editor(GameState::EDITOR);
        EXPECT_TRUE(t->HitTest(Vec3(5.9f, 4.1f, -10), Vec3(5.9f, 4.1f, 10), hit));
        EXPECT_NEAR(hit.z, 0.0f, 1e-5);
        EXPECT_FALSE(t->HitTest(Vec3(6.5f, 5, -10), Vec3(6.5f, 5, 10), hit));
    }
}

TEST(TransformHitTest, AZeroLengthSegmentNeverHits)
{
    StateScope editor(GameState::EDITOR);
    Transform t;
    Vec3 hit;
    EXPECT_FALSE(t.HitTest(Vec3(0, 0, 0), Vec3(0, 0, 0), hit));
}
