// The end of the game plays on its own: in Level10 the apple rolls into the
// van's crate and the van hands over to Level11; in Level11 the worm comes
// out and the ending returns to the main menu.
#include <gtest/gtest.h>
#include "ContentSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"

using namespace Framework;
using namespace ContentSupport;

namespace
{
// Steps until the game asks for another state, for at most seconds.
int StepsUntilStateChange(TestSupport::GameplayWorld& world, float seconds)
{
    const int limit = static_cast<int>(seconds / TestSupport::GameplayWorld::Dt);
    for (int frame = 0; frame < limit; ++frame)
    {
        world.Step();
        if (world.mLogic->mState.mNext != world.mLogic->mState.mCurrent)
            return frame;
    }
    return -1;
}
} // namespace

TEST(EndScenes, TheAppleRidesTheVanIntoTheEnding)
{
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    EnterLevel(world, "Level10");
    const int frame = StepsUntilStateChange(world, 30.0f);
    ASSERT_GE(frame, 0) << "the van never left";
    const Player* player = ScriptOf<Player>(world.mFactory->FindObject("Player"));
    ASSERT_NE(player, nullptr);
    EXPECT_FALSE(player->mInPlay) << "the apple is not in the crate";
    EXPECT_EQ(world.mLogic->mState.mNextLevelPath, "Resources\\LevelData\\Level11");
}

TEST(EndScenes, TheEndingReturnsToTheMenu)
{
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    EnterLevel(world, "Level11");
    const int frame = StepsUntilStateChange(world, 60.0f);
    ASSERT_GE(frame, 0) << "the ending never finished";
    EXPECT_EQ(world.mLogic->mState.mNext, static_cast<uint32_t>(GameState::MAIN_MENU));
}
