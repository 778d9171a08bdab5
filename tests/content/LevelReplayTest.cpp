// Each play level is winnable: its committed recording of key taps, replayed
// with the fixed 1/64 s step and seeded randomness, brings the apple to the
// goal and the level to its win before the recording ends.
#include <gtest/gtest.h>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <fstream>
#include <set>
#include <tuple>
#include "ContentSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/SwitchScript.h"
#include "gameplay/scripts/UIscript.h"
#include "gameplay/scripts/WalkerSound.h"
#include "platform/Win32Types.h"
#include "support/TestSupport.h"

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

// A player's hand reaches the point a little before clicking and follows it
// while the camera moves; the scripts see the object picked the frame before,
// so the pointer must rest there ahead of the press.
constexpr int PointingFrames = 8;

void PointAtClicks(TestSupport::GameplayWorld& world, const Recording& recording, int frame, std::vector<int>& held)
{
    const auto soon = recording.mClicks.lower_bound(frame);
    if (soon == recording.mClicks.end() || soon->first > frame + PointingFrames)
        return;
    world.mInput->SetMouseWorld(soon->second.mX, soon->second.mY);
    if (soon->first == frame)
    {
        world.mInput->Press(VK_LBUTTON);
        held.push_back(VK_LBUTTON);
    }
}

// What the trace of the apple's way holds: a line every mEvery frames, with
// the positions of the objects named in mWatched.
struct TraceOptions
{
    int mEvery = 32;
    std::vector<std::string> mWatched;
};

