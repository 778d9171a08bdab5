// Roaches, their riders and rats: headings, turns, pauses and their sounds.
//
// Contents:
//   1. The fixture: roaches, rats and other things
//   2. Roaches: headings, ledges, walls, cans
//   3. Riders
//   4. Rats: running, walls, jumps, dragged objects
//   5. Walking sounds
#include <gtest/gtest.h>
#include "gameplay/scripts/RatScript.h"
#include "gameplay/scripts/Roach.h"
#include "gameplay/scripts/RoachTop.h"
#include "gameplay/scripts/UIscript.h"
#include "gameplay/scripts/WalkerSound.h"
#include "PropTestSupport.h"

using namespace Framework;
using TestSupport::PropParts;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
class Enemies : public TestSupport::PropWorld
{
protected:
    ~Enemies() override { UIscript::sWon = UIscript::sLost = false; }

    // A static roach (the test moves nothing but what the script moves) of size 1 x 1.
    Composition* MakeRoach(const Vec3& position = Vec3(10.0f, 10.0f, 0.0f))
    {
        return Make("Roach", {.tag = ObjectTag::Roach,
                              .position = position,
                              .script = ScriptId::RoachScript,
                              .renderer = true,
                              .audio = true});
    }
    Composition* MakeRat(const Vec3& position)
    {
        return Make("Rat", {.tag = ObjectTag::Rat,
                            .position = position,
                            .script = ScriptId::RatScript,
                            .renderer = true,
                            .animator = true,
                            .audio = true});
    }
    Composition* Thing(uint32_t tag, const Vec3& position) { return Make("Thing", {.tag = tag, .position = position}); }
};
} // namespace

// ---- 2. Roaches -------------------------------------------------------------
TEST_F(Enemies, ARoachWalksItsHeadingFacesItTurnsAtALedgeAndPassesCheckpoints)
{
    Composition* roach = MakeRoach();
    Roach* script = Script<Roach>(roach);
    mWorld.Step();
    EXPECT_EQ(BodyOf(roach)->mVelocity.x, 3.0f);
    EXPECT_TRUE(roach->GetComponent<Renderer>()->mInvertX);
    script->mRight = false;
    mWorld.Step();
    EXPECT_EQ(BodyOf(roach)->mVelocity.x, -3.0f);
    EXPECT_FALSE(roach->GetComponent<Renderer>()->mInvertX);
    mWorld.Step(32); // no ground under its edges: it turns at the ledge once the turn delay is over
    EXPECT_TRUE(script->mRight);

    Composition* checkpoint = Thing(ObjectTag::CheckPoint, Vec3(40.0f, 40.0f, 0.0f));
    Manifold record(BodyOf(checkpoint), BodyOf(roach));
    mWorld.mPhysics->AddContact(record);
    Touch(roach, checkpoint); // it passes through checkpoints
    EXPECT_TRUE(mWorld.mPhysics->mContacts.empty());
}

TEST_F(Enemies, ARoachMeetingAWallTwiceWithinHalfASecondTurnsOnce)
{
    Tile(9, 9); // ground under both edges: no turning at a ledge
    Tile(10, 9);
    Composition* roach = MakeRoach();
    Composition* wall = Thing(ObjectTag::Wall, Vec3(30.0f, 30.0f, 0.0f));
    Roach* script = Script<Roach>(roach);
    mWorld.Step(40); // past the turn delay
    ASSERT_TRUE(script->mRight);

    const float x = BodyOf(roach)->mPosition.x;
    Touch(roach, wall);
    EXPECT_FALSE(script->mRight);
    EXPECT_FLOAT_EQ(BodyOf(roach)->mPosition.x, x - 0.03f); // steps back from the wall
    mWorld.Step(16);
    Touch(roach, wall);
    EXPECT_FALSE(script->mRight);
    mWorld.Step(17); // 33 frames: just past 0.5 s
    Touch(roach, wall);
    EXPECT_TRUE(script->mRight);
}

TEST_F(Enemies, ARoachTurnsAtATileWall)
{
    Tile(12, 10);
    Tile(11, 9); // ground under both edges
    Tile(12, 9);
    Composition* roach = MakeRoach(Vec3(11.6f, 10.2f, 0.0f)); // its right edge reaches into the tile
    Roach* script = Script<Roach>(roach);
    mWorld.Step(32);
    EXPECT_TRUE(script->mRight); // not before the turn delay
    mWorld.Step(2);
    EXPECT_FALSE(script->mRight);
}

