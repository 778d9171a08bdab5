// Buttons: frames, sounds, clicks that switch state and level, level picks
// with their locks, the press animation and the pressed-button guard.
//
// Contents:
//   1. The fixture: a button's parts, hovering and clicking; a click watcher
//   2. Hover frames and sounds
//   3. Clicks: target states, the flag, what scripts see
//   4. Level picks and their locks
//   5. The press animation and the pressed-button guard
//   6. Copies, the credits music, the editor, the inspector
#include <gtest/gtest.h>
#include <imgui.h>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/GameSettings.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/Button.h"
#include "gameplay/ResourceManager.h"
#include "graphics/Animator.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"
#include "physics/Physics.h"
#include "support/GameplayFixtures.h"
#include "ScriptTestSupport.h"

using namespace Framework;
using TestSupport::GameplayWorld;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
constexpr int Left = 1;

struct ButtonParts
{
    bool renderer = true;
    bool animator = false;
    bool audio = true;
    uint32_t tag = ObjectTag::None;
    uint32_t targetState = GameState::NONE;
    int32_t frame = 0;
    int32_t script = -1; // a Behaviour with this number when not negative
};

class Buttons : public ::testing::Test
{
protected:
    Buttons() : mWorld(true)
    {
        mWorld.Init();
        mWorld.SetState(GameState::MAIN_MENU);
        mWorld.mGraphics->mSpriteSheets["Menu"].mFrames.resize(8);
    }

    // A button at (x, 0) of size 2 x 2, clickable in the menu by its scale box.
    Button* MakeButton(const std::string& name, float x, const ButtonParts& parts = {})
    {
        Composition* object = gFactory->CreateObject(name, ObjectKind::GameObject);
        object->mTag = parts.tag;
        Transform* transform = object->GetComponent<Transform>();
        transform->mPosition = Vec3(x, 0.0f, 0.0f);
        transform->mScale = Vec3(2.0f, 2.0f, 1.0f);
        if (parts.renderer)
        {
            auto* renderer = static_cast<Renderer*>(gFactory->AddComponent(object, "Renderer"));
            renderer->mSpriteSheetKey = "Menu";
            renderer->mIndex = parts.frame;
        }
        if (parts.animator)
            gFactory->AddComponent(object, "Animator");
        if (parts.audio)
            gFactory->AddComponent(object, "AudioComponent");
        if (parts.script >= 0)
            static_cast<Behaviour*>(gFactory->AddComponent(object, "Behaviour"))->ScriptID = parts.script;
        auto* button = static_cast<Button*>(gFactory->AddComponent(object, "Button"));
        button->TargetState = parts.targetState;
        object->Initialize();
        return button;
    }

    static int32_t Frame(Button* button) { return button->GetOwner()->GetComponent<Renderer>()->mIndex; }

    // The mouse goes to (x, 0); one frame to pick, one for the button to see it.
    void HoverAt(float x)
    {
        mWorld.mInput->SetMouseWorld(x, 0.0f);
        mWorld.Step(2);
    }
    void Click()
    {
        mWorld.mInput->Press(Left);
        mWorld.Step();
        mWorld.mInput->Release(Left);
    }

    GameplayWorld mWorld;
};

// Records the Click flag of its object's Button every time its script runs.
std::vector<bool> gClicksSeen;
class ClickWatcher : public ScriptBase
{
public:
    void Update(Behaviour* owner, float) override
    {
        gClicksSeen.push_back(owner->GetOwner()->GetComponent<Button>()->Click);
    }
};
} // namespace

// ---- 2. Hover frames and sounds ---------------------------------------------
TEST_F(Buttons, HoverShowsTheHoverFrameAndSoundsOncePerHover)
{
    Button* button = MakeButton("Leaf", 0.0f, {.tag = ObjectTag::ButtonLeaf, .frame = 2});
    mWorld.mSounds.Clear();
    HoverAt(0.0f);
    mWorld.Step(3);
    EXPECT_TRUE(button->Hover);
    EXPECT_EQ(Frame(button), 3);
    EXPECT_EQ(mWorld.mSounds.mEvents, std::vector<std::string>{"Leaf:ButtonHoverLeaf"});

    HoverAt(10.0f);
    EXPECT_FALSE(button->Hover);
    EXPECT_EQ(Frame(button), 2);
    HoverAt(0.0f);
    EXPECT_EQ(mWorld.mSounds.mEvents.size(), 2u); // re-entering sounds again
}

