// The main menu: volume and scroll settings with their texts, page moves at
// once and after their delays, credits, the emitter and the intro truck.
//
// Contents:
//   1. The fixture: menu buttons and texts, the camera
//   2. Music and effects volumes
//   3. Scroll levels and their texts
//   4. Page moves, credits, back and the emitter
//   5. The bell
//   6. The intro
#include <gtest/gtest.h>
#include "audio/AudioManager.h"
#include "core/engine/CoreEngine.h"
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/MainMenu.h"
#include "graphics/ParticleComponent.h"
#include "graphics/TextRenderer.h"
#include "physics/Physics.h"
#include "MenuScriptSupport.h"

using namespace Framework;
using TestSupport::Get;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
class MainMenuScript : public ::testing::Test
{
protected:
    MainMenuScript() : mMenu(GameState::MAIN_MENU)
    {
        gCameraScrollLevel = 0;
        gCameraScrollSpeed = MainMenu::ScrollSpeeds[0];
        Camera().Position = Vec3(31.0f, 15.0f, 7.0f);
    }
    ~MainMenuScript() override
    {
        gCameraScrollLevel = 0;
        gCameraScrollSpeed = MainMenu::ScrollSpeeds[0];
    }

    Composition* MenuButton(const std::string& name)
    {
        return mMenu.Make(name, {"Renderer", "Button"}, ScriptId::MainMenu);
    }
    Composition* MenuText(const std::string& name) { return mMenu.Make(name, {"TextRenderer"}, ScriptId::MainMenu); }
    static std::string TextOf(Composition* object) { return Get<TextRenderer>(object)->TextString; }
    Framework::Camera& Camera() { return mMenu.ActiveCamera(); }
    void ExpectCameraAt(float x, float y)
    {
        EXPECT_FLOAT_EQ(Camera().Position.x, x);
        EXPECT_FLOAT_EQ(Camera().Position.y, y);
        EXPECT_FLOAT_EQ(Camera().Position.z, 7.0f); // depth is never touched
    }

    TestSupport::ScriptWorld mMenu;
};
} // namespace

// ---- 2. Music and effects volumes -------------------------------------------
TEST_F(MainMenuScript, MusicStepsDownToMuteAndNeverBelowZero)
{
    gAudio->PlayMusic("MainMenu_Background_Music");
    Composition* down = MenuButton("BGMdown");
    Composition* text = MenuText("BGMText");
    Composition* bar = mMenu.Make("BGMBar", {"Renderer"}, ScriptId::MainMenu);
    mMenu.mWorld.Step();
    EXPECT_EQ(TextOf(text), "HIGH");
    EXPECT_EQ(Get<Renderer>(bar)->mIndex, 3);

    const float expected[] = {0.65f, 0.30f, 0.0f, 0.0f};
    const char* texts[] = {"MEDIUM", "LOW", "MUTE", "MUTE"};
    const int32_t steps[] = {2, 1, 0, 0};
    for (int click = 0; click < 4; ++click)
    {
        mMenu.Click(down);
        mMenu.mWorld.Step();
        EXPECT_NEAR(gAudio->GetGroupVolume(0), expected[click], 1e-5f) << "click " << click;
        EXPECT_NEAR(gAudio->GetChannelVolume(0), expected[click], 1e-5f) << "click " << click;
        EXPECT_EQ(TextOf(text), texts[click]) << "click " << click;
        EXPECT_EQ(Get<Renderer>(bar)->mIndex, steps[click]) << "click " << click;
    }
}

TEST_F(MainMenuScript, MusicStepsUpToItsCapAndHidesTheUpArea)
{
    Composition* up = MenuButton("BGMup");
    mMenu.Click(up);
    EXPECT_FLOAT_EQ(gAudio->GetGroupVolume(0), 1.05f);
    EXPECT_FLOAT_EQ(Get<Renderer>(up)->mAlpha, 0.0f);
    mMenu.Click(up);
    EXPECT_FLOAT_EQ(gAudio->GetGroupVolume(0), 1.05f);

    gAudio->SetGroupVolume(0, 0.3f);
    mMenu.Click(up);
    EXPECT_NEAR(gAudio->GetGroupVolume(0), 0.65f, 1e-5f);
    gAudio->SetGroupVolume(0, 0.8f);
    mMenu.Click(up); // 0.8 + 0.35 would pass the cap
    EXPECT_FLOAT_EQ(gAudio->GetGroupVolume(0), 1.05f);
}

