// One small level end to end, with the real physics step: floor tiles, the
// apple and a goal. The apple is launched, comes to rest, starts on Space,
// rolls to the goal, stops the level's stopwatch and goes back to its start.
#include <gtest/gtest.h>
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "AppleTestSupport.h"

using namespace Framework;
using TestSupport::AppleWorld;
using TestSupport::PropSpec;

TEST(PlayerLevel, TheAppleSettlesStartsOnSpaceAndRollsToTheGoal)
{
    AppleWorld world;
    world.Floor(0, 40, 2);
    Composition* apple = world.MakeApple({.mPosition = Vec3(5.0f, 4.0f, 0.0f)});
    Player* player = ScriptOf<Player>(apple);
    ASSERT_NE(player, nullptr);

    PropSpec goal;
    goal.mName = "Goal";
    goal.mTag = ObjectTag::Goal;
    goal.mPosition = Vec3(30.0f, 3.5f, 0.0f);
    goal.mHalfLength = Vec3(2.0f, 2.0f, 0.0f);
    world.MakeProp(goal);
    PropSpec human;
    human.mName = "HumanWin";
    human.mBody = false;
    human.mBehaviour = true;
    world.MakeProp(human);

    int frames = 0;
    while (player->mSettling && frames < 64 * 20)
    {
        world.mWorld.Step();
        ++frames;
    }
    ASSERT_FALSE(player->mSettling) << "the apple never came to rest";
    const Vec3 rest = player->mRestPosition;
    EXPECT_LT(rest.x, 25.0f);
    world.mWorld.Step(64);
    EXPECT_FALSE(player->mPlayerMoving);
    EXPECT_NEAR(apple->GetComponent<Body>()->mPosition.x, rest.x, 0.05f);
    EXPECT_FLOAT_EQ(world.mWorld.mPhysics->mLevelTimer.mRunningTime, 0.0f);

    world.Tap(VK_SPACE);
    EXPECT_TRUE(player->mPlayerMoving);
    frames = 0;
    while (!player->mGoalReached && frames < 64 * 20)
    {
        world.mWorld.Step();
        ++frames;
    }
    ASSERT_TRUE(player->mGoalReached) << "the apple never reached the goal";
    const LevelTimer& timer = world.mWorld.mPhysics->mLevelTimer;
    EXPECT_GT(timer.mFinalTime, 0.0f);
    EXPECT_FALSE(player->mPlayerMoving);
    world.mWorld.Step();
    EXPECT_NEAR(apple->GetComponent<Body>()->mPosition.x, 5.0f, 0.5f);
}
