// The apple's reaction to each kind of object it touches, by sending the
// collision message with a hand-built object (no physics step involved).
//
// Contents:
//   1. The fixture: the apple, props, the sounds heard
//   2. Walls, jump triggers, fruits, mushrooms, cans
//   3. Belts and checkpoints
//   4. Hazards and enemies
//   5. The goal and the start wall
//   6. Fans, crates, rotating objects, fake tiles and marshmallows
#include <gtest/gtest.h>
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/AirConScript.h"
#include "gameplay/scripts/CameraScript.h"
#include "gameplay/scripts/Conveyer.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/Van.h"
#include "AppleTestSupport.h"

using namespace Framework;
using TestSupport::AppleWorld;
using TestSupport::PropSpec;
using TestSupport::Touch;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
class PlayerTouches : public ::testing::Test
{
protected:
    PlayerTouches()
    {
        mApple = mWorld.MakeApple();
        mPlayer = ScriptOf<Player>(mApple);
        mPlayer->mFirstFrame = false;
        mPlayer->mSettling = false;
        mPlayer->mPlayerMoving = true;
        mWorld.mWorld.mSounds.Clear();
    }
    Body* AppleBody() { return mApple->GetComponent<Body>(); }
    Composition* Prop(uint32_t tag, const Vec3& position, const std::string& name = "Prop")
    {
        return mWorld.MakeProp({.mName = name, .mTag = tag, .mPosition = position});
    }
    // Sounds are recorded when the audio manager updates.
    bool Heard(const std::string& key)
    {
        mWorld.mWorld.mAudio->Update(0.0f);
        mWorld.mWorld.mSounds.Poll();
        return mWorld.Heard("Player:" + key);
    }

    AppleWorld mWorld;
    Composition* mApple = nullptr;
    Player* mPlayer = nullptr;
};
} // namespace

// ---- 2. Walls, jump triggers, fruits, mushrooms, cans -----------------------
TEST_F(PlayerTouches, AWallTurnsTheAppleAndNudgesItOut)
{
    Touch(mApple, Prop(ObjectTag::Wall, Vec3(6.0f, 5.0f, 0.0f)));
    EXPECT_FALSE(mPlayer->mPlayerRight);
    EXPECT_TRUE(mPlayer->mTurned);
    EXPECT_NEAR(AppleBody()->mPosition.x, 4.99f, 1e-5f);
    EXPECT_TRUE(Heard("Button_Sound"));
}

TEST_F(PlayerTouches, JumpTriggersAndFruitsHopTheAppleBackAndUp)
{
    Touch(mApple, Prop(ObjectTag::JumpTrigger, Vec3(5.0f, 4.0f, 0.0f)));
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 15.0f);
    EXPECT_NEAR(AppleBody()->mPosition.x, 4.95f, 1e-5f);
    EXPECT_NEAR(AppleBody()->mPosition.y, 5.05f, 1e-5f);
    EXPECT_TRUE(mPlayer->mJumping);
    EXPECT_FALSE(mPlayer->mPopPending);
    EXPECT_TRUE(Heard("AppleBounce"));

    mPlayer->mPlayerRight = false;
    Touch(mApple, Prop(ObjectTag::InterFruits, Vec3(4.0f, 5.0f, 0.0f)));
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 22.0f);
    EXPECT_NEAR(AppleBody()->mPosition.x, 5.0f, 1e-5f);
}

TEST_F(PlayerTouches, AMushroomBelowBouncesTheApple)
{
    Touch(mApple, Prop(ObjectTag::Mushroom, Vec3(5.0f, 4.2f, 0.0f)));
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 35.0f);
    EXPECT_TRUE(mPlayer->mBounced);
    EXPECT_TRUE(mPlayer->mPopPending);
    EXPECT_TRUE(Heard("AppleBounce"));
}

