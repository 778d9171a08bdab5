// The level interface: placement and scale on screen, hearts, the Q shortcut,
// stars by rating with their landing times and the unlocks, the next-level
// button, the pause pages and the opening and closing fades.
//
// Contents:
//   1. The fixture: interface objects by their parts, clicks; ExpectNear
//   2. Screen place and size through zoom
//   3. Hearts and the timer
//   4. Stars, their chimes and the unlocks
//   5. The next-level button
//   6. The pause pages
//   7. The opening fade and the fade-out on the apple's death
//   8. A paused level's resume button
//   9. The closing fade, Escape, the finish and Q
#include <gtest/gtest.h>
#include "audio/AudioComponent.h"
#include "gameplay/Button.h"
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/HumanWin.h"
#include "gameplay/scripts/UIscript.h"
#include "graphics/ParticleComponent.h"
#include "graphics/TextRenderer.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeOBB.h"
#include "LevelScriptSupport.h"

using namespace Framework;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
constexpr int KeyQ = 81;
constexpr float Unit = 50.0f / 35.0f; // world units per offset unit at zoom 35
const std::string Level3 = "Resources\\LevelData\\Level3";

class UIScripts : public TestSupport::LevelScriptTest
{
protected:
    UIScripts()
    {
        mWorld.mLogic->mState.mLoadedLevelPath = Level3;
        mWorld.mLogic->mUnlockedCount = 3;
        mCamera = MakeCamera(0.0f, 0.0f, 35.0f);
    }
    enum Part : unsigned
    {
        Picture = 1,
        Clickable = 2,
        Particles = 4,
        Sound = 8,
        Text = 16
    };
    Composition* UI(const std::string& name, unsigned parts = Picture)
    {
        Composition* object = Make(name);
        if (parts & Picture)
            Add<Renderer>(object, "Renderer");
        if (parts & Clickable)
            Add<Button>(object, "Button");
        if (parts & Particles)
            Add<ParticleComponent>(object, "ParticleComponent");
        if (parts & Sound)
            Add<AudioComponent>(object, "AudioComponent");
        if (parts & Text)
            Add<TextRenderer>(object, "TextRenderer");
        Start(object, ScriptId::UIScript);
        return object;
    }
    // The button's click as the script sees it in the next frame.
    void Click(Composition* button)
    {
        button->GetComponent<Button>()->Click = true;
        Step();
    }
    static Vec3 Where(Composition* object) { return object->GetComponent<Transform>()->mPosition; }
    static Vec3 Scale(Composition* object) { return object->GetComponent<Transform>()->mScale; }
    static Renderer& Picture_(Composition* object) { return *object->GetComponent<Renderer>(); }
    static int Burst(Composition* emitter)
    {
        return emitter->GetComponent<ParticleComponent>()->mEmitter->mBurstAmount;
    }

    Camera* mCamera = nullptr;
};

void ExpectNear(const Vec3& actual, const Vec3& expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-4f);
    EXPECT_NEAR(actual.y, expected.y, 1e-4f);
    EXPECT_NEAR(actual.z, expected.z, 1e-4f);
}
} // namespace

// ---- 2. Screen place and size through zoom ----------------------------------
TEST_F(UIScripts, ObjectsKeepTheirScreenPlaceAndSizeThroughZoom)
{
    Composition* heart = UI("Heart");
    Picture_(heart).mAlpha = 0.5f; // an apple tagged Player with another script leaves the hearts alone
    Start(Make("Impostor", Vec3(0.0f), ObjectTag::Player), ScriptId::HumanWin);
    Step();
    ExpectNear(Scale(heart), Vec3(2.0f, 2.0f, 1.0f)); // twice the file scale at zoom 35
    ExpectNear(Where(heart), Vec3(-10.0f * Unit, 6.0f * Unit, -4.0f));

    mCamera->Position = Vec3(10.0f, 5.0f, 0.0f);
    mCamera->CamSize = Vec3(70.0f, 70.0f, 1.0f);
    Step();
    ExpectNear(Scale(heart), Vec3(1.0f, 1.0f, 1.0f));
    ExpectNear(Where(heart), Vec3(10.0f - 5.0f * Unit, 5.0f + 3.0f * Unit, -4.0f));
    EXPECT_FLOAT_EQ(Picture_(heart).mAlpha, 0.5f);
}

