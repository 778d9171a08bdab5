// A new player's progress with the shipped game settings: only Level1 is
// open on the level page, and winning it opens Level2 there. (The win screen
// raises the unlocked-level count only when it equals the number of the level
// won, so a fresh game must start counting at 1.)
#include <gtest/gtest.h>
#include "ContentSupport.h"
#include "core/game/GameLogic.h"
#include "core/game/GameSettings.h"
#include "gameplay/scripts/UIscript.h"
#include "gameplay/scripts/WalkerSound.h"

using namespace Framework;
using namespace ContentSupport;

TEST(FirstRunProgress, TheShippedSettingsOpenLevel1AndWinningItOpensLevel2)
{
    SeedWalkerRandom(1);
    TestSupport::GameplayWorld world(true); // reads the copied settings as the game starts
    InitWorld(world);
    EXPECT_EQ(world.mLogic->mUnlockedCount, 1u) << "a fresh game opens Level1 only";
    for (const auto& [level, won] : world.mLogic->mUnlockedLevels)
        EXPECT_FALSE(won) << level << " starts won";

    const Recording recording = ReadRecording(std::string(TANDREL_SOURCE_DIR) + "/tests/content/recordings/Level1.txt");
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    EnterLevel(world, "Level1");
    UIscript::sWon = false;
    UIscript::sLost = false;
    int wonAt = -1;
    for (int frame = 0; frame <= recording.mEnd && wonAt < 0; ++frame)
    {
        const auto taps = recording.mTaps.equal_range(frame);
        for (auto tap = taps.first; tap != taps.second; ++tap)
            world.mInput->Press(tap->second);
        world.Step();
        for (auto tap = taps.first; tap != taps.second; ++tap)
            world.mInput->Release(tap->second);
        if (UIscript::sWon)
            wonAt = frame;
    }
    ASSERT_GE(wonAt, 0) << "Level1's recording did not win it";
    world.Step(3 * 64); // the stars land within 1.5 s of the win screen

    EXPECT_EQ(world.mLogic->mUnlockedCount, 2u) << "winning Level1 opens Level2 on the level page";
    EXPECT_TRUE(world.mLogic->mUnlockedLevels[LevelPath("Level1")]);
}
