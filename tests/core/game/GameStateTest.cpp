// The game's state that outlives a run: the settings file (unlocked levels,
// won levels) and the star rating of a level's time.
//
// Contents:
//   1. The settings file
//   2. The star rating
#include <filesystem>
#include <gtest/gtest.h>
#include "core/game/GameLogic.h"
#include "core/game/GameSettings.h"
#include "core/game/StarRating.h"
#include "physics/Physics.h"
#include "support/GameplayFixtures.h"

using namespace Framework;
using TestSupport::GameplayWorld;

// ---- 1. The settings file ---------------------------------------------------
TEST(GameSettingsFile, RoundTripKeepsTheCountAndTheWonLevels)
{
    GameplayWorld world;
    world.mLogic->mUnlockedCount = 3;
    for (int i = 1; i <= 3; ++i)
        world.mLogic->mUnlockedLevels[LevelPath(i)] = true;
    world.mLogic->SaveSettings();

    const std::string text = TestSupport::ReadFile(world.File("Resources/LevelData/GameSettings.xml"));
    EXPECT_NE(text.find("<GameSettings/>"), std::string::npos);
    EXPECT_NE(text.find("<Unlocked Value=\"3\"/>"), std::string::npos);
    EXPECT_NE(text.find("<Level3 Value=\"1\"/>"), std::string::npos);
    EXPECT_NE(text.find("<Level4 Value=\"0\"/>"), std::string::npos);
    EXPECT_LT(text.find("GameSettings"), text.find("Unlocked"));
    EXPECT_LT(text.find("Level8"), text.find("Level9"));

    GameLogic next; // reads the file in its constructor
    EXPECT_EQ(next.mUnlockedCount, 3u);
    EXPECT_TRUE(next.mUnlockedLevels[LevelPath(3)]);
    EXPECT_FALSE(next.mUnlockedLevels[LevelPath(4)]);
    EXPECT_EQ(next.mUnlockedLevels.size(), 9u);
}

TEST(GameSettingsFile, AMissingFileStartsFromNothingAndIsWrittenAtExit)
{
    GameplayWorld world;
    EXPECT_EQ(world.mLogic->mUnlockedCount, 0u);
    EXPECT_TRUE(world.mLogic->mUnlockedLevels.empty());
    const std::string path = world.File("Resources/LevelData/GameSettings.xml");
    {
        GameLogic run; // a second run in the same folder
        run.mUnlockedCount = 2;
    }
    EXPECT_NE(TestSupport::ReadFile(path).find("<Unlocked Value=\"2\"/>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(GameSettingsFile, AFailedWriteIsReportedAndChangesNothing)
{
    TestSupport::TempFolder folder;
    // A folder where the file should be: the new file cannot take its place.
    const std::string path = folder.File("GameSettings.xml");
    TestSupport::WriteFile(path + "/keep", "old");
    std::map<std::string, bool> levels;
    testing::internal::CaptureStdout();
    const bool written = WriteGameSettings(path, 4, levels);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(written);
    EXPECT_NE(out.find("Error: 4"), std::string::npos);
    EXPECT_EQ(TestSupport::ReadFile(path + "/keep"), "old");
}

TEST(GameSettingsFile, MissingElementsLeaveTheValuesAndUnreadableOnesCountAsLocked)
{
    TestSupport::TempFolder folder;
    const std::string path = folder.File("GameSettings.xml");
    TestSupport::WriteFile(path, "<Level2 Value=\"x\"/>\n<Level5 Value=\"1\"/>\n");
    uint32_t count = 7;
    std::map<std::string, bool> levels{{LevelPath(2), true}, {LevelPath(3), true}};
    EXPECT_TRUE(ReadGameSettings(path, count, levels));
    EXPECT_EQ(count, 7u);
    EXPECT_FALSE(levels[LevelPath(2)]);
    EXPECT_TRUE(levels[LevelPath(3)]);
    EXPECT_TRUE(levels[LevelPath(5)]);
}

// ---- 2. The star rating -----------------------------------------------------
TEST(StarRatings, LimitsAreStrictlyLessThan)
{
    const std::string level1 = LevelPath(1);
    EXPECT_EQ(StarRating(level1, 39.9f), 3u);
    EXPECT_EQ(StarRating(level1, 40.0f), 2u);
    EXPECT_EQ(StarRating(level1, 69.9f), 1u);
    EXPECT_EQ(StarRating(level1, 70.0f), 0u);
    EXPECT_EQ(StarRating(LevelPath(3), 36.0f), 3u);
    EXPECT_EQ(StarRating(LevelPath(9), 104.0f), 1u);
    EXPECT_EQ(StarRating("Resources\\LevelData\\Level10", 1.0f), 0u);
}

TEST(StarRatings, TheLevelTimerRatesOnlyWhileALevelIsPlayed)
{
    GameplayWorld world;
    world.SetState(GameState::LEVEL);
    world.mLogic->mState.mLoadedLevelPath = LevelPath(1);
    gPhysics->mLevelTimer.mFinalTime = 40.0f;
    EXPECT_EQ(gPhysics->mLevelTimer.GetStarRating(), 2u);
    world.SetState(GameState::MAIN_MENU);
    EXPECT_EQ(gPhysics->mLevelTimer.GetStarRating(), 0u);
}
