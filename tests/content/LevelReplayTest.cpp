// Each play level is winnable: its committed recording of key taps, replayed
// with the fixed 1/64 s step and seeded randomness, brings the apple to the
// goal and the level to its win before the recording ends. So is a level a
// designer makes of the shipped archetypes alone.
#include <gtest/gtest.h>
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <fstream>
#include <set>
#include <tuple>
#include "ContentSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/ObjectTag.h"
#include "core/objects/Transform.h"
#include "editor/EditPanels.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ScriptId.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/CameraScript.h"
#include "gameplay/scripts/HumanWin.h"
#include "gameplay/scripts/Player.h"
#include "graphics/Camera.h"
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
    bool mWalkerDone = false; // the walker took the basket (the win of a level without the interface)
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

// What a replay may do besides: make the level before it is entered, and
// look at the world after every frame.
struct ReplayHooks
{
    std::function<void(TestSupport::GameplayWorld&)> mBefore;
    std::function<void(TestSupport::GameplayWorld&, int frame)> mEachFrame;
};

ReplayResult Replay(const std::string& level, const Recording& recording, const TraceOptions& trace = {},
                    const ReplayHooks& hooks = {})
{
    SeedWalkerRandom(1); // the roaches' and rats' now-and-then sounds
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    if (hooks.mBefore)
        hooks.mBefore(world);
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
        if (hooks.mEachFrame)
            hooks.mEachFrame(world, frame);
        if (const HumanWin* walker = ScriptOf<HumanWin>(world.mFactory->FindObject("HumanWin")))
            result.mWalkerDone = result.mWalkerDone || walker->mFinished;
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

namespace
{
// A designer's first level, made in the editor of the shipped archetypes
// alone (each picked by what it is, dropped where a designer would drop it)
// and saved for the play-test: the apple, the level camera, a floor of five
// pieces, the basket and its walker. The tile map is given a size (bodies
// collide only inside it) but no tile.
void MakeArchetypeLevel(TestSupport::GameplayWorld& world)
{
    GameObjectFactory& factory = *world.mFactory;
    factory.LoadArchetypes();
    factory.mTileGrid.Resize(44, 24);
    auto place = [&](const std::function<bool(const Composition&)>& what, const Vec3& where)
    {
        int index = 0;
        for (const auto& [id, archetype] : factory.mArchetypes)
        {
            if (what(*archetype))
            {
                Composition* copy = CloneArchetype(index);
                ASSERT_NE(copy, nullptr);
                PlaceObjectAt(*copy, where);
                return;
            }
            ++index;
        }
        ADD_FAILURE() << "no archetype for a piece at " << where.x << ", " << where.y;
    };
    auto tagged = [](uint32_t tag) { return [tag](const Composition& a) { return a.mTag == tag; }; };
    auto scripted = [](int32_t script)
    {
        return [script](const Composition& a)
        {
            const Behaviour* behaviour = a.GetComponent<Behaviour>();
            return behaviour && behaviour->ScriptID == script;
        };
    };
    place(tagged(ObjectTag::Player), Vec3(12.0f, 4.0f, -5.0f));
    place(scripted(ScriptId::CameraScript), Vec3(20.0f, 11.0f, 0.0f));
    for (const float x : {4.0f, 12.0f, 20.0f, 28.0f, 36.0f}) // each piece is 8 wide and 1 high
        place(tagged(ObjectTag::Floor), Vec3(x, 0.5f, -6.5f));
    place(tagged(ObjectTag::Goal), Vec3(4.0f, 1.75f, -6.5f));
    place(scripted(ScriptId::HumanWin), Vec3(-10.0f, 3.0f, -7.5f));
    // F7: the level is saved as the play-test level, which is then entered.
    ASSERT_TRUE(factory.SaveLevel(LevelPath("level_test")));
    factory.DestroyAllObjects();
}
} // namespace

// Dropped as they come, the archetypes make a level that plays: the camera
// finds the apple, the apple reaches the basket, the walker takes it and the
// camera glides to it.
TEST(LevelReplay, ALevelOfArchetypesIsWonAsPlaced)
{
    const Recording recording =
        ReadRecording(std::string(TANDREL_SOURCE_DIR) + "/tests/content/recordings/Archetypes.txt");
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    bool cameraFoundTheApple = false;
    float glideStart = -1.0f, glideEnd = -1.0f; // the camera's distance to the basket
    ReplayHooks hooks;
    hooks.mBefore = MakeArchetypeLevel;
    hooks.mEachFrame = [&](TestSupport::GameplayWorld& world, int)
    {
        Composition* cameraObject = world.mFactory->FindObject("MainCamera");
        const CameraScript* script = ScriptOf<CameraScript>(cameraObject);
        const Camera* camera = cameraObject ? cameraObject->GetComponent<Camera>() : nullptr;
        const Composition* basket = world.mFactory->FindObject("END");
        const HumanWin* walker = ScriptOf<HumanWin>(world.mFactory->FindObject("HumanWin"));
        if (!script || !camera || !basket || !walker)
            return;
        cameraFoundTheApple = cameraFoundTheApple || !script->mPlayer.Empty();
        const Vec3 goal = basket->GetComponent<Transform>()->mPosition;
        const float distance = glm::length(Vec2(goal.x - camera->Position.x, goal.y - camera->Position.y));
        if (walker->mWalking && glideStart < 0.0f)
            glideStart = distance;
        if (walker->mWalking)
            glideEnd = distance;
    };
    const ReplayResult result = Replay("level_test", recording, {}, hooks);
    EXPECT_TRUE(cameraFoundTheApple);
    EXPECT_TRUE(result.mGoalReached) << "the apple never reached the basket; its way:\n" << result.mTrace;
    EXPECT_TRUE(result.mWalkerDone) << "the walker never took the basket";
    EXPECT_GT(glideStart, 1.0f);
    EXPECT_LE(glideEnd, CameraScript::ArriveDistance + 0.1f) << "the camera did not glide to the basket";
    EXPECT_GT(result.mHealth, 0);

    // The recording's turn is what wins it: left rolling, the apple leaves the floor.
    Recording untouched = recording;
    untouched.mTaps.clear();
    ReplayHooks build;
    build.mBefore = MakeArchetypeLevel;
    EXPECT_FALSE(Replay("level_test", untouched, {}, build).mGoalReached);
}

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