TEST_F(MainMenuScript, EffectsStayBetweenMuteAndFull)
{
    Composition* up = MenuButton("SEup");
    Composition* down = MenuButton("SEdown");
    Composition* text = MenuText("SEText");
    mMenu.Click(up);
    EXPECT_FLOAT_EQ(gAudio->GetGroupVolume(1), 1.0f);

    mMenu.Click(down);
    EXPECT_NEAR(gAudio->GetGroupVolume(1), 0.65f, 1e-5f);
    EXPECT_EQ(TextOf(text), "MEDIUM");
    mMenu.Click(up); // 0.65 + 0.35 is exactly full
    EXPECT_NEAR(gAudio->GetGroupVolume(1), 1.0f, 1e-5f);
    mMenu.Click(down);
    mMenu.Click(down); // 0.30
    mMenu.Click(up);
    mMenu.Click(up); // 0.65, then 1.0 rather than past it
    EXPECT_NEAR(gAudio->GetGroupVolume(1), 1.0f, 1e-5f);

    for (int click = 0; click < 4; ++click)
        mMenu.Click(down);
    EXPECT_FLOAT_EQ(gAudio->GetGroupVolume(1), 0.0f);
    mMenu.mWorld.Step();
    EXPECT_EQ(TextOf(text), "MUTE");
}

// ---- 3. Scroll levels and their texts ---------------------------------------
TEST_F(MainMenuScript, ScrollLevelsAndTheirTexts_TheFullScreenTick)
{
    Composition* up = MenuButton("ScrollUp");
    Composition* down = MenuButton("ScrollDown");
    Composition* text = MenuText("ScrollText");
    Composition* bar = mMenu.Make("ScrollBar", {"Renderer"}, ScriptId::MainMenu);
    Composition* tick = mMenu.Make("FullScreenTick", {"Renderer"}, ScriptId::MainMenu);
    mMenu.mWorld.Step();
    EXPECT_EQ(TextOf(text), "LOW");
    EXPECT_EQ(Get<Renderer>(bar)->mIndex, 1);
    EXPECT_TRUE(Get<Renderer>(tick)->mInvisible); // windowed: the full-screen box is unticked

    const uint32_t levels[] = {1, 2, 2};
    const float speeds[] = {33.0f, 50.0f, 50.0f};
    const char* texts[] = {"MEDIUM", "HIGH", "HIGH"};
    for (int click = 0; click < 3; ++click)
    {
        mMenu.Click(up);
        mMenu.mWorld.Step();
        EXPECT_EQ(gCameraScrollLevel, levels[click]);
        EXPECT_FLOAT_EQ(gCameraScrollSpeed, speeds[click]);
        EXPECT_EQ(TextOf(text), texts[click]);
        EXPECT_EQ(Get<Renderer>(bar)->mIndex, click == 0 ? 2 : 3);
    }
    mMenu.Click(down);
    EXPECT_EQ(gCameraScrollLevel, 1u);
    EXPECT_FLOAT_EQ(gCameraScrollSpeed, 33.0f);
    mMenu.Click(down);
    mMenu.Click(down);
    EXPECT_EQ(gCameraScrollLevel, 0u);
    EXPECT_FLOAT_EQ(gCameraScrollSpeed, 25.0f);
}

// ---- 4. Page moves, credits, back and the emitter ---------------------------
TEST_F(MainMenuScript, PageButtonsAndCreditsMoveTheCameraOrSwitchAfterTheDelay)
{
    CoreEngine core;
    core.SetPause(true); // left paused by the level before: the menu resumes it
    Composition* settings = MenuButton("Setting_Col");
    EXPECT_FALSE(core.mPaused);
    EXPECT_TRUE(gPhysics->mRunning);
    EXPECT_FALSE(gAudio->mPaused);
    Composition* howTo = MenuButton("HTP_Col");
    Composition* exit = MenuButton("Exit_Col");
    Composition* credits = MenuButton("AppleCredits");
    mMenu.Click(settings);
    mMenu.Run(0.78f);
    ExpectCameraAt(31.0f, 15.0f);
    mMenu.Run(0.05f);
    ExpectCameraAt(14.5f, 14.9f);

    mMenu.Click(howTo);
    mMenu.Run(0.83f);
    ExpectCameraAt(31.0f, 25.0f);
    mMenu.Click(exit);
    mMenu.Run(0.83f);
    ExpectCameraAt(31.0f, 5.0f);
    mMenu.Click(credits); // the credits follow after the same delay
    mMenu.Run(0.78f);
    EXPECT_EQ(mMenu.State().mNext, GameState::MAIN_MENU);
    mMenu.Run(0.05f);
    EXPECT_EQ(mMenu.State().mNext, GameState::CREDITS);
}

TEST_F(MainMenuScript, BackMovesAtOnceAndRunsTheEmitterUntilTheNextDelayedMove)
{
    Composition* emitter = mMenu.Make("Emmiter", {"ParticleComponent"});
    Composition* back = MenuButton("BackCol");
    Composition* settings = MenuButton("Setting_Col");
    Camera().Position = Vec3(14.5f, 14.9f, 7.0f);
    mMenu.mWorld.Step();
    ParticleEmitterSettings& particles = Get<ParticleComponent>(emitter)->Settings();
    EXPECT_EQ(particles.mBurstAmount, 1);
    EXPECT_EQ(particles.mMaxParticle, 1000);
    EXPECT_FALSE(particles.mActivate);

    mMenu.Click(back);
    ExpectCameraAt(31.0f, 15.0f);
    EXPECT_TRUE(particles.mActivate);

    mMenu.Click(settings);
    mMenu.Run(0.83f);
    EXPECT_FALSE(particles.mActivate);
}

