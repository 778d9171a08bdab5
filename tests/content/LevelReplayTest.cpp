// Each play level is winnable: its committed recording of key taps, replayed
// with the fixed 1/64 s step and seeded randomness, brings the apple to the
// goal and the level to its win before the recording ends.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include "ContentSupport.h"
#include "core/Composition.h"
#include "core/Factory.h"
#include "core/GameLogic.h"
#include "core/Transform.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/UIscript.h"
#include "gameplay/scripts/WalkerSound.h"

using namespace Framework;
using namespace ContentSupport;

namespace
{
struct ReplayResult
{
    bool mGoalReached = false;
    bool mWon = false;
    int mGoalFrame = -1;
    int mWinFrame = -1;
    int mHealth = 0;
    std::string mTrace; // the apple's way, for a failing level
};

ReplayResult Replay(const std::string& level, const Recording& recording)
{
    SeedWalkerRandom(1); // the roaches' and rats' now-and-then sounds
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    EnterLevel(world, level);
    UIscript::sWon = false;
    UIscript::sLost = false;
    ReplayResult result;
    std::vector<int> held;
    for (int frame = 0; frame <= recording.mEnd; ++frame)
    {
        for (int key : held)
            world.mInput->Release(key);
        held.clear();
        const auto taps = recording.mTaps.equal_range(frame);
        for (auto tap = taps.first; tap != taps.second; ++tap)
        {
            world.mInput->Press(tap->second);
            held.push_back(tap->second);
        }
        world.Step();
        Composition* apple = world.mFactory->FindObject("Player");
        const Player* player = ScriptOf<Player>(apple);
        if (player && frame % 32 == 0)
        {
            const Vec3 p = apple->GetComponent<Transform>()->mPosition;
            char line[96];
            std::snprintf(line, sizeof line, "%d: (%.1f, %.1f) h%d %s\n", frame, p.x, p.y, player->mPlayerHealth,
                          player->mPlayerMoving ? "moving" : "resting");
            result.mTrace += line;
        }
        if (player)
            result.mHealth = player->mPlayerHealth;
        if (player && player->mGoalReached && !result.mGoalReached)
        {
            result.mGoalReached = true;
            result.mGoalFrame = frame;
        }
        if (UIscript::sWon && !result.mWon)
        {
            result.mWon = true;
            result.mWinFrame = frame;
        }
        if (result.mWon)
            break;
    }
    return result;
}

class LevelReplay : public ::testing::TestWithParam<int>
{
};
} // namespace

TEST_P(LevelReplay, TheRecordingWinsTheLevel)
{
    const std::string level = "Level" + std::to_string(GetParam());
    const Recording recording =
        ReadRecording(std::string(TANDREL_SOURCE_DIR) + "/tests/content/recordings/" + level + ".txt");
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    const ReplayResult result = Replay(level, recording);
    EXPECT_TRUE(result.mGoalReached) << "the apple never reached the goal; its way:\n" << result.mTrace;
    EXPECT_TRUE(result.mWon) << "no win screen (goal at frame " << result.mGoalFrame << ")";
    EXPECT_GT(result.mHealth, 0);
}

INSTANTIATE_TEST_SUITE_P(PlayLevels, LevelReplay, ::testing::Range(1, 10));

// For authoring: replays PROBE_LEVEL with the recording PROBE_RECORDING and
// prints the apple's way. Run with --gtest_also_run_disabled_tests.
TEST(LevelReplayProbe, DISABLED_PrintTheApplesWay)
{
    const char* level = std::getenv("PROBE_LEVEL");
    const char* file = std::getenv("PROBE_RECORDING");
    if (!level || !file)
        GTEST_SKIP();
    const Recording recording = ReadRecording(file);
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    const ReplayResult result = Replay(level, recording);
    std::printf("%sgoal at %d, win at %d, health %d\n", result.mTrace.c_str(), result.mGoalFrame, result.mWinFrame,
                result.mHealth);
}