TEST_F(Enemies, ACanOnTopStopsARoachAndACanBesideItTurnsIt)
{
    Composition* roach = MakeRoach(); // top at 10.5
    Roach* script = Script<Roach>(roach);
    mWorld.Step();
    Composition* onTop = Thing(ObjectTag::Can, Vec3(10.0f, 10.95f, 0.0f)); // bottom at 10.45
    Touch(roach, onTop);
    EXPECT_FALSE(script->mMoving);
    EXPECT_TRUE(script->mRight);
    BodyOf(roach)->mVelocity.x = 0.0f;
    mWorld.Step();
    EXPECT_EQ(BodyOf(roach)->mVelocity.x, 0.0f); // paused this frame
    mWorld.Step();
    EXPECT_EQ(BodyOf(roach)->mVelocity.x, 3.0f);

    Composition* beside = Thing(ObjectTag::Mushroom, Vec3(10.9f, 10.0f, 0.0f));
    Touch(roach, beside);
    EXPECT_TRUE(script->mMoving);
    EXPECT_FALSE(script->mRight);
}

// ---- 3. Riders --------------------------------------------------------------
TEST_F(Enemies, ARiderFollowsTheLastRoachAndDoesNothingWithoutOne)
{
    Composition* lonely = Make("Rider", {.script = ScriptId::RoachTop, .body = false});
    Position(lonely) = Vec3(1.0f, 2.0f, 3.0f);
    mWorld.Step();
    EXPECT_EQ(Position(lonely), Vec3(1.0f, 2.0f, 3.0f));

    MakeRoach(Vec3(0.0f, 0.0f, 0.0f));
    Composition* roach = MakeRoach(Vec3(5.0f, 6.0f, 0.0f));
    Composition* rider = Make("Rider", {.tag = ObjectTag::RoachTop, .script = ScriptId::RoachTop, .body = false});
    Position(rider).z = 2.0f;
    mWorld.Step();
    EXPECT_FLOAT_EQ(Position(rider).x, Position(roach).x);
    EXPECT_FLOAT_EQ(Position(rider).y, Position(roach).y + 0.2f);
    EXPECT_EQ(Position(rider).z, 2.0f);
    Touch(rider, Thing(ObjectTag::Can, Vec3(40.0f, 40.0f, 0.0f)));
    EXPECT_TRUE(Script<RoachTop>(rider)->mCanColliding);

    // Its roach gone, it stays where it is.
    gFactory->mDestroySet.insert(roach);
    mWorld.Step();
    const Vec3 left = Position(rider);
    mWorld.Step();
    EXPECT_EQ(Position(rider), left);
}

// ---- 4. Rats ----------------------------------------------------------------
TEST_F(Enemies, ARatRunsToFiveUnitsBehindTheApple)
{
    Composition* apple = Apple(Vec3(10.0f, 30.0f, 0.0f), true);
    Composition* rat = MakeRat(Vec3(7.0f, 10.0f, 0.0f));
    RatScript* script = Script<RatScript>(rat);
    mWorld.Step(34);              // a choice is due after half a second
    EXPECT_FALSE(script->mRight); // facing right: aims at 5, left of the rat
    EXPECT_EQ(BodyOf(rat)->mVelocity.x, -3.0f);

    Script<Player>(apple)->mPlayerRight = false;
    mWorld.Step(34);
    EXPECT_TRUE(script->mRight); // facing left: aims at 15
    EXPECT_TRUE(rat->GetComponent<Renderer>()->mInvertX);
}

TEST_F(Enemies, ARatStoppedByAWallRunsAgainOnlyAfterTurning)
{
    Tile(12, 10);
    Apple(Vec3(30.0f, 30.0f, 0.0f), false); // aims at 35: right
    Composition* rat = MakeRat(Vec3(11.6f, 10.2f, 0.0f));
    BodyOf(rat)->mStatic = true;
    RatScript* script = Script<RatScript>(rat);
    mWorld.Step();
    EXPECT_EQ(script->mSpeed, 0.0f);
    EXPECT_TRUE(script->mBlockedRight);
    // Moved away from the wall but still heading right: it stays stopped.
    BodyOf(rat)->SetPosition(Vec3(5.0f, 10.2f, 0.0f));
    mWorld.Step();
    EXPECT_EQ(script->mSpeed, 0.0f);
    script->mRight = false;
    script->mTurnTimer = 0.0f;
    mWorld.Step();
    EXPECT_EQ(script->mSpeed, 3.0f);
}

