// For authoring levels: replays PROBE_LEVEL with the recording
// PROBE_RECORDING, every tap moved by PROBE_SHIFT frames (default 0), and
// prints the apple's way every PROBE_EVERY frames (default 8), every hit and
// respawn, and where the object PROBE_WALKER (a roach, a rat) is, so a tap's
// timing can be judged against what the apple meets. Run with
// --gtest_also_run_disabled_tests.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include "ContentSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/UIscript.h"
#include "gameplay/scripts/WalkerSound.h"
#include "physics/Body.h"

using namespace Framework;
using namespace ContentSupport;

namespace
{
int EnvInt(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value ? std::atoi(value) : fallback;
}
} // namespace

TEST(LevelTraceProbe, DISABLED_PrintTheApplesWayInDetail)
{
    const char* level = std::getenv("PROBE_LEVEL");
    const char* file = std::getenv("PROBE_RECORDING");
    if (!level || !file)
        GTEST_SKIP();
    const int shift = EnvInt("PROBE_SHIFT", 0);
    const int every = EnvInt("PROBE_EVERY", 8) > 0 ? EnvInt("PROBE_EVERY", 8) : 8;
    const Recording recording = ReadRecording(file);
    ASSERT_TRUE(recording.mError.empty()) << recording.mError;

    SeedWalkerRandom(1);
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    EnterLevel(world, level);
    UIscript::sWon = false;
    UIscript::sLost = false;

    std::multimap<int, int> taps;
    for (const auto& tap : recording.mTaps)
        taps.emplace(tap.first + shift, tap.second);

    std::vector<int> held;
    int health = -1;
    bool moving = false;
    for (int frame = 0; frame <= recording.mEnd + 8; ++frame)
    {
        for (int key : held)
            world.mInput->Release(key);
        held.clear();
        const auto now = taps.equal_range(frame);
        for (auto tap = now.first; tap != now.second; ++tap)
        {
            world.mInput->Press(tap->second);
            held.push_back(tap->second);
            std::printf("%d: tap %d\n", frame, tap->second);
        }
        world.Step();
        Composition* apple = world.mFactory->FindObject("Player");
        const Player* player = ScriptOf<Player>(apple);
        if (!player)
            continue;
        const Vec3 p = apple->GetComponent<Transform>()->mPosition;
        const Body* body = apple->GetComponent<Body>();
        const bool changed = player->mPlayerHealth != health || player->mPlayerMoving != moving;
        // The walker named by PROBE_WALKER ("Roach1", "Rat1", ...), if any.
        std::string walker;
        if (const char* name = std::getenv("PROBE_WALKER"))
            if (Composition* other = world.mFactory->FindObject(name))
            {
                const Vec3 w = other->GetComponent<Transform>()->mPosition;
                char text[48];
                std::snprintf(text, sizeof text, " %s(%.2f, %.2f)", name, w.x, w.y);
                walker = text;
            }
        if (frame % every == 0 || changed)
            std::printf("%d: (%.2f, %.2f) v(%.1f, %.1f) h%d %s %s%s%s\n", frame, p.x, p.y,
                        body ? body->mVelocity.x : 0.0f, body ? body->mVelocity.y : 0.0f, player->mPlayerHealth,
                        player->mPlayerMoving ? "moving" : "resting", player->mPlayerRight ? "R" : "L", walker.c_str(),
                        changed ? " *" : "");
        health = player->mPlayerHealth;
        moving = player->mPlayerMoving;
        if (UIscript::sWon)
        {
            std::printf("WON at %d, health %d\n", frame, health);
            return;
        }
        if (UIscript::sLost)
        {
            std::printf("LOST at %d\n", frame);
            return;
        }
    }
    std::printf("NOT WON, health %d\n", health);
}
