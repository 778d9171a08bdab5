// The first level forgives a new player's timing: its recording still wins
// when every tap comes up to 20 frames early or late (all together or one at
// a time), when the game runs slower than the clock that times the taps, and
// when the frames are not the recording's 1/64 s but 1/60 s or 1/200 s, as
// in the real program, whose frame time varies.
#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include "ContentSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/UIscript.h"
#include "gameplay/scripts/WalkerSound.h"
#include "graphics/GraphicsSystem.h"
#include "platform/Platform.h"

using namespace Framework;
using namespace ContentSupport;

namespace
{
constexpr double RecordingRate = 64.0; // a recording counts frames of 1/64 s

struct Outcome
{
    bool mWon = false;
    double mWinTime = -1.0; // seconds of game time
    int mHealth = 0;
    std::string mTrace; // the apple's way, every quarter second
};

std::string Describe(const std::multimap<int, int>& taps)
{
    std::string text;
    for (const auto& [frame, key] : taps)
        text += std::to_string(frame) + ":" + std::to_string(key) + " ";
    return text;
}

// Plays Level1 with the given taps (recording frames) at a fixed step dt: a tap
// at frame N presses its key in the first step that starts at or after N/64 s
// of game time and releases it in the next, as a key held for one frame.
Outcome Play(const std::multimap<int, int>& taps, int endFrame, double dt)
{
    SeedWalkerRandom(1);
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    EnterLevel(world, "Level1");
    UIscript::sWon = false;
    UIscript::sLost = false;
    Outcome outcome;
    std::vector<int> held;
    auto next = taps.begin();
    const int steps = static_cast<int>(std::ceil(endFrame / RecordingRate / dt));
    double nextTrace = 0.0;
    for (int step = 0; step <= steps; ++step)
    {
        const double now = step * dt;
        for (int key : held)
            world.mInput->Release(key);
        held.clear();
        for (; next != taps.end() && next->first / RecordingRate <= now + 1e-9; ++next)
        {
            world.mInput->Press(next->second);
            held.push_back(next->second);
        }
        for (System* system : world.mSystems)
            if (system != world.mGraphics || Platform::HasGLContext())
                system->Update(static_cast<float>(dt));
        Composition* apple = world.mFactory->FindObject("Player");
        const Player* player = ScriptOf<Player>(apple);
        if (player)
        {
            outcome.mHealth = player->mPlayerHealth;
            if (now >= nextTrace)
            {
                const Vec3 p = apple->GetComponent<Transform>()->mPosition;
                char line[112];
                std::snprintf(line, sizeof line, "%6.2fs frame %4d: (%.1f, %.1f) h%d %s %s\n", now,
                              static_cast<int>(now * RecordingRate), p.x, p.y, player->mPlayerHealth,
                              player->mPlayerMoving ? "rolling" : "resting", player->mPlayerRight ? "right" : "left");
                outcome.mTrace += line;
                nextTrace += 0.25;
            }
        }
        if (UIscript::sWon)
        {
            outcome.mWon = true;
            outcome.mWinTime = now;
            break;
        }
    }
    return outcome;
}

Recording Level1Recording()
{
    return ReadRecording(std::string(TANDREL_SOURCE_DIR) + "/tests/content/recordings/Level1.txt");
}

std::multimap<int, int> Shifted(const std::multimap<int, int>& taps, int shift)
{
    std::multimap<int, int> moved;
    for (const auto& [frame, key] : taps)
        moved.emplace(std::max(0, frame + shift), key);
    return moved;
}

// The clock that times the taps runs ahead of the game: a tap at frame N lands
// at game frame N x speed.
std::multimap<int, int> Slowed(const std::multimap<int, int>& taps, double speed)
{
    std::multimap<int, int> moved;
    for (const auto& [frame, key] : taps)
        moved.emplace(static_cast<int>(std::lround(frame * speed)), key);
    return moved;
}

void ExpectWin(const std::multimap<int, int>& taps, int endFrame, double dt, const std::string& what)
{
    const Outcome outcome = Play(taps, endFrame, dt);
    EXPECT_TRUE(outcome.mWon) << what << ": no win; taps " << Describe(taps) << "\n" << outcome.mTrace;
    EXPECT_GE(outcome.mHealth, 2) << what;
}
} // namespace

TEST(Level1Slack, TheRecordingWinsWithEveryTapEarlyOrLateTogether)
{
    const Recording recording = Level1Recording();
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    for (int shift = -20; shift <= 20; shift += 4)
        ExpectWin(Shifted(recording.mTaps, shift), recording.mEnd + 20, 1.0 / RecordingRate,
                  "all taps shifted by " + std::to_string(shift));
}

TEST(Level1Slack, TheRecordingWinsWithAnyOneTapEarlyOrLate)
{
    const Recording recording = Level1Recording();
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    for (auto tap = recording.mTaps.begin(); tap != recording.mTaps.end(); ++tap)
        for (int shift : {-20, -10, 10, 20})
        {
            std::multimap<int, int> taps;
            for (auto other = recording.mTaps.begin(); other != recording.mTaps.end(); ++other)
                taps.emplace(other == tap ? std::max(0, other->first + shift) : other->first, other->second);
            ExpectWin(taps, recording.mEnd + 20, 1.0 / RecordingRate,
                      "tap at " + std::to_string(tap->first) + " shifted by " + std::to_string(shift));
        }
}

TEST(Level1Slack, TheRecordingWinsAtTheProgramsFrameTimes)
{
    const Recording recording = Level1Recording();
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    ExpectWin(recording.mTaps, recording.mEnd, 1.0 / 60.0, "dt 1/60");
    ExpectWin(recording.mTaps, recording.mEnd, 1.0 / 200.0, "dt 1/200");
}

// A loaded machine runs the game below 60 frames a second, and the game then
// runs slower than the wall clock that times a real player's keys.
TEST(Level1Slack, TheRecordingWinsWhenTheGameRunsSlowerThanTheClock)
{
    const Recording recording = Level1Recording();
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    for (double speed : {0.85, 0.7, 0.6, 0.5})
        ExpectWin(Slowed(recording.mTaps, speed), recording.mEnd, 1.0 / 60.0,
                  "game at " + std::to_string(speed) + " of the clock's speed");
}

// For authoring: plays Level1 with PROBE_RECORDING (default: the committed
// one) at PROBE_DT (default 1/64) and prints the apple's way. Run with
// --gtest_also_run_disabled_tests.
TEST(Level1Slack, DISABLED_PrintTheApplesWay)
{
    const char* file = std::getenv("PROBE_RECORDING");
    const Recording recording = file ? ReadRecording(file) : Level1Recording();
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;
    const char* dtText = std::getenv("PROBE_DT");
    const double dt = dtText ? std::atof(dtText) : 1.0 / RecordingRate;
    const Outcome outcome = Play(recording.mTaps, recording.mEnd, dt);
    std::printf("%swon %d at %.2fs (frame %d), health %d\n", outcome.mTrace.c_str(), outcome.mWon, outcome.mWinTime,
                static_cast<int>(outcome.mWinTime * RecordingRate), outcome.mHealth);
}
