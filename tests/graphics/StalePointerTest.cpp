// Deleting a component or a sprite sheet while others still point at it, and
// emitters and sheets whose numbers come from a damaged file.
#include <gtest/gtest.h>
#include <algorithm>
#include <climits>
#include "graphics/Animator.h"
#include "graphics/ParticleComponent.h"
#include "graphics/ParticleSystem.h"
#include "support/RenderTestSupport.h"

using namespace Framework;

namespace
{
class StalePointerTest : public RenderTest::RenderFixture
{
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        AddSheet("Roach", 6);
        mRendering->mAnimations["Walk"] = Animation{"Roach", "Walk", {1, 2, 3}, 10};
    }
};
} // namespace

TEST_F(StalePointerTest, DeletingTheRendererLeavesTheAnimatorNothingToWriteInto)
{
    Composition* object = MakeObject("Roach", ObjectKind::GameObject, 1, {"Renderer", "Animator"});
    object->GetComponent<Animator>()->mAniName = "Walk";
    object->Initialize();
    Renderer* renderer = object->GetComponent<Renderer>();
    object->mPendingRemoval.insert(renderer);
    object->RemovePendingComponents(); // what the editor's component delete does
    ASSERT_EQ(object->GetComponent<Renderer>(), nullptr);
    for (int i = 0; i < 5; ++i)
        mRendering->Update(0.1f); // under AddressSanitizer a stale Renderer shows here
    EXPECT_TRUE(object->GetComponent<Animator>()->IsRegistered());
}

TEST_F(StalePointerTest, RemovingASheetTellsEveryRendererThatShowedIt)
{
    Composition* live = MakeObject("Live", ObjectKind::GameObject, 1, {"Renderer"});
    Composition* archetype = MakeObject("Arch", ObjectKind::Archetype, 100, {"Renderer"});
    for (Composition* object : {live, archetype})
    {
        object->GetComponent<Renderer>()->mSpriteSheetKey = "Roach";
        object->Initialize();
        mFactory->mObjects[object->mId] = object; // found the way the editor's objects are
    }
    mFactory->mArchetypes[archetype->mId] = archetype;
    mFactory->mObjects.erase(archetype->mId);
    ASSERT_NE(live->GetComponent<Renderer>()->mSpriteSheet, nullptr);

    EXPECT_TRUE(mGraphics->RemoveSpriteSheet("Roach"));
    EXPECT_EQ(live->GetComponent<Renderer>()->mSpriteSheet, nullptr);
    EXPECT_EQ(archetype->GetComponent<Renderer>()->mSpriteSheet, nullptr);
    EXPECT_EQ(mGraphics->mSpriteSheets.count("Roach"), 0u);
    mRendering->Update(0.1f); // draws nothing, reads nothing freed
    EXPECT_FALSE(mGraphics->RemoveSpriteSheet("Roach"));
    // The fixture owns these objects: the factory must not delete them too.
    mFactory->mObjects.clear();
    mFactory->mArchetypes.clear();
}

TEST_F(StalePointerTest, ADeletedArchetypeRendererLeavesTheArchetypeList)
{
    Composition* archetype = MakeObject("Arch", ObjectKind::Archetype, 100, {"Renderer"});
    archetype->Initialize();
    ASSERT_EQ(mRendering->mArchetypeRenderers.size(), 1u);
    Destroy(archetype);
    EXPECT_TRUE(mRendering->mArchetypeRenderers.empty());
}

TEST_F(StalePointerTest, SetAnimationWithAGoodNameRegistersAnAnimatorThatStartedWithABadOne)
{
    Composition* object = MakeObject("Roach", ObjectKind::GameObject, 1, {"Renderer", "Animator"});
    Animator* animator = object->GetComponent<Animator>();
    animator->mAniName = "NoSuchAnimation";
    object->Initialize();
    ASSERT_FALSE(animator->IsRegistered());
    animator->SetAnimation(0, "Walk");
    EXPECT_TRUE(animator->IsRegistered());
    mRendering->Update(0.1f);
    EXPECT_EQ(object->GetComponent<Renderer>()->mIndex, 2);
    animator->SetAnimation(0, "Walk"); // registered once only
    EXPECT_EQ(std::count(mRendering->mAnimators.begin(), mRendering->mAnimators.end(), animator), 1);
}

TEST(ParticleComponentCopy, ASourceWithoutEmitterOrSettingsCopiesToAnEmptyComponent)
{
    ParticleComponent empty;
    ParticleComponent copy(empty); // used to bind a reference through a null pointer
    EXPECT_EQ(copy.mEmitter, nullptr);
}

TEST(ParticleEmitterBounds, AHugeMaximumReservesNoMoreThanThePoolAndTopsUpLater)
{
    ParticleSystem system;
    system.Init();
    ParticleEmitter* greedy = system.AcquireEmitter();
    greedy->mActivate = true;
    greedy->mMaxParticle = INT_MAX; // from a damaged level file
    greedy->mDelay = 1000.0f;
    greedy->Update(0.1f);
    EXPECT_EQ(greedy->ReservedCount(), system.mParticles.size());

    // A second emitter is left short while the first holds the pool...
    ParticleEmitter* waiting = system.AcquireEmitter();
    waiting->mActivate = true;
    waiting->mMaxParticle = 8;
    waiting->mBurstAmount = 8;
    waiting->mDelay = 0.05f;
    waiting->mMinLifeSpan = waiting->mMaxLifeSpan = 100.0f;
    waiting->Update(0.1f);
    EXPECT_EQ(waiting->ReservedCount(), 0u);
    // ...and gets its particles once the first lets them go.
    system.ReleaseEmitter(greedy);
    waiting->Update(0.1f);
    EXPECT_EQ(waiting->ReservedCount(), 8u);
    EXPECT_EQ(waiting->LiveCount(), 8u);
}

TEST(SpriteSheetBounds, HugeRowsAndColumnsCutTheFramesAndKeepTheStoredCounts)
{
    for (int side : {100000, INT_MAX, 4096})
    {
        SpriteSheet sheet;
        sheet.mRows = side;
        sheet.mCols = side;
        sheet.Slice(); // used to throw bad_alloc or length_error, or take seconds
        EXPECT_LE(sheet.mFrames.size(), 65536u);
        EXPECT_EQ(sheet.mRows, side) << "the sheet's file would be written back cut";
        EXPECT_FALSE(sheet.HoldsEveryFrame());
    }
    SpriteSheet small;
    small.mWidth = 64;
    small.mHeight = 32;
    small.mRows = 100;
    small.mCols = 3;
    small.Slice();
    EXPECT_EQ(small.mRows, 100) << "a grid finer than the image is drawn, not cut";
    EXPECT_EQ(small.mFrames.size(), 300u);
    EXPECT_TRUE(small.HoldsEveryFrame());
}