// ---- 3. Hearts and the timer ------------------------------------------------
TEST_F(UIScripts, HeartsShowTheApplesHealthAndTheTimerItsTime)
{
    Composition* hearts[] = {UI("Heart"), UI("Heart1"), UI("Heart2")};
    Composition* time = UI("TimeText", Text);
    Composition* speed = UI("SpeedIndicator", Picture | Clickable);
    MakeApple()->mPlayerHealth = 2;
    mWorld.mPhysics->mLevelTimer.mRunningTime = 12.5f;
    Step();
    EXPECT_FLOAT_EQ(Picture_(hearts[0]).mAlpha, 1.0f);
    EXPECT_FLOAT_EQ(Picture_(hearts[1]).mAlpha, 1.0f);
    EXPECT_FLOAT_EQ(Picture_(hearts[2]).mAlpha, 0.0f);
    EXPECT_EQ(time->GetComponent<TextRenderer>()->TextString, "Time Spent: 12.50");
    Click(speed); // the speed button toggles fast mode and shows it
    EXPECT_TRUE(mWorld.mPhysics->mFastMode);
    EXPECT_EQ(speed->GetComponent<Button>()->mFrame, 2u);
}

// ---- 4. Stars, their chimes and the unlocks ---------------------------------
TEST_F(UIScripts, StarsFillByRatingAppearInTurnAndUnlockTheNextLevel)
{
    Composition* stars[] = {UI("Star1", Picture | Sound), UI("Star2"), UI("Star3")};
    Composition* sparks[] = {UI("Star1Emmitter", Particles), UI("Star2Emmitter", Particles),
                             UI("Star3Emmitter", Particles)};
    mWorld.mPhysics->mLevelTimer.mFinalTime = 45.0f; // two stars on Level3
    UIscript::sWon = true;

    Step(31);
    EXPECT_EQ(Scale(stars[0]).x, 0.0f);
    EXPECT_EQ(Picture_(stars[0]).mIndex, 1);
    EXPECT_EQ(Picture_(stars[1]).mIndex, 1);
    EXPECT_EQ(Picture_(stars[2]).mIndex, 0);
    EXPECT_FALSE(Picture_(stars[2]).mInvisible);
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 3u);
    Step(); // 0.5 s: the first star's sparkle lands, the star itself starts growing
    EXPECT_EQ(Burst(sparks[0]), 20);
    EXPECT_GT(Scale(stars[0]).x, 0.0f);
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 4u);
    EXPECT_TRUE(mWorld.mLogic->mUnlockedLevels[Level3]);
    EXPECT_TRUE(Logged("\"WinStar2\""));
    Step(10);
    ExpectNear(Scale(stars[0]), Vec3(2.0f, 2.0f, 1.0f));
    EXPECT_EQ(Scale(stars[1]).x, 0.0f);
    Step(22); // 1.0 s
    EXPECT_EQ(Burst(sparks[0]), 0);
    EXPECT_EQ(Burst(sparks[1]), 20);
    EXPECT_GT(Scale(stars[1]).x, 0.0f);
    Step(32); // 1.5 s: the third star lands empty, without a sparkle
    EXPECT_GT(Scale(stars[2]).x, 0.0f);
    EXPECT_EQ(Burst(sparks[2]), 0);
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 4u); // once per level, not per star
}

TEST_F(UIScripts, AZeroStarWinPlaysTheEmptyChimeAndNeverLowersTheLevelsFlag)
{
    // A first win without stars leaves the level uncompleted...
    Composition* star = UI("Star1", Picture | Sound);
    mWorld.mPhysics->mLevelTimer.mFinalTime = 200.0f;
    UIscript::sWon = true;
    Step(45);
    EXPECT_TRUE(Logged("\"WinStar0\""));
    EXPECT_FALSE(mWorld.mLogic->mUnlockedLevels[Level3]);
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 4u);

    // ...and a replay without stars keeps a completion won before.
    mWorld.mLogic->mUnlockedLevels[Level3] = true;
    ScriptOn<UIscript>(star)->Init(star->GetComponent<Behaviour>()); // the level played again
    UIscript::sWon = true;
    Step(45);
    EXPECT_TRUE(mWorld.mLogic->mUnlockedLevels[Level3]);
}

// ---- 5. The next-level button -----------------------------------------------
TEST_F(UIScripts, NextLevelButtonLeadsOnFromLevel9AndReloadsAnyOtherLevel)
{
    Composition* next = UI("NextLvlButton", Picture | Clickable);
    UI("Star1");
    UIscript::sWon = true;
    LevelState& state = mWorld.mLogic->mState;
    state.mLoadedLevelPath = state.mNextLevelPath = "Resources\\LevelData\\Level9";
    mWorld.mLogic->mUnlockedCount = 9;
    Step(40); // the first star lands: every level is open already, the count stays at 9
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 9u);
    Click(next);
    EXPECT_EQ(state.mNextLevelPath, "Resources\\LevelData\\Level10");
    EXPECT_EQ(state.mNext, GameState::RESTART);

    state.mNext = GameState::LEVEL;
    state.mLoadedLevelPath = state.mNextLevelPath = "Resources\\LevelData\\level_test";
    Click(next);
    EXPECT_EQ(state.mNextLevelPath, "Resources\\LevelData\\level_test");
    EXPECT_EQ(state.mNext, GameState::RESTART);
    ExpectNear(Where(next), Vec3(0.0f, -2.5f * Unit, -3.0f)); // the win page in view, under the apple
}

