// The apple's frame: launch, coming to rest, the rest animation by health,
// the keys, a hit and its blink, death, and the probe the physics rules read.
//
// Contents:
//   1. The fixture: a resting apple with physics stopped
//   2. Init, launch, settling and rest
//   3. The rest animation and the keys
//   4. Rolling and bounces
//   5. Hits, blinking and death
//   6. Air streams; running without body or audio
//   7. The probe the physics rules read; tile walls and slopes
//   8. The stopwatch; bumps in the menu
#include <gtest/gtest.h>
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "audio/sound/Mixer.h"
#include "AppleTestSupport.h"

using namespace Framework;
using TestSupport::AppleParts;
using TestSupport::AppleWorld;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
class PlayerFrame : public ::testing::Test
{
protected:
    Player* Script() { return ScriptOf<Player>(mApple); }
    Body* AppleBody() { return mApple->GetComponent<Body>(); }
    Animator* AppleAnimator() { return mApple->GetComponent<Animator>(); }
    Renderer* AppleRenderer() { return mApple->GetComponent<Renderer>(); }

    // An apple that has launched and come to rest in the air, with physics
    // stopped so that only the script moves it.
    Player* RestingApple(const AppleParts& parts = {})
    {
        mApple = mWorld.MakeApple(parts);
        Player* player = Script();
        player->mFirstFrame = false;
        player->mSettling = false;
        player->mPlayerMoving = false;
        mWorld.mWorld.mPhysics->mRunning = false;
        return player;
    }

    AppleWorld mWorld;
    Composition* mApple = nullptr;
};
} // namespace

// ---- 2. Init, launch, settling and rest -------------------------------------
TEST_F(PlayerFrame, InitTakesThePlayerBodyAndStartsTheGameMusic_AnArchetypeNeither)
{
    Composition* archetype = gFactory->CreateObject("Template", ObjectKind::Archetype);
    gFactory->AddComponent(archetype, "Body");
    gFactory->AddComponent(archetype, "Circle");
    static_cast<Behaviour*>(gFactory->AddComponent(archetype, "Behaviour"))->ScriptID = ScriptId::Player;
    archetype->Initialize();
    EXPECT_EQ(mWorld.mWorld.mPhysics->mPlayerBody, nullptr);
    EXPECT_FALSE(gAudio->IsMusicPlaying());
    mApple = mWorld.MakeApple();
    ASSERT_NE(Script(), nullptr);
    EXPECT_EQ(mWorld.mWorld.mPhysics->mPlayerBody, AppleBody());
    EXPECT_TRUE(gAudio->IsMusicPlaying());
    // The game's music, not the menu's: releasing its sound silences it.
    gAudio->GetMixer().ReleaseSound(gAudio->FindSound("Game_Background_Music")->mSound);
    EXPECT_FALSE(gAudio->IsMusicPlaying());
    EXPECT_FALSE(Script()->mPlayerMoving);
}

TEST_F(PlayerFrame, LaunchesRightAndUpInTheFirstFrameExceptInTheLastLevel)
{
    mApple = mWorld.MakeApple();
    mWorld.mWorld.Step();
    EXPECT_NEAR(AppleBody()->mVelocity.x, 12.0f, 1.0f); // less the step's damping
    EXPECT_GT(AppleBody()->mVelocity.y, 30.0f);
    EXPECT_TRUE(Script()->mPlayerRight);
    EXPECT_TRUE(Script()->mPlayerMoving);

    mWorld.mWorld.mLogic->mState.mLoadedLevelPath = "Resources\\LevelData\\Level11";
    Composition* second = mWorld.MakeApple();
    ScriptOf<Player>(second)->Update(second->GetComponent<Behaviour>(), TestSupport::GameplayWorld::Dt);
    EXPECT_FLOAT_EQ(second->GetComponent<Body>()->mVelocity.x, -12.0f);
    EXPECT_FALSE(ScriptOf<Player>(second)->mPlayerRight);
}