ReplayResult Replay(const std::string& level, const Recording& recording, const TraceOptions& trace = {})
{
    SeedWalkerRandom(1); // the roaches' and rats' now-and-then sounds
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    EnterLevel(world, level);
    UIscript::sWon = false;
    UIscript::sLost = false;
    ReplayResult result;
    std::vector<int> held;
    int lastHealth = -1;
    bool lastMoving = false;
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
        PointAtClicks(world, recording, frame, held);
        world.Step();
        Composition* apple = world.mFactory->FindObject("Player");
        const Player* player = ScriptOf<Player>(apple);
        // Every hit and every stop or start is in the trace too.
        const bool changed = player && (player->mPlayerHealth != lastHealth || player->mPlayerMoving != lastMoving);
        if (player)
        {
            lastHealth = player->mPlayerHealth;
            lastMoving = player->mPlayerMoving;
        }
        if (player && (frame % trace.mEvery == 0 || changed))
        {
            const Vec3 p = apple->GetComponent<Transform>()->mPosition;
            char line[96];
            std::snprintf(line, sizeof line, "%d: (%.1f, %.1f) h%d %s", frame, p.x, p.y, player->mPlayerHealth,
                          player->mPlayerMoving ? "moving" : "resting");
            result.mTrace += line;
            for (const std::string& name : trace.mWatched)
                if (const Composition* object = world.mFactory->FindObject(name))
                    if (const Transform* transform = object->GetComponent<Transform>())
                    {
                        std::snprintf(line, sizeof line, " %s(%.1f, %.1f)", name.c_str(), transform->mPosition.x,
                                      transform->mPosition.y);
                        result.mTrace += line;
                    }
            result.mTrace += "\n";
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

// The clickable-switch levels are won by their clicks: without them the
// apple never reaches the basket.
TEST(LevelReplayClicks, TheSwitchLevelsAreNotWonWithoutTheirClicks)
{
    for (const std::string level : {"Level8", "Level9"})
    {
        Recording recording =
            ReadRecording(std::string(TANDREL_SOURCE_DIR) + "/tests/content/recordings/" + level + ".txt");
        ASSERT_TRUE(recording.mError.empty()) << recording.mError;
        ASSERT_FALSE(recording.mClicks.empty()) << level;
        recording.mClicks.clear();
        EXPECT_FALSE(Replay(level, recording).mGoalReached) << level;
    }
}

namespace
{
// A player is not frame-exact: every recording must still win with all its
// taps and clicks four frames early or four frames late, and with any one of
// them alone early or late.
constexpr int Slack = 4;

class ShiftedReplay : public ::testing::TestWithParam<std::tuple<int, int>>
{
};
} // namespace

TEST_P(ShiftedReplay, TheRecordingStillWinsWithEveryTapShifted)
{
    const auto [number, shift] = GetParam();
    const std::string level = "Level" + std::to_string(number);
    const Recording recording =
        ReadRecording(std::string(TANDREL_SOURCE_DIR) + "/tests/content/recordings/" + level + ".txt");
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    const ReplayResult result = Replay(level, Shifted(recording, shift));
    EXPECT_TRUE(result.mWon) << "shifted by " << shift << " frames, no win; the apple's way:\n" << result.mTrace;
    EXPECT_GT(result.mHealth, 0);
    // Each input alone early or late, the others on time: the window of
    // every single action is at least this wide.
    for (size_t input = 0; input < InputCount(recording); ++input)
    {
        const ReplayResult one = Replay(level, ShiftedOne(recording, input, shift));
        EXPECT_TRUE(one.mWon) << "input " << input + 1 << " shifted by " << shift
                              << " frames, no win; the apple's way:\n"
                              << one.mTrace;
        EXPECT_GT(one.mHealth, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(PlayLevels, ShiftedReplay,
                         ::testing::Combine(::testing::Range(1, 10), ::testing::Values(-Slack, Slack)));

TEST(Recordings, ReadKeysClicksAndCommentsAndRejectBadLines)
{
    TestSupport::TempFolder folder;
    const std::string good = folder.File("good.txt");
    {
        std::ofstream out(good);
        out << "# start, then click the switch\n300 SPACE\n\n410 CLICK 28.5 -3\n412 UP\nend 900\n";
    }
    const Recording recording = ReadRecording(good);
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    EXPECT_EQ(recording.mEnd, 900);
    ASSERT_EQ(recording.mTaps.size(), 2u);
    EXPECT_EQ(recording.mTaps.begin()->first, 300);
    EXPECT_EQ(recording.mTaps.begin()->second, VK_SPACE);
    ASSERT_EQ(recording.mClicks.size(), 1u);
    EXPECT_EQ(recording.mClicks.begin()->first, 410);
    EXPECT_FLOAT_EQ(recording.mClicks.begin()->second.mX, 28.5f);
    EXPECT_FLOAT_EQ(recording.mClicks.begin()->second.mY, -3.0f);

    const Recording early = Shifted(recording, -350);
    EXPECT_EQ(early.mTaps.begin()->first, 0); // never before the first frame
    EXPECT_EQ(early.mClicks.begin()->first, 60);
    EXPECT_EQ(early.mEnd, 900);
    ASSERT_EQ(InputCount(recording), 3u);
    const Recording click = ShiftedOne(recording, 2, 4); // the click comes after the taps
    EXPECT_EQ(click.mClicks.begin()->first, 414);
    EXPECT_EQ(click.mTaps.begin()->first, 300);
    const Recording up = ShiftedOne(recording, 1, -4);
    EXPECT_EQ(std::next(up.mTaps.begin())->first, 408);
    EXPECT_EQ(up.mClicks.begin()->first, 410);

    for (const char* line : {"410 CLICK 28.5\n", "410 CLICK x y\n", "CLICK 1 2\n", "12 JUMP\n", "end soon\n"})
    {
        const std::string bad = folder.File("bad.txt");
        {
            std::ofstream out(bad);
            out << line << "end 900\n";
        }
        EXPECT_FALSE(ReadRecording(bad).mError.empty()) << line;
    }
}

// A recorded click reaches a clickable switch as a player's would: the air
// conditioners it runs swap.
TEST(Recordings, AClickTogglesTheClickableSwitchUnderIt)
{
    SeedWalkerRandom(1);
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    EnterLevel(world, "Level8");
    Composition* clickable = nullptr;
    for (Composition* object : ObjectsInOrder(*world.mFactory))
        if (object->mTag == ObjectTag::ClickableSwitch)
            clickable = object;
    ASSERT_NE(clickable, nullptr);
    const SwitchScript* script = ScriptOf<SwitchScript>(clickable);
    ASSERT_NE(script, nullptr);
    const bool before = script->mOn;
    const Vec3 at = clickable->GetComponent<Transform>()->mPosition;
    Recording recording;
    recording.mClicks.emplace(20, Click{at.x, at.y});
    std::vector<int> held;
    for (int frame = 0; frame <= 24; ++frame)
    {
        for (int key : held)
            world.mInput->Release(key);
        held.clear();
        PointAtClicks(world, recording, frame, held);
        world.Step();
    }
    EXPECT_NE(script->mOn, before);
}

// For authoring: replays PROBE_LEVEL with the recording PROBE_RECORDING and
// prints the apple's way (PROBE_EVERY frames apart, with the objects named in
// PROBE_WATCH; every tap moved by PROBE_SHIFT frames). Run with
// --gtest_also_run_disabled_tests.
TEST(LevelReplayProbe, DISABLED_PrintTheApplesWay)
{
    const char* level = std::getenv("PROBE_LEVEL");
    const char* file = std::getenv("PROBE_RECORDING");
    if (!level || !file)
        GTEST_SKIP();
    const Recording recording = ReadRecording(file);
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    TraceOptions trace;
    if (const char* every = std::getenv("PROBE_EVERY"))
        trace.mEvery = std::max(1, std::atoi(every));
    if (const char* watched = std::getenv("PROBE_WATCH")) // names separated by commas
    {
        std::istringstream names(watched);
        std::string name;
        while (std::getline(names, name, ','))
            trace.mWatched.push_back(name);
    }
    int shift = 0;
    if (const char* frames = std::getenv("PROBE_SHIFT"))
        shift = std::atoi(frames);
    const ReplayResult result = Replay(level, Shifted(recording, shift), trace);
    std::printf("%sgoal at %d, win at %d, health %d\n", result.mTrace.c_str(), result.mGoalFrame, result.mWinFrame,
                result.mHealth);
}
