// The end of the game plays on its own: in Level10 the apple rolls into the
// van's crate and the van hands over to Level11; in Level11 the worm comes
// out and the ending returns to the main menu. Their cameras run unclamped
// (no walker): every view they show stays on their backdrops and grounds.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include "ContentSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "graphics/Camera.h"
#include "graphics/Renderer.h"

using namespace Framework;
using namespace ContentSupport;

namespace
{
struct View
{
    float mLeft, mBottom, mRight, mTop;
};

// What the level's camera shows.
View ViewOf(TestSupport::GameplayWorld& world)
{
    const Composition* object = world.mFactory->FindObject("MainCamera");
    const Camera* camera = object ? object->GetComponent<Camera>() : nullptr;
    if (!camera)
        return {0.0f, 0.0f, 0.0f, 0.0f};
    const float hx = camera->VisibleHalfWidth(), hy = camera->VisibleHalfHeight();
    return {camera->Position.x - hx, camera->Position.y - hy, camera->Position.x + hx, camera->Position.y + hy};
}

// The view lies whole inside one backdrop picture (z -9): no edge of one and
// nothing behind it shows.
bool OneBackdropHolds(TestSupport::GameplayWorld& world, const View& view)
{
    constexpr float Pixel = 1.0f / 35.0f; // at the scenes' zoom
    for (const auto& [id, object] : world.mFactory->mObjects)
    {
        const Transform* t = object->GetComponent<Transform>();
        if (!object->GetComponent<Renderer>() || !t || t->mPosition.z != -9.0f)
            continue;
        const float hx = t->mScale.x / 2.0f, hy = t->mScale.y / 2.0f;
        if (t->mPosition.x - hx <= view.mLeft + Pixel && view.mRight - Pixel <= t->mPosition.x + hx &&
            t->mPosition.y - hy <= view.mBottom + Pixel && view.mTop - Pixel <= t->mPosition.y + hy)
            return true;
    }
    return false;
}

// Steps until the game asks for another state, for at most seconds; each
// frame is shown to look.
int StepsUntilStateChange(
    TestSupport::GameplayWorld& world, float seconds, const std::function<void()>& look = [] {})
{
    const int limit = static_cast<int>(seconds / TestSupport::GameplayWorld::Dt);
    for (int frame = 0; frame < limit; ++frame)
    {
        world.Step();
        look();
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
    // The street's ground (the tiles, from y 0 up) is the view's bottom edge
    // all the way: nothing shows below it.
    float lowest = 1e9f;
    bool held = true;
    const int frame = StepsUntilStateChange(world, 30.0f,
                                            [&]
                                            {
                                                lowest = std::min(lowest, ViewOf(world).mBottom);
                                                held = held && OneBackdropHolds(world, ViewOf(world));
                                            });
    ASSERT_GE(frame, 0) << "the van never left";
    EXPECT_GE(lowest, -0.5f / 35.0f) << "the view shows below the ground";
    EXPECT_TRUE(held);
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
    // Both views, by the worm's hole and from the top (the camera cuts there,
    // above y 30), stand inside one backdrop picture each.
    int topFrames = 0, uncovered = 0;
    const int frame = StepsUntilStateChange(world, 60.0f,
                                            [&]
                                            {
                                                const View view = ViewOf(world);
                                                topFrames += view.mBottom > 20.0f ? 1 : 0;
                                                uncovered += OneBackdropHolds(world, view) ? 0 : 1;
                                            });
    ASSERT_GE(frame, 0) << "the ending never finished";
    EXPECT_GT(topFrames, 0) << "the ending never showed its top view";
    EXPECT_EQ(uncovered, 0) << "frames whose view no backdrop holds whole";
    EXPECT_EQ(world.mLogic->mState.mNext, static_cast<uint32_t>(GameState::MAIN_MENU));
}