TEST_F(PlayerFrame, SettlesOnTheFloorFacingRightAndRemembersWhere)
{
    mWorld.Floor(0, 100, 2);
    mApple = mWorld.MakeApple({.mPosition = Vec3(5.0f, 4.0f, 0.0f)});
    AppleBody()->mRotation = false; // upright, so the rest window is met on landing
    int frames = 0;
    while (Script()->mSettling && frames < 64 * 10)
    {
        mWorld.mWorld.Step();
        ++frames;
    }
    ASSERT_FALSE(Script()->mSettling) << "the apple never came to rest";
    EXPECT_FALSE(Script()->mPlayerMoving);
    EXPECT_TRUE(Script()->mPlayerRight);
    const Vec3 rest = Script()->mRestPosition;
    EXPECT_NEAR(rest.x, AppleBody()->mPosition.x, 0.05f);
    EXPECT_NEAR(rest.y, AppleBody()->mPosition.y, 0.05f);
    mWorld.mWorld.Step(30);
    EXPECT_NEAR(AppleBody()->mPosition.x, rest.x, 0.01f); // held still while waiting
    EXPECT_NEAR(AppleBody()->mPosition.y, rest.y, 0.05f);
    // Started and jumping, it lands with its sound and the flag the landing effect reads.
    mWorld.Tap(VK_SPACE);
    mWorld.Tap(VK_UP);
    for (frames = 0; !Script()->mLanded && frames < 64 * 2; ++frames)
        mWorld.mWorld.Step();
    EXPECT_TRUE(Script()->mLanded);
    EXPECT_FALSE(Script()->mJumping);
    EXPECT_TRUE(mWorld.Heard("Player:AppleLand"));
}

TEST_F(PlayerFrame, NeverComesToRestInTheScrollingLevel)
{
    mWorld.mWorld.mLogic->mState.mLoadedLevelPath = "Resources\\LevelData\\Level10";
    mWorld.Floor(0, 100, 2);
    mApple = mWorld.MakeApple({.mPosition = Vec3(5.0f, 4.0f, 0.0f)});
    AppleBody()->mRotation = false;
    mWorld.mWorld.Step(64 * 4);
    EXPECT_TRUE(Script()->mSettling);
    EXPECT_TRUE(Script()->mPlayerMoving);
}

// ---- 3. The rest animation and the keys -------------------------------------
TEST_F(PlayerFrame, RestAnimationAndRollingFrameFollowTheHealth)
{
    Player* player = RestingApple();
    mWorld.mWorld.Step();
    EXPECT_EQ(AppleAnimator()->mAniName, "Apple100");
    EXPECT_TRUE(AppleAnimator()->mLoop);
    EXPECT_TRUE(AppleAnimator()->mPlaying);
    EXPECT_EQ(AppleAnimator()->mFPS, 12);

    player->mPlayerHealth = 2;
    player->mHealthShown = false;
    mWorld.mWorld.Step();
    EXPECT_EQ(AppleAnimator()->mAniName, "Apple75");

    mWorld.Tap(VK_SPACE);
    EXPECT_TRUE(player->mPlayerMoving);
    mWorld.mWorld.Step();
    EXPECT_FALSE(AppleAnimator()->mPlaying);
    EXPECT_EQ(AppleRenderer()->mIndex, 22);

    mWorld.Tap(VK_UP); // the jump animation by health, once airborne
    mWorld.mWorld.Step();
    EXPECT_EQ(AppleAnimator()->mAniName, "Apple75Pop");
    EXPECT_FALSE(AppleAnimator()->mLoop);
    EXPECT_EQ(AppleAnimator()->mFPS, 23);
}

