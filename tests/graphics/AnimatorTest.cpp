#include <gtest/gtest.h>
#include "graphics/Animator.h"
#include "support/RenderTestSupport.h"

using namespace Framework;

namespace
{
class AnimatorTest : public RenderTest::RenderFixture
{
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        AddSheet("Roach", 6);
        mRendering->mAnimations["Walk"] = Animation{"Roach", "Walk", {5, 6, 7}, 10};
        mRendering->mAnimations["Empty"] = Animation{"Roach", "Empty", {}, 10};
        mRendering->mAnimations["Idle"] = Animation{"Idle", "Idle", {1}, 4};
        mObject = MakeObject("Roach", ObjectKind::GameObject, 1, {"Renderer", "Animator"});
        mAnimator = mObject->GetComponent<Animator>();
        mRenderer = mObject->GetComponent<Renderer>();
        mAnimator->mAniName = "Walk";
    }

    // The frames the Renderer shows after each of `steps` updates of dt.
    std::vector<int> Play(int steps, float dt = 0.1f)
    {
        std::vector<int> shown;
        for (int i = 0; i < steps; ++i)
        {
            mRendering->Update(dt);
            shown.push_back(mRenderer->mIndex);
        }
        return shown;
    }

    Composition* mObject = nullptr;
    Animator* mAnimator = nullptr;
    Renderer* mRenderer = nullptr;
};
} // namespace

TEST_F(AnimatorTest, InitializeTakesTheAnimationsSheetAndRate)
{
    mAnimator->mFPS = 99; // the saved value lasts only until Initialize
    mRenderer->mSpriteSheetKey = "PlaceHolder1";
    mObject->Initialize();
    EXPECT_TRUE(mAnimator->IsRegistered());
    EXPECT_EQ(mAnimator->mFPS, 10);
    EXPECT_FLOAT_EQ(mAnimator->mFrameDuration, 0.1f);
    EXPECT_EQ(mRenderer->mSpriteSheetKey, "Roach");
    EXPECT_EQ(mRenderer->mSpriteSheet, &mGraphics->mSpriteSheets["Roach"]);
    EXPECT_EQ(mRenderer->mIndex, 0);
}

TEST_F(AnimatorTest, ALoopShowsTheNextFrameAndWrapsAround)
{
    mObject->Initialize();
    EXPECT_EQ(Play(4), (std::vector<int>{6, 7, 5, 6}));
    EXPECT_TRUE(mAnimator->mPlaying);
}

TEST_F(AnimatorTest, AOneShotShowsEveryFrameThenStops)
{
    mAnimator->mLoop = false;
    mObject->Initialize();
    EXPECT_EQ(Play(3), (std::vector<int>{5, 6, 7}));
    EXPECT_FALSE(mAnimator->mPlaying);
    EXPECT_EQ(mAnimator->mFramePosition, 0);
    EXPECT_EQ(Play(2), (std::vector<int>{7, 7})) << "a stopped animator stays on its last frame";
}

TEST_F(AnimatorTest, OneStepPerCallWhateverTheTime)
{
    mObject->Initialize();
    EXPECT_EQ(Play(2, 5.0f), (std::vector<int>{6, 7}));
    EXPECT_FLOAT_EQ(mAnimator->mTimer, 0.0f);
    EXPECT_EQ(Play(1, 0.05f), (std::vector<int>{7})) << "the timer restarted at zero";
}

TEST_F(AnimatorTest, NoPositiveRateNeverSteps)
{
    mObject->Initialize();
    for (int fps : {0, -3})
    {
        mAnimator->SetFPS(fps);
        EXPECT_FLOAT_EQ(mAnimator->mFrameDuration, 0.0f);
        EXPECT_EQ(Play(3, 1.0f), (std::vector<int>{0, 0, 0}));
    }
    mAnimator->SetFPS(4);
    EXPECT_FLOAT_EQ(mAnimator->mFrameDuration, 0.25f);
}

TEST_F(AnimatorTest, AnAnimationWithoutFramesNeverSteps)
{
    mAnimator->mAniName = "Empty";
    mObject->Initialize();
    EXPECT_EQ(Play(3, 1.0f), (std::vector<int>{0, 0, 0}));
}

TEST_F(AnimatorTest, UnknownAnimationOrMissingRendererStaysUnregistered)
{
    mAnimator->mAniName = "Nope";
    mObject->Initialize();
    EXPECT_FALSE(mAnimator->IsRegistered());

    Composition* bare = MakeObject("Bare", ObjectKind::GameObject, 2, {"Animator"});
    bare->GetComponent<Animator>()->mAniName = "Walk";
    bare->Initialize();
    EXPECT_FALSE(bare->GetComponent<Animator>()->IsRegistered());
    EXPECT_TRUE(mRendering->mAnimators.empty());
    mRendering->Update(1.0f);
}

TEST_F(AnimatorTest, SetAnimationSwitchesOrKeepsTheCurrentOne)
{
    mObject->Initialize();
    Play(2);
    mAnimator->SetAnimation(1, "Idle");
    EXPECT_EQ(mAnimator->mFramePosition, 0);
    EXPECT_EQ(mRenderer->mIndex, 1);
    EXPECT_EQ(mRenderer->mSpriteSheetKey, "Idle");
    EXPECT_EQ(mRenderer->mSpriteSheet, nullptr) << "no sheet is loaded under that key";
    EXPECT_EQ(mAnimator->mFPS, 4);

    mAnimator->SetAnimation(3, "Nope");
    EXPECT_EQ(mAnimator->mAniName, "Nope");
    EXPECT_EQ(mRenderer->mIndex, 1) << "an unknown name keeps frame, sheet and animation";
    EXPECT_EQ(mAnimator->mAnimation, &mRendering->mAnimations["Idle"]);
}

TEST_F(AnimatorTest, DestroyingTheObjectLeavesTheList)
{
    mObject->Initialize();
    ASSERT_EQ(mRendering->mAnimators.size(), 1u);
    Destroy(mObject);
    EXPECT_TRUE(mRendering->mAnimators.empty());
    mRendering->Update(0.1f);
}

TEST_F(AnimatorTest, RecordsRoundTrip)
{
    Animator source;
    source.mFPS = 12;
    source.mAniName = "Walk";
    source.mIndex = 2;
    source.mLoop = false;
    source.mPlaying = false;

    Animator fromXml;
    RenderTest::XmlRoundTrip(source, fromXml, mFolder.File("a.xml"));
    EXPECT_EQ(fromXml.mFPS, 12);
    EXPECT_EQ(fromXml.mAniName, "Walk");
    EXPECT_EQ(fromXml.mIndex, 2);
    EXPECT_FALSE(fromXml.mLoop);
    EXPECT_FALSE(fromXml.mPlaying);

    Animator fromText;
    EXPECT_EQ(RenderTest::TextRoundTrip(source, fromText, mFolder.File("a.txt")), "Animator");
    EXPECT_EQ(fromText.mFPS, 12);
    EXPECT_EQ(fromText.mAniName, "Walk");
    EXPECT_EQ(fromText.mIndex, 2);
    EXPECT_TRUE(fromText.mLoop) << "Loop and Playing are not in the text record";
    EXPECT_TRUE(fromText.mPlaying);
}