// A rat stopped against a wall that then turns from it must leave it; it
// used to wait for the wall to be out of reach, which it never was.
TEST_F(Enemies, ARatTurningFromTheWallItTouchesRunsOff)
{
    Tile(12, 10);
    Composition* apple = Apple(Vec3(30.0f, 30.0f, 0.0f), false); // aims at 35: right
    Composition* rat = MakeRat(Vec3(11.6f, 10.2f, 0.0f));
    BodyOf(rat)->mStatic = true; // stays against the wall
    RatScript* script = Script<RatScript>(rat);
    mWorld.Step();
    ASSERT_EQ(script->mSpeed, 0.0f);
    script->mRight = false; // the apple has gone the other way
    script->mTurnTimer = 0.0f;
    mWorld.Step();
    EXPECT_EQ(script->mSpeed, 3.0f);
    EXPECT_LT(BodyOf(rat)->mVelocity.x, 0.0f);

    // The same at a wall on its left.
    Tile(3, 10);
    BodyOf(rat)->SetPosition(Vec3(4.4f, 10.2f, 0.0f));
    Script<Player>(apple)->mPlayerRight = true;
    BodyOf(apple)->SetPosition(Vec3(-10.0f, 30.0f, 0.0f)); // aims at -15: left
    script->mTurnTimer = 1.0f;
    mWorld.Step();
    ASSERT_EQ(script->mSpeed, 0.0f);
    script->mRight = true;
    script->mTurnTimer = 0.0f;
    mWorld.Step();
    EXPECT_EQ(script->mSpeed, 3.0f);
    EXPECT_GT(BodyOf(rat)->mVelocity.x, 0.0f);
}

TEST_F(Enemies, ARatJumpsOverWhatIsInFrontAndNotWhatIsAbove)
{
    Composition* rat = MakeRat(Vec3(10.0f, 10.0f, 0.0f));
    RatScript* script = Script<RatScript>(rat);
    ASSERT_TRUE(script->mRight);
    Composition* ahead = Make("Crate", {.position = Vec3(10.95f, 10.0f, 0.0f), .interactable = true});
    Touch(rat, ahead);
    EXPECT_EQ(BodyOf(rat)->mVelocity.y, 15.0f);
    Composition* above = Make("Crate", {.position = Vec3(10.95f, 10.7f, 0.0f), .interactable = true});
    Touch(rat, above);
    EXPECT_EQ(BodyOf(rat)->mVelocity.y, 0.0f);
    // Behind it: no jump.
    BodyOf(rat)->mVelocity.y = 1.0f;
    Touch(rat, Make("Crate", {.position = Vec3(9.05f, 10.0f, 0.0f), .interactable = true}));
    EXPECT_EQ(BodyOf(rat)->mVelocity.y, 1.0f);
    // Not interactable: ignored.
    Touch(rat, Make("Wall", {.position = Vec3(10.95f, 10.0f, 0.0f)}));
    EXPECT_EQ(BodyOf(rat)->mVelocity.y, 1.0f);
}

TEST_F(Enemies, ARatTurnsFromAnObjectDraggedAtIt)
{
    Composition* rat = MakeRat(Vec3(10.0f, 10.0f, 0.0f));
    RatScript* script = Script<RatScript>(rat);
    Composition* dragged = Make("Crate", {.position = Vec3(12.0f, 10.0f, 0.0f), .interactable = true});
    mWorld.mPhysics->SetHoverObject(dragged);
    mWorld.mInput->SetNow(Left, true, true);
    Touch(rat, dragged);
    EXPECT_FALSE(script->mRight);
    EXPECT_TRUE(script->mHoldHeading);
    // Dragged from high above: no fright.
    script->mRight = true;
    Position(dragged).y = 13.0f;
    BodyOf(dragged)->mPosition.y = 13.0f;
    Touch(rat, dragged);
    EXPECT_TRUE(script->mRight);
}

// ---- 5. Walking sounds ------------------------------------------------------
TEST_F(Enemies, WalkingSoundsOnlyWithTheInterfaceLoadedAndTheLevelUndecided)
{
    Composition* roach = MakeRoach();
    Composition* rat = MakeRat(Vec3(30.0f, 10.0f, 0.0f));
    (void)roach;
    (void)rat;
    const auto countSounds = [&](int frames)
    {
        SeedWalkerRandom(7);
        TakeSounds();
        mWorld.Step(frames);
        return TakeSounds().size();
    };
    EXPECT_EQ(countSounds(3000), 0u); // no "Star1": no interface level
    Make("Star1", {.body = false});
    EXPECT_GT(countSounds(3000), 0u);
    UIscript::sWon = true;
    EXPECT_EQ(countSounds(3000), 0u);
    UIscript::sWon = false;
    UIscript::sLost = true;
    EXPECT_EQ(countSounds(3000), 0u);
}