TEST_F(Buttons, PlainButtonsUseThePlainSoundKeys)
{
    Button* button = MakeButton("Plain", 0.0f);
    AudioComponent* audio = button->GetOwner()->GetComponent<AudioComponent>();
    EXPECT_EQ(audio->mKey, "ButtonClickLeaf"); // set up by Initialize
    HoverAt(0.0f);
    EXPECT_EQ(audio->mKey, "ButtonHover");
    Click();
    EXPECT_TRUE(button->Click);
    EXPECT_EQ(audio->mKey, "ButtonClick");
}

// ---- 3. Clicks --------------------------------------------------------------
TEST_F(Buttons, AClickSwitchesToTheTargetStateAndStopsTheMusic)
{
    Button* button = MakeButton("Back", 0.0f, {.targetState = GameState::MAIN_MENU});
    mWorld.mLogic->mState.SetNextLevel("Resources\\LevelData\\Level2");
    gAudio->PlayMusic("MainMenu_Background_Music");
    ASSERT_TRUE(gAudio->IsMusicPlaying());
    HoverAt(0.0f);
    mWorld.SetState(GameState::CREDITS);
    Click();
    EXPECT_TRUE(button->Click);
    EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::MAIN_MENU);
    EXPECT_EQ(mWorld.mLogic->mState.mNextLevelPath, ""); // the button's empty target level
    EXPECT_FALSE(gAudio->IsMusicPlaying());
}

TEST_F(Buttons, WithoutATargetStateAClickOnlySetsTheFlag)
{
    // Named like a level pick but for its seventh letter: its frames are its own.
    Button* button = MakeButton("Loudness", 0.0f, {.targetState = 12});
    HoverAt(0.0f);
    Click();
    EXPECT_TRUE(button->Click);
    EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::MAIN_MENU);
    mWorld.Step(); // a frame without a new press clears it on a button with a Renderer
    EXPECT_FALSE(button->Click);
    EXPECT_EQ(Frame(button), 1);

    // The last state, the credits, is still a target.
    MakeButton("Credits", 5.0f, {.targetState = GameState::CREDITS});
    HoverAt(5.0f);
    Click();
    EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::CREDITS);
}

TEST_F(Buttons, ScriptsSeeAClickOneFrameLater)
{
    gClicksSeen.clear();
    TestSupport::RecordingScriptTable table;
    gScriptMaker = [](int32_t) -> ScriptBase* { return new ClickWatcher(); };
    MakeButton("Watched", 0.0f, {.renderer = false, .script = 3});
    HoverAt(0.0f);
    gClicksSeen.clear();
    Click();
    mWorld.Step();
    EXPECT_EQ(gClicksSeen, (std::vector<bool>{false, true}));
}

// ---- 4. Level picks and their locks -----------------------------------------
TEST_F(Buttons, LockedLevelPicksShowTheLockAndIgnoreTheMouse)
{
    mWorld.mLogic->mUnlockedCount = 3;
    Button* locked = MakeButton("Level4Pick", 0.0f, {.targetState = GameState::LEVEL});
    Button* last = MakeButton("Level9Pick", 5.0f, {.targetState = GameState::LEVEL});
    for (Button* button : {locked, last})
    {
        HoverAt(button->GetOwner()->GetComponent<Transform>()->mPosition.x);
        Click();
        EXPECT_EQ(Frame(button), 2);
        EXPECT_FALSE(button->Hover);
        EXPECT_FALSE(button->Click);
        EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::MAIN_MENU);
    }
}