// ---- 5. The bell ------------------------------------------------------------
TEST_F(MainMenuScript, TheBellRingsOnItsClick)
{
    Composition* bell = mMenu.Make("HTP_Bell", {"Renderer", "Button", "AudioComponent"}, ScriptId::MainMenu);
    mMenu.mWorld.Step();
    mMenu.mWorld.mSounds.Clear();
    mMenu.Click(bell);
    EXPECT_EQ(mMenu.mWorld.mSounds.mEvents, std::vector<std::string>{"HTP_Bell:CounterBell"});
}

// ---- 6. The intro -----------------------------------------------------------
TEST_F(MainMenuScript, TheFirstLevelPageVisitPlaysTheIntro)
{
    Composition* apple = mMenu.Make("FallingApple", {"Renderer"}, -1, Vec3(31.0f, 30.0f, 0.0f));
    Composition* truck = mMenu.Make("TheTruck", {"Renderer", "AudioComponent"});
    Composition* levels = MenuButton("LevelSelectionCol");
    mMenu.mWorld.Step();
    EXPECT_EQ(Get<AudioComponent>(truck)->mKey, "IntroTruck");
    mMenu.mWorld.mSounds.Clear();

    mMenu.Click(levels);
    mMenu.Run(1.0f); // the apple also fell in the click's own frame
    EXPECT_NEAR(Get<Transform>(apple)->mPosition.y, 30.0f - 7.0f * (1.0f + TestSupport::GameplayWorld::Dt), 1e-3f);
    EXPECT_TRUE(mMenu.mWorld.mSounds.mEvents.empty());
    mMenu.Run(0.5f); // past 1.4 s: the truck arrives and sounds
    EXPECT_EQ(mMenu.mWorld.mSounds.mEvents, std::vector<std::string>{"TheTruck:IntroTruck"});

    // Halfway along its path the truck is halfway between the ends and sizes.
    while (MainMenu::sTruckTimer < 1.5f)
        mMenu.mWorld.Step();
    const Transform* transform = Get<Transform>(truck);
    EXPECT_NEAR(transform->mPosition.x, 31.0f, 1e-4f);
    EXPECT_NEAR(transform->mPosition.y, 12.1f, 0.05f);
    EXPECT_FLOAT_EQ(transform->mPosition.z, 1.0f);
    EXPECT_NEAR(transform->mScale.x, 5.2f, 0.1f);
    EXPECT_FALSE(Get<Renderer>(truck)->mInvisible);
    ExpectCameraAt(31.0f, 15.0f);

    mMenu.Run(1.6f); // the drive ends: the truck goes, the 1.5 s move starts
    EXPECT_TRUE(Get<Renderer>(truck)->mInvisible);
    ExpectCameraAt(31.0f, 15.0f);
    mMenu.Run(1.55f);
    ExpectCameraAt(47.5f, 15.1f);

    // Later visits move after the plain delay, without the intro.
    Camera().Position = Vec3(31.0f, 15.0f, 7.0f);
    const float appleY = Get<Transform>(apple)->mPosition.y;
    mMenu.Click(levels);
    mMenu.Run(0.83f);
    ExpectCameraAt(47.5f, 15.1f);
    EXPECT_FLOAT_EQ(Get<Transform>(apple)->mPosition.y, appleY);
}

TEST_F(MainMenuScript, TheIntroReachesTheLevelPageWithoutItsPropsIgnoringOtherPagesButCredits)
{
    Composition* levels = MenuButton("LevelSelectionCol");
    Composition* settings = MenuButton("Setting_Col");
    Composition* back = MenuButton("BackCol");
    Composition* scrollUp = MenuButton("ScrollUp");
    Composition* credits = MenuButton("AppleCredits");
    mMenu.Click(levels);
    mMenu.Run(1.0f);
    // Pages chosen while the intro runs are not taken; a setting still changes.
    mMenu.Click(settings);
    mMenu.Click(back);
    mMenu.Click(scrollUp);
    EXPECT_EQ(gCameraScrollLevel, 1u);
    mMenu.Run(1.0f);
    ExpectCameraAt(31.0f, 15.0f);
    // CREDITS is no page: it leaves the menu after its delay.
    mMenu.Click(credits);
    mMenu.Run(0.83f);
    EXPECT_EQ(mMenu.State().mNext, GameState::CREDITS);
    mMenu.Run(4.2f - 0.83f); // 1.4 s fall, 3 s drive, 1.5 s to the move
    ExpectCameraAt(47.5f, 15.1f);

    // Arrived, the other pages answer again.
    mMenu.Click(settings);
    mMenu.Run(0.83f);
    ExpectCameraAt(14.5f, 14.9f);
}