TEST_F(PlayerTouches, ACanBouncesTheAppleOrTurnsItAfterABounce)
{
    Touch(mApple, Prop(ObjectTag::Can, Vec3(5.5f, 5.0f, 0.0f)));
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 17.0f);
    EXPECT_TRUE(mPlayer->mBounced);

    // A can whose bottom is above the apple's top: a bounced apple turns.
    mPlayer->mContactCooldown = true;
    Touch(mApple, Prop(ObjectTag::Can, Vec3(5.5f, 7.0f, 0.0f)));
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 0.0f);
    EXPECT_FALSE(mPlayer->mPlayerRight);
    EXPECT_FALSE(mPlayer->mContactCooldown);
}

TEST_F(PlayerTouches, AClickedCanAheadTurnsTheAppleOncePerCooldown)
{
    Composition* can = Prop(ObjectTag::Can, Vec3(6.0f, 5.0f, 0.0f));
    mWorld.mWorld.mPhysics->SetHoverObject(can);
    mWorld.mWorld.mInput->SetNow(VK_LBUTTON, true, true);
    Behaviour* behaviour = mApple->GetComponent<Behaviour>();
    mPlayer->Update(behaviour, 1.0f / 64.0f); // the contact cooldown comes on, its timer at 0.8 s
    Touch(mApple, can);
    EXPECT_FALSE(mPlayer->mPlayerRight);
    EXPECT_FALSE(mPlayer->mContactCooldown);
    EXPECT_EQ(mPlayer->mLastContact, nullptr);
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 0.0f); // no bounce while clicked

    Touch(mApple, can);
    EXPECT_FALSE(mPlayer->mPlayerRight);
    mPlayer->Update(behaviour, 0.75f);
    EXPECT_FALSE(mPlayer->mContactCooldown);
    mPlayer->Update(behaviour, 0.1f); // back after 0.8 s
    EXPECT_TRUE(mPlayer->mContactCooldown);

    // A frozen can compares edges: the apple turns only short of its left side.
    Composition* frozen = Prop(ObjectTag::FrozenCan, Vec3(3.0f, 5.0f, 0.0f));
    mWorld.mWorld.mPhysics->SetHoverObject(frozen);
    mPlayer->mContactCooldown = true;
    Touch(mApple, frozen);
    EXPECT_TRUE(mPlayer->mPlayerRight);
}

// ---- 3. Belts and checkpoints -----------------------------------------------
TEST_F(PlayerTouches, ABeltPushesAnAppleGoingItsWayAndTurnsOneAgainstIt)
{
    mWorld.mWorld.mPhysics->mRunning = true;
    Composition* belt = mWorld.MakeProp({.mTag = ObjectTag::ConveyerBelt, .mBehaviour = true});
    Conveyer* conveyer = mWorld.GiveScript<Conveyer>(belt);
    AppleBody()->mForce = Vec3(0.0f);
    Touch(mApple, belt);
    EXPECT_FLOAT_EQ(AppleBody()->mForce.x, 18.0f);
    EXPECT_TRUE(mPlayer->mPlayerRight);

    conveyer->mBeltRight = false;
    Touch(mApple, belt);
    EXPECT_FALSE(mPlayer->mPlayerRight);

    // A belt carrying some other script, or none, does nothing.
    mWorld.GiveScript<Van>(belt);
    Touch(mApple, belt);
    EXPECT_FALSE(mPlayer->mPlayerRight);
    Touch(mApple, Prop(ObjectTag::ConveyerBelt, Vec3(0.0f)));
    EXPECT_FALSE(mPlayer->mPlayerRight);
}

TEST_F(PlayerTouches, ACheckpointSetsTheRespawnAndFacing_AndSoundsOnce)
{
    Composition* flag = mWorld.MakeProp({.mName = "CheckpointL", .mTag = ObjectTag::CheckPoint, .mAnimator = true});
    Touch(mApple, flag);
    EXPECT_EQ(mPlayer->mRestPosition, Vec3(5.0f, 5.0f, -6.0f));
    EXPECT_TRUE(mPlayer->mResumeFacingSet);
    EXPECT_FALSE(mPlayer->mResumeRight);
    EXPECT_TRUE(flag->GetComponent<Animator>()->mPlaying);
    EXPECT_TRUE(Heard("Checkpoint"));

    flag->GetComponent<Animator>()->mPlaying = false;
    Touch(mApple, flag);
    EXPECT_FALSE(flag->GetComponent<Animator>()->mPlaying);
    EXPECT_TRUE(Heard("Checkpoint"));
    EXPECT_EQ(mWorld.TimesHeard("Player:Checkpoint"), 1u);

    Touch(mApple, Prop(ObjectTag::CheckPoint, Vec3(0.0f), ""));
    EXPECT_TRUE(mPlayer->mResumeRight); // an empty name ends in no 'L'
}