TEST_F(PlayerFrame, SpaceStartsTheApple_RightTurnsIt_UpMakesItJump_GTogglesImmunity)
{
    Player* player = RestingApple();
    player->mResumeFacingSet = true; // a checkpoint's facing, taken once
    player->mResumeRight = false;
    mWorld.mWorld.Step();
    mWorld.Tap(VK_SPACE);
    EXPECT_TRUE(player->mPlayerMoving);
    EXPECT_TRUE(player->mTimerArmed);
    EXPECT_FALSE(player->mPlayerRight);
    EXPECT_FALSE(player->mResumeFacingSet);

    mWorld.mWorld.mSounds.Clear();
    mWorld.Tap(VK_RIGHT);
    EXPECT_TRUE(player->mPlayerRight);
    EXPECT_TRUE(player->mTurned);
    EXPECT_TRUE(mWorld.Heard("Player:Button_Sound"));

    const float before = AppleBody()->mVelocity.y;
    mWorld.Tap(VK_UP);
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, before + 20.0f);
    EXPECT_TRUE(player->mJumping);
    EXPECT_TRUE(player->mPopPending);

    mWorld.Tap('G');
    EXPECT_TRUE(player->mImmune);
    mWorld.Tap('G');
    EXPECT_FALSE(player->mImmune);
}

// ---- 4. Rolling and bounces -------------------------------------------------
TEST_F(PlayerFrame, RollingPushesTheBodyByFacingAndGround_ABounceRequestBouncesOnce)
{
    Player* player = RestingApple();
    player->mPlayerMoving = true;
    mWorld.mWorld.mPhysics->mRunning = true;
    AppleBody()->mForce = Vec3(0.0f);
    player->Update(mApple->GetComponent<Behaviour>(), 0.0f);
    EXPECT_FLOAT_EQ(AppleBody()->mForce.x, 12.0f); // airborne: the fixed air push
    player->mPlayerRight = false;
    AppleBody()->mForce = Vec3(0.0f);
    player->Update(mApple->GetComponent<Behaviour>(), 0.0f);
    EXPECT_FLOAT_EQ(AppleBody()->mForce.x, -12.0f);
    player->mBounceRequest = true; // asked for from outside: one bounce
    const float before = AppleBody()->mVelocity.y;
    player->Update(mApple->GetComponent<Behaviour>(), 0.0f);
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, before + 35.0f);
    EXPECT_FALSE(player->mBounceRequest);
}

// ---- 5. Hits, blinking and death --------------------------------------------
TEST_F(PlayerFrame, AHitCostsHealthOnceAndBlinksForThreeSeconds)
{
    Player* player = RestingApple();
    mWorld.mWorld.mSounds.Clear();
    mWorld.Tap('K');
    EXPECT_EQ(player->mPlayerHealth, 2);
    EXPECT_TRUE(player->mHit);
    EXPECT_TRUE(mWorld.Heard("Player:AppleHit"));

    mWorld.Tap('K'); // during the blink: no further loss
    EXPECT_EQ(player->mPlayerHealth, 2);

    float lowest = 1.0f;
    int frames = 0;
    while (player->mHit && frames < 64 * 5)
    {
        mWorld.mWorld.Step();
        lowest = std::min(lowest, AppleRenderer()->mAlpha);
        ++frames;
    }
    EXPECT_FALSE(player->mHit);
    EXPECT_GE(frames, 64 * 3 - 5); // the two key taps ran blink frames too
    EXPECT_LE(frames, 64 * 3 + 2);
    EXPECT_FLOAT_EQ(lowest, 0.5f);
    EXPECT_FLOAT_EQ(AppleRenderer()->mAlpha, 1.0f);

    mWorld.Tap('K');
    EXPECT_EQ(player->mPlayerHealth, 1);
}