TEST_F(Buttons, OpenLevelPicksTargetTheirLevelAndShowWhetherItWasWon)
{
    mWorld.mLogic->mUnlockedCount = 3;
    mWorld.mLogic->mUnlockedLevels[LevelPath(2)] = true;
    Button* open = MakeButton("Level3Pick", 0.0f, {.targetState = GameState::LEVEL});
    Button* won = MakeButton("Level2Pick", 5.0f);
    mWorld.Step();
    EXPECT_EQ(Frame(open), 3);                                         // open idle
    EXPECT_EQ(Frame(won), 5);                                          // won idle
    EXPECT_EQ(mWorld.mLogic->mUnlockedLevels.count(LevelPath(3)), 1u); // added as not won
    HoverAt(0.0f);
    EXPECT_EQ(Frame(open), 4);
    Click();
    EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::LEVEL);
    EXPECT_EQ(mWorld.mLogic->mState.mNextLevelPath, "Resources\\LevelData\\Level3");

    // Names that are no level pick's keep the level they were given and no lock.
    for (const char* name : {"Level0Pick", "Level4Pack", "Stage4Pick"})
    {
        Button* other = MakeButton(name, 10.0f);
        other->TargetLevel = LevelPath(1);
        mWorld.Step();
        EXPECT_EQ(other->TargetLevel, LevelPath(1)) << name;
        EXPECT_NE(Frame(other), 2) << name;
    }
}

TEST_F(Buttons, Level1IsNeverLocked)
{
    mWorld.mLogic->mUnlockedCount = 0;
    Button* first = MakeButton("Level1Pick", 0.0f, {.targetState = GameState::LEVEL});
    HoverAt(0.0f);
    Click();
    EXPECT_EQ(mWorld.mLogic->mState.mNextLevelPath, "Resources\\LevelData\\Level1");
    EXPECT_TRUE(first->Click);
}

// ---- 5. The press animation and the pressed-button guard --------------------
TEST_F(Buttons, APressAnimationHoldsOffOtherButtonsUntilItsButtonGoes)
{
    Button* animated = MakeButton("Credits", 0.0f, {.animator = true});
    Button* other = MakeButton("Other", 5.0f);
    HoverAt(0.0f);
    Click();
    mWorld.Step(); // released over it: the animation plays (and never ends here)
    EXPECT_TRUE(animated->mPressed);
    EXPECT_EQ(gPressedButton, animated);

    HoverAt(5.0f);
    Click();
    EXPECT_FALSE(other->Click);

    gFactory->mDestroySet.insert(animated->GetOwner());
    mWorld.Step();
    EXPECT_EQ(gPressedButton, nullptr);
    Click();
    EXPECT_TRUE(other->Click);
}

TEST_F(Buttons, ALevelFlushForgetsThePressedButton)
{
    Button* animated = MakeButton("Credits", 0.0f, {.animator = true});
    gPressedButton = animated;
    gResourceManager->ResetScripts();
    EXPECT_EQ(gPressedButton, nullptr);
}

// ---- 6. Copies, the credits music, the editor, the inspector ----------------
TEST_F(Buttons, CopiesDoNotJoinTheButtonList)
{
    Button* original = MakeButton("Original", 0.0f);
    const size_t listed = gResourceManager->mButtons.size();
    {
        Button copy(*original);
        EXPECT_EQ(gResourceManager->mButtons.size(), listed);
    }
    EXPECT_EQ(gResourceManager->mButtons.size(), listed); // the copy's end unlists nothing
    EXPECT_NE(std::find(gResourceManager->mButtons.begin(), gResourceManager->mButtons.end(), original),
              gResourceManager->mButtons.end());
}

TEST_F(Buttons, ButtonsInTheCreditsStartTheMenuMusic)
{
    mWorld.SetState(GameState::CREDITS);
    MakeButton("Back", 0.0f);
    EXPECT_TRUE(gAudio->IsMusicPlaying());
}

TEST_F(Buttons, NothingHappensInTheEditor)
{
    Button* button = MakeButton("Edit", 0.0f, {.targetState = GameState::MAIN_MENU});
    mWorld.SetState(GameState::EDITOR);
    gPhysics->SetHoverObject(button->GetOwner());
    mWorld.mInput->Press(Left);
    mWorld.Step();
    EXPECT_FALSE(button->Click);
    EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::EDITOR);
}

TEST_F(Buttons, TheInspectorCopesWithALevelPathLongerThanItsBuffer)
{
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(800.0f, 600.0f);
    io.DeltaTime = 1.0f / 60.0f;
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    Button button;
    button.TargetLevel = std::string(5000, 'x');
    ImGui::NewFrame();
    ImGui::Begin("Inspector");
    button.DrawInspector();
    ImGui::End();
    ImGui::EndFrame();
    ImGui::DestroyContext();
    EXPECT_EQ(button.TargetLevel, std::string(5000, 'x')); // shown cut, not changed
}