// ---- 4. Hazards and enemies -------------------------------------------------
TEST_F(PlayerTouches, HazardsHitAndRespawnUprightAtTheRestPointWithTheCameraGlidingBack)
{
    Composition* view = mWorld.MakeProp({.mName = "MainCamera", .mBody = false, .mBehaviour = true});
    CameraScript* camera = mWorld.GiveScript<CameraScript>(view);
    mPlayer->mRestPosition = Vec3(2.0f, 3.0f, -6.0f);
    AppleBody()->SetOrientation(1.0f);
    AppleBody()->mShape->Offset = Vec3(1.0f, 0.0f, 0.0f); // turned with the apple

    Touch(mApple, Prop(ObjectTag::DeathObject, Vec3(5.0f, 4.0f, 0.0f)));
    EXPECT_EQ(mPlayer->mPlayerHealth, 2);
    EXPECT_EQ(AppleBody()->mPosition, Vec3(2.0f, 3.0f, 0.0f));
    EXPECT_FLOAT_EQ(AppleBody()->mOrientation, 0.0f);
    EXPECT_NEAR(AppleBody()->mShape->Offset.x, std::cos(1.0f), 1e-6f); // turned back upright
    EXPECT_NEAR(AppleBody()->mShape->Offset.y, -std::sin(1.0f), 1e-6f);
    EXPECT_FALSE(mPlayer->mPlayerMoving);
    EXPECT_TRUE(camera->mRespawn);
    EXPECT_TRUE(Heard("AppleHit"));

    // A death platform hits once per contact: not again while still touched.
    Composition* platform = Prop(ObjectTag::DeathPlatform, Vec3(2.0f, 2.0f, 0.0f));
    mPlayer->mHit = false;
    Touch(mApple, platform);
    EXPECT_EQ(mPlayer->mPlayerHealth, 1);
    mPlayer->mHit = false;
    Touch(mApple, platform);
    EXPECT_EQ(mPlayer->mPlayerHealth, 1);

    // A camera of another script is left alone by the respawn.
    Van* wrong = mWorld.GiveScript<Van>(view);
    mPlayer->mPlayerMoving = true;
    Touch(mApple, Prop(ObjectTag::DeathObject, Vec3(5.0f, 4.0f, 0.0f)));
    EXPECT_FALSE(wrong->mStarted);
    EXPECT_FALSE(mPlayer->mPlayerMoving);
}

TEST_F(PlayerTouches, EnemiesHurtOnlyAMovingAppleAndNeverAnImmuneOne)
{
    mPlayer->mImmune = true;
    Touch(mApple, Prop(ObjectTag::Roach, Vec3(6.0f, 5.0f, 0.0f)));
    Touch(mApple, Prop(ObjectTag::Rat, Vec3(6.0f, 5.0f, 0.0f)));
    Touch(mApple, Prop(ObjectTag::Icicle, Vec3(5.0f, 6.0f, 0.0f)));
    EXPECT_EQ(mPlayer->mPlayerHealth, 3);
    EXPECT_TRUE(mPlayer->mPlayerMoving);

    mPlayer->mImmune = false;
    mPlayer->mPlayerMoving = false;
    Touch(mApple, Prop(ObjectTag::Roach, Vec3(6.0f, 5.0f, 0.0f)));
    EXPECT_EQ(mPlayer->mPlayerHealth, 3); // resting apples are safe from walkers

    mPlayer->mPlayerMoving = true;
    mPlayer->mRestPosition = Vec3(1.0f, 2.0f, -6.0f);
    Touch(mApple, Prop(ObjectTag::Rat, Vec3(6.0f, 5.0f, 0.0f)));
    EXPECT_EQ(mPlayer->mPlayerHealth, 2);
    EXPECT_EQ(AppleBody()->mPosition, Vec3(1.0f, 2.0f, -6.0f));

    // An icicle also knocks a held object out of the player's hand.
    Composition* held = Prop(ObjectTag::Crate, Vec3(9.0f, 9.0f, 0.0f));
    held->GetComponent<Body>()->mStartPosition = Vec3(8.0f, 8.0f, 0.0f);
    mWorld.mWorld.mPhysics->SetHoverObject(held);
    mWorld.mWorld.mInput->SetNow(VK_LBUTTON, true, true);
    mPlayer->mHit = false;
    Touch(mApple, Prop(ObjectTag::Icicle, Vec3(1.0f, 3.0f, 0.0f)));
    EXPECT_EQ(mPlayer->mPlayerHealth, 1);
    EXPECT_EQ(mWorld.mWorld.mPhysics->HoverObject(), nullptr);
    EXPECT_EQ(held->GetComponent<Body>()->mPosition, Vec3(8.0f, 8.0f, 0.0f));
}