TEST_F(PlayerFrame, TheLastHitPlaysTheLoseMusicAndTheDyingAnimationInTheSameFrame)
{
    Player* player = RestingApple();
    player->mPlayerHealth = 1;
    gAudio->StopMusic();
    mWorld.mWorld.mSounds.Clear();
    mWorld.Tap('K');
    EXPECT_EQ(player->mPlayerHealth, 0);
    EXPECT_FALSE(player->mLosePending);
    EXPECT_TRUE(mWorld.Heard("music:on"));
    EXPECT_EQ(AppleAnimator()->mAniName, "AppleDyingAni");
    EXPECT_FALSE(AppleAnimator()->mLoop);
    const Transform* transform = mApple->GetComponent<Transform>();
    EXPECT_FLOAT_EQ(transform->mScale.x, 6.0f);
    EXPECT_FLOAT_EQ(transform->mScale.y, 6.0f);
    EXPECT_EQ(mWorld.mWorld.mPhysics->mGravity, Vec2(0.0f, 0.0f));
    EXPECT_FLOAT_EQ(static_cast<ShapeCircle*>(AppleBody()->mShape)->Radius, 0.25f);
    EXPECT_FLOAT_EQ(player->mRestPosition.y, -1.5f);

    gAudio->StopMusic();
    mWorld.mWorld.mSounds.Clear();
    mWorld.Tap(VK_SPACE); // a dead apple does not start, and dies only once
    EXPECT_FALSE(player->mPlayerMoving);
    EXPECT_FALSE(mWorld.Heard("music:on"));
    // Waiting at health 0 leaves the dying animation playing out once.
    mWorld.mWorld.Step(3);
    EXPECT_EQ(AppleAnimator()->mAniName, "AppleDyingAni");
    EXPECT_FALSE(AppleAnimator()->mLoop);
}

// ---- 6. Air streams; running without body or audio --------------------------
TEST_F(PlayerFrame, AnAirStreamLiftsFasterEachFrameUpToItsLimit)
{
    Player* player = RestingApple();
    player->mPlayerMoving = true;
    player->mInStream = true;
    player->mLiftOn = true;
    player->mLiftAcceleration = 64.0f;
    Behaviour* behaviour = mApple->GetComponent<Behaviour>();
    player->mLiftStart = true;
    player->Update(behaviour, 1.0f / 64.0f);
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, -64.0f); // entered from the side: pushed by the fan
    EXPECT_FLOAT_EQ(player->mLiftVelocity, -63.0f);
    EXPECT_TRUE(player->mFlySoundPlayed);

    player->mLiftStart = true;
    player->mLiftFromBelow = true;
    player->Update(behaviour, 1.0f / 64.0f);
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 3.0f); // from below: a gentle start
    mWorld.mWorld.mPhysics->mFastMode = true;
    player->Update(behaviour, 1.0f / 64.0f);
    EXPECT_FLOAT_EQ(player->mLiftVelocity, 4.0f + 1.5f); // fast mode: dt x 1.5
    for (int i = 0; i < 200; ++i)
        player->Update(behaviour, 1.0f / 64.0f);
    EXPECT_GE(player->mLiftVelocity, 20.0f);
    EXPECT_LT(player->mLiftVelocity, 21.01f);
}

TEST_F(PlayerFrame, WithoutBodyOrAudioTheAppleStillRunsSilently)
{
    mApple = mWorld.MakeApple({.mBody = false, .mAudio = false, .mAnimator = false});
    mWorld.mWorld.Step(3);
    Script()->mPlayerHealth = 1;
    mWorld.Tap('K');
    EXPECT_EQ(Script()->mPlayerHealth, 0);
    EXPECT_FALSE(mWorld.Heard("Player:AppleHit"));
    // It dies drawn around where it was, shifted by (1, 2.3) (a body would place it back).
    EXPECT_EQ(mApple->GetComponent<Transform>()->mPosition, Vec3(6.0f, 7.3f, 0.0f));
}

// ---- 7. The air-stream flags of a step; tile walls and slopes --------------
TEST_F(PlayerFrame, TheAirStreamFlagsLastOneStep)
{
    Player* player = RestingApple();
    player->mInStream = player->mLiftFromBelow = true;
    gPhysics->mRunning = false;
    mWorld.mWorld.Step(1);
    EXPECT_TRUE(player->mInStream) << "kept while physics does not run";
    gPhysics->mRunning = true;
    mWorld.mWorld.Step(1);
    EXPECT_FALSE(player->mInStream);
    EXPECT_FALSE(player->mLiftFromBelow);
}

