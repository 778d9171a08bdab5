// The timed scenes: the splash's logos, sound and hand-over to the menu, the
// story's fade and hand-over to the first level, and the end scene's van.
#include <gtest/gtest.h>
#include <algorithm>
#include "audio/AudioManager.h"
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/StoryScript.h"
#include "gameplay/scripts/Van.h"
#include "graphics/Animator.h"
#include "MenuScriptSupport.h"

using namespace Framework;
using TestSupport::Get;
using TestSupport::ScriptWorld;

namespace
{
constexpr int EscapeKey = 27;
constexpr int SpaceKey = 32;

// Holds key down for one frame.
void Tap(ScriptWorld& world, int key)
{
    world.mWorld.mInput->Press(key);
    world.mWorld.Step();
    world.mWorld.mInput->Release(key);
}

bool Contains(const std::vector<std::string>& events, const std::string& event)
{
    return std::find(events.begin(), events.end(), event) != events.end();
}

float Alpha(Composition* object) { return Get<Renderer>(object)->mAlpha; }
} // namespace

// ---- Splash ---------------------------------------------------------------------

class SplashScript : public ::testing::Test
{
protected:
    SplashScript() : mScene(GameState::SPLASH_SCREEN)
    {
        mScene.Make("VELMARLOGO", {"Renderer"}); // the last of the name counts
        mFirst = mScene.Make("VELMARLOGO", {"Renderer"});
        mSecond = mScene.Make("TEAMLOGO", {"Renderer"});
        mThird = mScene.Make("OrlintideLogo", {"Renderer"}); // the first of the name counts
        mScene.Make("OrlintideLogo", {"Renderer"});
        for (Composition* logo : {mFirst, mSecond, mThird})
            Get<Renderer>(logo)->mAlpha = 0.0f;
        mScene.mWorld.mSounds.Clear();
        mScene.Make("Splash", {"AudioComponent"}, ScriptId::SplashScreen);
    }

    ScriptWorld mScene;
    Composition* mFirst = nullptr;
    Composition* mSecond = nullptr;
    Composition* mThird = nullptr;
};

TEST_F(SplashScript, LogosFadeInAndOutOneAfterAnother)
{
    mScene.mWorld.Step();
    EXPECT_TRUE(Contains(mScene.mWorld.mSounds.mEvents, "music:on"));
    mScene.Run(3.0f - TestSupport::GameplayWorld::Dt); // t = 3 s
    EXPECT_NEAR(Alpha(mFirst), 0.5f, 0.01f);
    mScene.Run(1.0f);
    EXPECT_NEAR(Alpha(mFirst), 1.0f, 0.01f);
    mScene.Run(2.0f - TestSupport::GameplayWorld::Dt); // just before 6 s
    EXPECT_NEAR(Alpha(mFirst), 0.0f, 0.01f);
    EXPECT_FLOAT_EQ(Alpha(mSecond), 0.0f);

    mScene.Run(2.0f); // just before 8 s: the second logo is up
    EXPECT_NEAR(Alpha(mSecond), 1.0f, 0.01f);
    EXPECT_FLOAT_EQ(Alpha(mThird), 0.0f);
    mScene.Run(4.0f); // just before 12 s
    EXPECT_NEAR(Alpha(mThird), 1.0f, 0.01f);
    EXPECT_LE(Alpha(mThird), 1.0f);
    EXPECT_EQ(Alpha(Framework::gFactory->FindObjects("OrlintideLogo").back()), 1.0f); // untouched
}

TEST_F(SplashScript, TheLogoSoundPlaysWithTheSecondLogosFadeOut)
{
    mScene.Run(8.0f - TestSupport::GameplayWorld::Dt); // just before 8 s
    EXPECT_FALSE(Contains(mScene.mWorld.mSounds.mEvents, "Splash:LogoSound"));
    mScene.mWorld.Step(2); // the component's first update restarts it a frame late
    EXPECT_TRUE(Contains(mScene.mWorld.mSounds.mEvents, "Splash:LogoSound"));
}

TEST_F(SplashScript, EscapeSkipsOnlyFromTheSixthSecond)
{
    mScene.Run(5.0f);
    Tap(mScene, EscapeKey);
    mScene.mWorld.Step();
    EXPECT_EQ(mScene.State().mNext, GameState::SPLASH_SCREEN);
    mScene.Run(1.0f);
    Tap(mScene, EscapeKey);
    EXPECT_EQ(mScene.State().mNext, GameState::MAIN_MENU);
}

TEST_F(SplashScript, TheMenuFollowsAtFourteenSeconds)
{
    mScene.Run(14.0f - TestSupport::GameplayWorld::Dt);
    EXPECT_EQ(mScene.State().mNext, GameState::SPLASH_SCREEN);
    mScene.mWorld.Step();
    EXPECT_EQ(mScene.State().mNext, GameState::MAIN_MENU);
}

// ---- Story ----------------------------------------------------------------------

class StoryScene : public ::testing::Test
{
protected:
    StoryScene() : mScene(GameState::PLAY_STORY)
    {
        mScene.State().mFirstLevelPath = "Resources\\LevelData\\Level1";
        mScene.State().SetNextLevel("");
        mPicture = mScene.Make("Story", {"Renderer"}, ScriptId::StoryScript);
    }

    ScriptWorld mScene;
    Composition* mPicture = nullptr;
};