// ---- 5. The goal and the start wall -----------------------------------------
TEST_F(PlayerTouches, TheGoalPlaysTheWinMusicOnceAndSendsTheAppleBack)
{
    AppleBody()->SetPosition(Vec3(20.0f, 5.0f, 0.0f));
    gAudio->StopMusic();
    Composition* goal = Prop(ObjectTag::Goal, Vec3(21.0f, 5.0f, 0.0f));
    Touch(mApple, goal);
    EXPECT_TRUE(gAudio->IsMusicPlaying());
    EXPECT_EQ(AppleBody()->mPosition, Vec3(5.0f, 5.0f, 0.0f));
    EXPECT_FALSE(mPlayer->mPlayerMoving);
    EXPECT_FLOAT_EQ(mApple->GetComponent<Renderer>()->mAlpha, 0.0f);

    gAudio->StopMusic();
    Touch(mApple, goal);
    EXPECT_FALSE(gAudio->IsMusicPlaying());
}

TEST_F(PlayerTouches, AStartWallTurnsALeftBoundAppleAtMostTwiceASecond)
{
    Composition* wall = Prop(ObjectTag::StartWall, Vec3(4.0f, 5.0f, 0.0f));
    mPlayer->mPlayerRight = false;
    mPlayer->mWallTurnTime = 0.6f;
    Touch(mApple, wall);
    EXPECT_TRUE(mPlayer->mPlayerRight);
    EXPECT_FLOAT_EQ(mPlayer->mWallTurnTime, 0.0f);

    Touch(mApple, wall); // facing right: passes through
    EXPECT_TRUE(mPlayer->mPlayerRight);
    mPlayer->mPlayerRight = false;
    Touch(mApple, wall); // too soon after the last turn
    EXPECT_FALSE(mPlayer->mPlayerRight);
}

// ---- 6. Fans, crates, rotating objects, fake tiles and marshmallows ---------
TEST_F(PlayerTouches, AFanLiftsTheAppleAtItsOwnSpeed)
{
    PropSpec spec;
    spec.mTag = ObjectTag::AirCon;
    spec.mPosition = Vec3(5.0f, 5.0f, 0.0f);
    spec.mBehaviour = true;
    Composition* fan = mWorld.MakeProp(spec);
    mWorld.GiveScript<AirConScript>(fan)->mAirConSpeed = 7.0f;
    Touch(mApple, fan);
    EXPECT_TRUE(mPlayer->mInStream);
    EXPECT_TRUE(mPlayer->mLiftFromBelow); // the bottoms meet
    EXPECT_FLOAT_EQ(mPlayer->mLiftAcceleration, 7.0f);

    // A fan without its script still holds the apple, at the last speed.
    mPlayer->mInStream = mPlayer->mLiftFromBelow = false;
    spec.mPosition = Vec3(5.0f, 8.0f, 0.0f);
    spec.mBehaviour = false;
    Touch(mApple, mWorld.MakeProp(spec));
    EXPECT_TRUE(mPlayer->mInStream);
    EXPECT_FALSE(mPlayer->mLiftFromBelow);
    EXPECT_FLOAT_EQ(mPlayer->mLiftAcceleration, 7.0f);
}