// ---- 6. The pause pages -----------------------------------------------------
TEST_F(UIScripts, PausePagesSwapInTheNoButtonReturnsInTheSameFrameAndYesQuits)
{
    Composition* title = UI("PauseTitle");
    Composition* quit = UI("QuitButton", Picture | Clickable);
    Composition* no = UI("NoButton", Picture | Clickable);
    Composition* yes = UI("YesButton", Picture | Clickable);
    Composition* resume = UI("ResumeButton", Picture | Clickable);
    Composition* content = UI("HTPContent");
    Composition* open = UI("HTPButton", Picture | Clickable);
    Composition* back = UI("HTPBackBtn", Picture | Clickable);
    Composition* restart = UI("RestartButton", Picture | Clickable);
    // Texts: the level's own sign, the interface's clock, the old pause menu's line.
    Composition* sign = Make("Sign");
    Add<TextRenderer>(sign, "TextRenderer");
    Start(sign);
    Composition* clock = UI("TimeText", Text);
    Composition* pauseLine = Make("PauseGameText1");
    Add<TextRenderer>(pauseLine, "TextRenderer");
    Start(pauseLine, ScriptId::FollowCamera);
    const auto hidden = [](Composition* object) { return object->GetComponent<TextRenderer>()->mHidden; };
    Step();
    EXPECT_GT(Where(quit).y, 20.0f); // the pause page waits above the view
    mCore.SetPause(true);
    Step();
    ExpectNear(Where(quit), Vec3(9.0f * Unit, 0.8f * Unit, -2.0f));
    EXPECT_TRUE(hidden(sign));
    EXPECT_FALSE(hidden(clock));
    EXPECT_FALSE(hidden(pauseLine)) << "the pause menu's own text hid with the level's";
    EXPECT_EQ(Picture_(title).mSpriteSheetKey, "PauseScreenBG");

    Click(quit);
    EXPECT_TRUE(UIscript::sQuitConfirm);
    Step();
    EXPECT_EQ(Picture_(title).mSpriteSheetKey, "UIAppleConfirmation");
    ExpectNear(Where(no), Vec3(8.6f * Unit, 2.5f * Unit, -2.0f));
    ExpectNear(Where(quit), Vec3(-21.0f * Unit, 0.8f * Unit, -2.0f));

    Click(no);
    EXPECT_FALSE(UIscript::sQuitConfirm);
    ExpectNear(Where(no), Vec3(38.6f * Unit, 2.5f * Unit, -2.0f));
    Step();
    ExpectNear(Where(quit), Vec3(9.0f * Unit, 0.8f * Unit, -2.0f));

    Click(open); // the controls page, and back
    Step();
    EXPECT_EQ(Picture_(title).mSpriteSheetKey, "UIAppleControls");
    ExpectNear(Where(content), Vec3(-1.5f * Unit, 0.0f, -2.0f));
    ExpectNear(Where(back), Vec3(-10.5f * Unit, 5.2f * Unit, -2.0f));
    Click(back);
    Step();
    EXPECT_FALSE(UIscript::sShowControls);
    EXPECT_EQ(Picture_(title).mSpriteSheetKey, "PauseScreenBG");
    Click(quit);
    Click(yes);
    EXPECT_FALSE(UIscript::sQuitConfirm);
    EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::QUIT);
    Click(restart);
    EXPECT_FALSE(mCore.mPaused);
    EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::RESTART);
    mCore.SetPause(true);
    Click(resume);
    EXPECT_FALSE(mCore.mPaused);
    EXPECT_TRUE(mWorld.mPhysics->mRunning);
    EXPECT_FALSE(hidden(sign));
}

