// The follow-apple effect: hidden above the apple, it plays the landing or
// turning effect where the apple reports one and stays there until it ends.
#include <gtest/gtest.h>
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/FollowAppleScript.h"
#include "gameplay/scripts/Player.h"
#include "AppleTestSupport.h"

using namespace Framework;
using TestSupport::AppleWorld;

namespace
{
class FollowApple : public ::testing::Test
{
protected:
    Composition* MakeEffect()
    {
        Composition* effect = gFactory->CreateObject("Effect", ObjectKind::GameObject);
        effect->GetComponent<Transform>()->mPosition = Vec3(-3.0f, -3.0f, 0.0f);
        static_cast<Renderer*>(gFactory->AddComponent(effect, "Renderer"))->mSpriteSheetKey = "Apple";
        static_cast<Animator*>(gFactory->AddComponent(effect, "Animator"))->mPlaying = false;
        static_cast<Behaviour*>(gFactory->AddComponent(effect, "Behaviour"))->ScriptID = ScriptId::FollowAppleScript;
        effect->Initialize();
        return effect;
    }
    // An apple that stays put: no body, so only the flags matter.
    Player* MakeStillApple()
    {
        mApple = mWorld.MakeApple({.mPosition = Vec3(4.0f, 2.0f, 0.0f), .mBody = false});
        return ScriptOf<Player>(mApple);
    }
    Vec3 EffectPosition() const { return mEffect->GetComponent<Transform>()->mPosition; }
    Renderer* EffectRenderer() const { return mEffect->GetComponent<Renderer>(); }
    Animator* EffectAnimator() const { return mEffect->GetComponent<Animator>(); }

    AppleWorld mWorld;
    Composition* mApple = nullptr;
    Composition* mEffect = nullptr;
};
} // namespace

TEST_F(FollowApple, WithoutAnAppleTheEffectNeverMoves)
{
    mEffect = MakeEffect();
    EXPECT_EQ(EffectRenderer()->mIndex, 43);
    mWorld.mWorld.Step(5);
    EXPECT_EQ(EffectPosition(), Vec3(-3.0f, -3.0f, 0.0f));

    // An object tagged Player with some other script is no apple either.
    mWorld.MakeApple({.mScript = ScriptId::None});
    mWorld.mWorld.Step(5);
    EXPECT_EQ(EffectPosition(), Vec3(-3.0f, -3.0f, 0.0f));
}

TEST_F(FollowApple, ALandingPlaysOnceWhereItHappenedWhileTheAppleMovesOn)
{
    Player* apple = MakeStillApple();
    mEffect = MakeEffect();
    mWorld.mWorld.Step();
    EXPECT_TRUE(EffectRenderer()->mInvisible);
    EXPECT_NEAR(EffectPosition().x, 4.0f, 1e-5f);
    EXPECT_NEAR(EffectPosition().y, 2.7f, 1e-5f);

    apple->mLanded = true;
    mWorld.mWorld.Step();
    EXPECT_FALSE(EffectRenderer()->mInvisible);
    EXPECT_EQ(EffectAnimator()->mAniName, "AppleLand");
    EXPECT_EQ(EffectAnimator()->mFPS, 18);
    EXPECT_FALSE(EffectAnimator()->mLoop);

    mApple->GetComponent<Transform>()->mPosition.x = 9.0f;
    mWorld.mWorld.Step();
    EXPECT_NEAR(EffectPosition().x, 4.0f, 1e-5f);
    EXPECT_FALSE(apple->mLanded); // consumed while the effect plays

    int frames = 0;
    while (EffectAnimator()->mPlaying && frames < 64)
    {
        mWorld.mWorld.Step();
        ++frames;
    }
    mWorld.mWorld.Step();
    EXPECT_TRUE(EffectRenderer()->mInvisible);
    EXPECT_NEAR(EffectPosition().x, 9.0f, 1e-5f);
}

TEST_F(FollowApple, ATurnWinsOverALandingAndIsMirroredForALeftBoundApple)
{
    Player* apple = MakeStillApple();
    mEffect = MakeEffect();
    apple->mLanded = true;
    apple->mTurned = true;
    apple->mPlayerRight = false;
    apple->mFirstFrame = false;
    mWorld.mWorld.Step();
    EXPECT_EQ(EffectAnimator()->mAniName, "AppleChangeDirAni");
    EXPECT_EQ(EffectAnimator()->mFPS, 15);
    EXPECT_TRUE(EffectRenderer()->mInvertX);
}