TEST_F(PlayerTouches, TheWinningCrateStartsTheVanOnce_OtherCratesThrowTheApple)
{
    Touch(mApple, Prop(ObjectTag::Crate, Vec3(6.0f, 5.0f, 0.0f)));
    EXPECT_EQ(AppleBody()->mVelocity, Vec3(5.0f, 20.0f, 0.0f));

    Van* van = mWorld.GiveScript<Van>(mWorld.MakeProp({.mName = "Van", .mBody = false, .mBehaviour = true}));
    Composition* crate = Prop(ObjectTag::Crate, Vec3(6.0f, 5.0f, 0.0f), "CrateWin");
    Touch(mApple, crate);
    EXPECT_FALSE(mPlayer->mInPlay);
    EXPECT_TRUE(van->mStarted);
    mWorld.mWorld.Step(32); // delivered: the apple fades out after half a second
    EXPECT_FLOAT_EQ(mApple->GetComponent<Renderer>()->mAlpha, 1.0f);
    mWorld.mWorld.Step();
    EXPECT_FLOAT_EQ(mApple->GetComponent<Renderer>()->mAlpha, 0.0f);

    van->mStarted = false;
    AppleBody()->mVelocity = Vec3(0.0f);
    Touch(mApple, crate);
    Touch(mApple, Prop(ObjectTag::Crate, Vec3(6.0f, 5.0f, 0.0f)));
    EXPECT_FALSE(van->mStarted);
    EXPECT_EQ(AppleBody()->mVelocity, Vec3(0.0f));
}

TEST_F(PlayerTouches, RotatingObjectsRollTurnOrBounceByTheirAngle)
{
    Composition* board = Prop(ObjectTag::RotatingObject, Vec3(6.0f, 5.0f, 0.0f));
    Body* boardBody = board->GetComponent<Body>();

    boardBody->mOrientation = 1.2f;
    mPlayer->mPlayerRight = false;
    Touch(mApple, board);
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.x, (1.2f / 1.5f) * -3.0f);

    mPlayer->mPlayerRight = true; // steep enough to bounce off: once per cooldown
    Touch(mApple, board);
    EXPECT_FALSE(mPlayer->mPlayerRight);
    EXPECT_TRUE(mPlayer->mBounceCooldown);
    mPlayer->mPlayerRight = true;
    Touch(mApple, board);
    EXPECT_TRUE(mPlayer->mPlayerRight);
    // The first cooldown ends at once (its timer starts spent); the next lasts 1.8 s.
    Behaviour* behaviour = mApple->GetComponent<Behaviour>();
    mPlayer->Update(behaviour, 1.0f / 64.0f);
    Touch(mApple, board);
    EXPECT_FALSE(mPlayer->mPlayerRight);
    mPlayer->Update(behaviour, 1.75f);
    EXPECT_TRUE(mPlayer->mBounceCooldown);
    mPlayer->Update(behaviour, 0.1f);
    EXPECT_FALSE(mPlayer->mBounceCooldown);

    boardBody->mOrientation = 0.0f; // flat: a timed turn
    gPlayerTurnTimer = 0.6f;
    Touch(mApple, board);
    EXPECT_TRUE(mPlayer->mPlayerRight);
    EXPECT_FLOAT_EQ(gPlayerTurnTimer, 0.0f);
    Touch(mApple, board);
    EXPECT_TRUE(mPlayer->mPlayerRight);
}

TEST_F(PlayerTouches, FakeTilesEndABounceAndMarshmallowsDoNothing)
{
    mPlayer->mBounced = true;
    Touch(mApple, Prop(ObjectTag::Marshmallow, Vec3(5.0f, 4.0f, 0.0f)));
    EXPECT_TRUE(mPlayer->mBounced);
    Touch(mApple, Prop(ObjectTag::FakeTile, Vec3(5.0f, 4.0f, 0.0f)));
    EXPECT_FALSE(mPlayer->mBounced);
    EXPECT_EQ(mPlayer->mPlayerHealth, 3);
    EXPECT_TRUE(mPlayer->mPlayerMoving);
}