TEST_F(PlayerFrame, TileWallsTurnTheAppleAtMostTwiceASecond_SlopesCarryIt)
{
    mWorld.Floor(0, 0, 0); // sizes the grids
    mWorld.mWorld.mFactory->mTileGrid.PlaceTile(1, 0, Vec3(5.0f, 5.0f, 0.0f));
    Player* player = RestingApple({.mPosition = Vec3(5.2f, 5.5f, 0.0f)});
    player->mPlayerMoving = true;
    Behaviour* behaviour = mApple->GetComponent<Behaviour>();
    gPlayerTurnTimer = 0.6f;
    player->Update(behaviour, 1.0f / 64.0f);
    EXPECT_FALSE(player->mPlayerRight);
    EXPECT_FLOAT_EQ(gPlayerTurnTimer, 1.0f / 64.0f);

    player->mPlayerRight = true;
    player->Update(behaviour, 1.0f / 64.0f);
    EXPECT_TRUE(player->mPlayerRight); // too soon after the last turn

    mWorld.mWorld.mFactory->mTileGrid.PlaceTile(4, 0, Vec3(5.0f, 5.0f, 0.0f)); // a rising slope ahead
    player->Update(behaviour, 1.0f / 64.0f);
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.x, 3.5f);
}

// ---- 8. The stopwatch; bumps in the menu ------------------------------------
TEST_F(PlayerFrame, TheStopwatchRunsWhileTheStartedAppleRolls_TwiceAsFastInFastMode)
{
    Player* player = RestingApple();
    Behaviour* behaviour = mApple->GetComponent<Behaviour>();
    LevelTimer& timer = mWorld.mWorld.mPhysics->mLevelTimer;
    player->mPlayerMoving = true;
    player->Update(behaviour, 0.25f);
    EXPECT_FLOAT_EQ(timer.mRunningTime, 0.0f); // not started with Space yet
    player->mTimerArmed = true;
    player->Update(behaviour, 0.25f);
    mWorld.mWorld.mPhysics->mFastMode = true;
    player->Update(behaviour, 0.25f);
    EXPECT_FLOAT_EQ(timer.mRunningTime, 0.75f);
    timer.mFinalTime = 0.75f; // the goal stopped it
    player->Update(behaviour, 0.25f);
    EXPECT_FLOAT_EQ(timer.mRunningTime, 0.75f);
}

TEST_F(PlayerFrame, InTheMenuTheApplesBumpsAreHeardOnlyFromTheHomeView)
{
    mWorld.mWorld.SetState(GameState::MAIN_MENU);
    Composition* view = mWorld.MakeProp({.mName = "MainCamera", .mBody = false, .mCamera = true});
    Camera* camera = view->GetComponent<Camera>();
    ASSERT_EQ(gGraphicsSystem->GetActiveCamera(), camera);
    mApple = mWorld.MakeApple();
    EXPECT_TRUE(Script()->mPlayerMoving); // the menu apple rolls from the start
    EXPECT_TRUE(gAudio->IsMusicPlaying());
    gAudio->GetMixer().ReleaseSound(gAudio->FindSound("MainMenu_Background_Music")->mSound);
    EXPECT_FALSE(gAudio->IsMusicPlaying());

    Composition* wall = mWorld.MakeProp({.mTag = ObjectTag::Wall});
    auto heard = [&](const std::string& event)
    {
        gAudio->Update(0.0f);
        mWorld.mWorld.mSounds.Poll();
        return mWorld.Heard(event);
    };
    TestSupport::Touch(mApple, wall);
    EXPECT_FALSE(Script()->mPlayerRight);
    EXPECT_FALSE(heard("Player:Button_Sound"));
    Script()->TakeHit();
    EXPECT_TRUE(heard("Player:AppleHit")); // other sounds play anywhere

    camera->Position = Vec3(31.0f, 25.0f, 0.0f);
    TestSupport::Touch(mApple, wall);
    EXPECT_TRUE(heard("Player:Button_Sound"));
}
