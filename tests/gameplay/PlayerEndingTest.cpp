// The ending of the last level: the apple stops at the hill, the worm climbs, the camera
// cuts to the top view, the worm reaches the apple, and the game goes back to the menu.
#include <gtest/gtest.h>
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "AppleTestSupport.h"

using namespace Framework;
using TestSupport::AppleWorld;

namespace
{
Renderer* RendererNamed(const char* name) { return gFactory->FindObject(name)->GetComponent<Renderer>(); }

Composition* Picture(const char* name, const Vec3& position, const char* animation = nullptr)
{
    Composition* object = gFactory->CreateObject(name, ObjectKind::GameObject);
    object->GetComponent<Transform>()->mPosition = position;
    static_cast<Renderer*>(gFactory->AddComponent(object, "Renderer"))->mSpriteSheetKey = "Apple";
    if (animation)
    {
        auto* a = static_cast<Animator*>(gFactory->AddComponent(object, "Animator"));
        a->mAniName = animation;
        a->mPlaying = false;
    }
    object->Initialize();
    return object;
}
} // namespace

TEST(PlayerEnding, TheWormReachesTheAppleAndTheGameReturnsToTheMenu)
{
    AppleWorld world;
    world.AddAnimation("TopWorm", {3, 4, 5, 6, 7, 8});
    world.AddAnimation("Crawl", {0, 1});
    LevelState& state = world.mWorld.mLogic->mState;
    state.mLoadedLevelPath = "Resources\\LevelData\\Level11";
    world.mWorld.mPhysics->mRunning = false;
    Camera* camera = world.MakeProp({.mName = "MainCamera", .mBody = false, .mCamera = true})->GetComponent<Camera>();
    camera->Position = Vec3(10.0f, 20.0f, 0.0f);
    Composition* worm = Picture("Worm", Vec3(15.5f, 13.0f, 0.0f), "Crawl");
    RendererNamed("Worm")->mAlpha = 0.0f;
    Picture("BlackScreen", Vec3(0.0f));
    Picture("TopWorm1", Vec3(0.0f), "TopWorm");
    Picture("TopWorm2", Vec3(0.0f))->GetComponent<Renderer>()->mInvisible = true;
    Picture("TopAppleFront", Vec3(0.0f));

    Composition* apple = world.MakeApple({.mPosition = Vec3(10.0f, 5.0f, 0.0f)});
    Player* player = ScriptOf<Player>(apple);
    player->mFirstFrame = false;
    player->mPlayerMoving = true;
    world.mWorld.Step();
    EXPECT_FALSE(player->mPlayerMoving);
    EXPECT_FALSE(player->mPlayerRight);
    EXPECT_TRUE(player->mEndingStarted);
    bool cut = false;
    for (int frame = 0; state.mNext != GameState::MAIN_MENU && frame < 64 * 30; ++frame)
    {
        world.mWorld.Step();
        if (!cut && camera->Position.y > 30.0f)
        {
            cut = true;
            EXPECT_GT(worm->GetComponent<Transform>()->mPosition.y, 14.5f);
            EXPECT_FLOAT_EQ(apple->GetComponent<Renderer>()->mAlpha, 0.0f);
        }
    }
    EXPECT_TRUE(cut);
    EXPECT_EQ(camera->Position, Vec3(23.0f, 40.0f, 0.0f));
    EXPECT_EQ(state.mNext, GameState::MAIN_MENU);
    EXPECT_TRUE(RendererNamed("TopWorm1")->mInvisible);
    EXPECT_FALSE(RendererNamed("TopWorm2")->mInvisible);
    EXPECT_EQ(RendererNamed("TopAppleFront")->mIndex, 1);
    EXPECT_FLOAT_EQ(gFactory->FindObject("TopAppleFront")->GetComponent<Transform>()->mPosition.z, -3.0f);
    EXPECT_GT(RendererNamed("BlackScreen")->mAlpha, 0.9f);

    // Without the black screen and the second worm the top view still plays out and ends.
    for (const char* name : {"BlackScreen", "TopWorm2"})
        gFactory->mDestroySet.insert(gFactory->FindObject(name));
    RendererNamed("TopWorm1")->mInvisible = player->mTopSceneStarted = false;
    player->mEndingTimer = 0.0f;
    state.mNext = GameState::LEVEL;
    world.mWorld.Step(64 * 7);
    EXPECT_EQ(state.mNext, GameState::MAIN_MENU);
    EXPECT_TRUE(RendererNamed("TopWorm1")->mInvisible);
}