TEST_F(StoryScene, ThePictureFadesInHoldsAndFadesOutThenLevelOneFollows)
{
    mScene.Run(1.5f);
    EXPECT_FLOAT_EQ(Alpha(mPicture), 0.75f);
    mScene.Run(2.5f); // t = 4 s
    EXPECT_FLOAT_EQ(Alpha(mPicture), 1.0f);
    mScene.Run(1.25f); // 0.75 s into the fade-out
    EXPECT_NEAR(Alpha(mPicture), 0.625f, 0.01f);
    EXPECT_EQ(mScene.State().mNext, GameState::PLAY_STORY);
    mScene.Run(0.75f);
    EXPECT_EQ(mScene.State().mNext, GameState::LEVEL);
    EXPECT_EQ(mScene.State().mNextLevelPath, "Resources\\LevelData\\Level1");
}

TEST_F(StoryScene, SpaceSkipsToLevelOne)
{
    mScene.Run(1.0f);
    Tap(mScene, SpaceKey);
    EXPECT_EQ(mScene.State().mNext, GameState::LEVEL);
    EXPECT_EQ(mScene.State().mNextLevelPath, "Resources\\LevelData\\Level1");
}

TEST_F(StoryScene, ASecondViewingFadesInAgainAfterASkip)
{
    mScene.Run(3.5f);
    Tap(mScene, SpaceKey);
    EXPECT_FLOAT_EQ(StoryScript::sAlpha, 1.0f);
    Composition* again = mScene.Make("Story", {"Renderer"}, ScriptId::StoryScript);
    mScene.mWorld.Step();
    EXPECT_LT(Alpha(again), 0.05f);
}

// ---- End scene ------------------------------------------------------------------

class EndScene : public ::testing::Test
{
protected:
    EndScene() : mScene(GameState::LEVEL)
    {
        mScene.State().SetNextLevel("Resources\\LevelData\\Level10");
        mCrate = mScene.Make("CrateWin", {"Renderer"}, -1, Vec3(10.0f, 2.0f, 0.0f));
        mWheels[0] = mScene.Make("Van_Wheel", {"Renderer", "Animator"}, -1, Vec3(8.0f, 1.0f, 0.0f));
        mWheels[1] = mScene.Make("Van_Wheel", {"Renderer", "Animator"}, -1, Vec3(12.0f, 1.0f, 0.0f));
        for (Composition* wheel : mWheels)
            Get<Animator>(wheel)->mPlaying = false;
        mScene.mWorld.mSounds.Clear();
        mVan = mScene.Make("Van", {"AudioComponent"}, ScriptId::Van, Vec3(10.0f, 3.0f, 0.0f));
        mScript = ScriptOf<Van>(mVan);
    }
    float X(Composition* object) { return Get<Transform>(object)->mPosition.x; }

    ScriptWorld mScene;
    Composition* mCrate = nullptr;
    Composition* mWheels[2] = {};
    Composition* mVan = nullptr;
    Van* mScript = nullptr;
};

TEST_F(EndScene, TheVanIdlesUntilStarted)
{
    ASSERT_NE(mScript, nullptr);
    mScene.Make("BlackScreen", {"Renderer"});
    mScene.Run(3.0f);
    EXPECT_TRUE(Contains(mScene.mWorld.mSounds.mEvents, "music:on"));
    EXPECT_TRUE(Contains(mScene.mWorld.mSounds.mEvents, "Van:EndSceneTruckStay"));
    EXPECT_FLOAT_EQ(X(mVan), 10.0f);
    EXPECT_FALSE(Get<Animator>(mWheels[0])->mPlaying);
    EXPECT_EQ(mScene.State().mNext, GameState::LEVEL);
}

TEST_F(EndScene, OnceStartedTheVanDrivesOffAndTheLastLevelFollows)
{
    Composition* black = mScene.Make("BlackScreen", {"Renderer"});
    Get<Renderer>(black)->mAlpha = 0.0f;
    mScene.mWorld.Step();
    mScript->mStarted = true;
    mScene.mWorld.Step();
    EXPECT_TRUE(Contains(mScene.mWorld.mSounds.mEvents, "Van:EndSceneTruckMove"));
    EXPECT_EQ(Get<AudioComponent>(mVan)->mKey, "EndSceneTruckMove");

    mScene.Run(0.5f - TestSupport::GameplayWorld::Dt); // 0.5 s: still standing
    EXPECT_FLOAT_EQ(X(mVan), 10.0f);
    mScene.Run(1.0f); // 1.5 s: a second of driving at 2.5 units per second
    EXPECT_NEAR(X(mVan), 12.5f, 1e-3f);
    EXPECT_NEAR(X(mCrate), 12.5f, 1e-3f);
    EXPECT_NEAR(X(mWheels[0]), 10.5f, 1e-3f);
    EXPECT_NEAR(X(mWheels[1]), 14.5f, 1e-3f);
    EXPECT_TRUE(Get<Animator>(mWheels[0])->mPlaying);
    EXPECT_TRUE(Get<Animator>(mWheels[1])->mPlaying);
    EXPECT_FLOAT_EQ(Alpha(black), 0.0f);

    mScene.Run(1.0f); // 2.5 s: the black screen is half in
    EXPECT_NEAR(Alpha(black), 0.5f, 1e-3f);
    EXPECT_EQ(mScene.State().mNext, GameState::LEVEL);
    mScene.Run(0.5f); // past 2.95 s
    EXPECT_EQ(mScene.State().mNext, GameState::RESTART);
    EXPECT_EQ(mScene.State().mNextLevelPath, "Resources\\LevelData\\Level11");
}

TEST_F(EndScene, WithoutABlackScreenTheSceneNeverHandsOver)
{
    mScript->mStarted = true;
    mScene.Run(5.0f);
    EXPECT_GT(X(mVan), 20.0f);
    EXPECT_EQ(mScene.State().mNext, GameState::LEVEL);
}