// ---- 7. The opening fade and the fade-out on the apple's death --------------
TEST_F(UIScripts, TheLevelFadesInAndHums_TheApplesDeathFadesOutToTheLoseScreen)
{
    mWorld.mLogic->mState.mLoadedLevelPath = "Resources\\LevelData\\Level8";
    UI("SurroundingAudio", Sound); // the air conditioners hum in Level7 to Level9
    EXPECT_TRUE(Logged("\"AirCon\"; nothing plays"));
    Composition* opening = UI("TransitionIn");
    Composition* closing = UI("TransitionOut");
    Composition* clock = UI("TimerBG");
    const TextRenderer& words = *UI("TimeText", Text)->GetComponent<TextRenderer>();
    Composition* loser = UI("AppleLoseAni");
    Picture_(loser).mInvisible = true;
    UI("WinScreenBG");
    Composition* mist = UI("MistParticle", Particles);
    mist->GetComponent<ParticleComponent>()->mEmitter->mActivate = true;
    Player* apple = MakeApple();
    EXPECT_TRUE(Picture_(closing).mInvisible);
    Step();
    // The clock stands in front of the black: its board and its words show through the fade.
    EXPECT_FLOAT_EQ(Where(clock).z, -2.0f);
    EXPECT_FLOAT_EQ(Where(words.GetOwner()).z, -2.0f);
    EXPECT_GT(Where(clock).z, Where(opening).z);
    EXPECT_FALSE(words.mHidden);
    Step(63);
    EXPECT_NEAR(Picture_(opening).mAlpha, 0.5f, 1e-4f);
    Step(65);
    EXPECT_TRUE(Picture_(opening).mInvisible);

    apple->mLosePending = false;
    mCore.SetPause(true);
    Step();
    EXPECT_FALSE(mCore.mPaused); // the closing sequence lifts the pause
    Step(223);                   // 3.5 s of delay
    EXPECT_TRUE(Picture_(closing).mInvisible);
    Step(64);
    EXPECT_FALSE(Picture_(closing).mInvisible);
    EXPECT_NEAR(Picture_(closing).mAlpha, 0.5f, 0.02f);
    EXPECT_FALSE(UIscript::sLost);
    Step(66);
    EXPECT_TRUE(UIscript::sLost);
    EXPECT_FALSE(words.mHidden);
    Step(); // the lose screen: its music, the losing apple, and the mist stopped
    EXPECT_TRUE(Logged("\"LoseScreenBGM\""));
    EXPECT_FALSE(Picture_(loser).mInvisible);
    EXPECT_FALSE(mist->GetComponent<ParticleComponent>()->mEmitter->mActivate);
}

// ---- 8. A paused level's resume button --------------------------------------
TEST_F(UIScripts, APausedLevelsResumeButtonIsClickedThroughItsBodyBox)
{
    // The content's shape offset cancels the buttons' box shift: the box sits on the picture.
    Composition* resume = Make("ResumeButton");
    Add<Renderer>(resume, "Renderer");
    Add<AudioComponent>(resume, "AudioComponent");
    Add<Body>(resume, "Body");
    Add<ShapeOBB>(resume, "OBB")->Offset = Vec3(1.0f, 2.5f, 0.0f);
    Add<Button>(resume, "Button");
    Start(resume, ScriptId::UIScript);
    mCore.SetPause(true);
    Step(2);
    const Vec3 centre = Where(resume);
    ExpectNear(centre, Vec3(5.0f * Unit, 3.5f * Unit, -2.0f));
    mWorld.mInput->SetMouseWorld(centre.x, centre.y);
    Step(2);
    Tap(1);
    Step();
    EXPECT_FALSE(mCore.mPaused);
}

// ---- 9. The closing fade, Escape, the finish and Q --------------------------
TEST_F(UIScripts, TheWalkStartsTheClosingFadeEscapeSkipsItsWaitAndTheFinishOrQWins)
{
    Composition* closing = UI("TransitionOut");
    Composition* person = Make("HumanWin", Vec3(0.0f));
    Start(person, ScriptId::HumanWin);
    auto* walker = ScriptOn<HumanWin>(person);
    walker->mWalking = true; // no "END": the walker stands still, the fade still closes
    Step(10);
    EXPECT_TRUE(Picture_(closing).mInvisible);
    Tap(0x1B); // the 2 s fade starts at once
    Step(124);
    EXPECT_GT(Picture_(closing).mAlpha, 0.9f);
    EXPECT_FALSE(UIscript::sWon);
    Step(5);
    EXPECT_TRUE(UIscript::sWon);

    UIscript::sWon = false;
    walker->mWalking = false;
    walker->mFinished = true;
    Step();
    EXPECT_TRUE(UIscript::sWon);
    UIscript::sWon = walker->mFinished = false; // Q wins at once with the time then on the clock
    mWorld.mPhysics->mLevelTimer.mRunningTime = 41.0f;
    Tap(KeyQ);
    EXPECT_TRUE(UIscript::sWon);
    EXPECT_FLOAT_EQ(mWorld.mPhysics->mLevelTimer.mFinalTime, 41.0f);
}
