#include "gameplay/Button.h"
#include <cstring>
#include <imgui.h>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/window/InputSys.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "gameplay/ResourceManager.h"
#include "graphics/Animator.h"
#include "graphics/Renderer.h"
#include "graphics/SpriteSheet.h"
#include "physics/Physics.h"

namespace Framework
{
Button* gPressedButton = nullptr;

namespace
{
constexpr int LeftButton = 1; // virtual key of the left mouse button
constexpr size_t LevelEditBufferSize = 1024;

bool IsLeafButton(const Composition* owner) { return owner && owner->mTag == ObjectTag::ButtonLeaf; }

Renderer* FindRenderer(Composition* owner) { return owner ? owner->GetComponent<Renderer>() : nullptr; }
Animator* FindAnimator(Composition* owner) { return owner ? owner->GetComponent<Animator>() : nullptr; }
uint32_t GetFrame(const Renderer* renderer) { return static_cast<uint32_t>(renderer->mIndex); }
void SetFrame(Renderer* renderer, uint32_t frame) { renderer->mIndex = static_cast<int32_t>(frame); }
// Frames of the Renderer's sheet, 0 without one.
size_t FrameCount(const Renderer* renderer)
{
    return renderer && renderer->mSpriteSheet ? renderer->mSpriteSheet->mFrames.size() : 0;
}
} // namespace

Button::Button()
{
    if (gResourceManager)
        gResourceManager->AddButton(this);
}

Button::~Button()
{
    if (gResourceManager)
        gResourceManager->RemoveButton(this);
    if (gPressedButton == this)
        gPressedButton = nullptr;
}

void Button::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("Button");
    serializer.PushElement("TargetState");
    serializer.SetAttribute("Value", TargetState);
    serializer.PopElement();
    serializer.PopElement();
}

void Button::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("Button");
    serializer.WriteUnsigned(TargetState);
}

void Button::UnserializeXml(XmlSerializer& serializer)
{
    int value = static_cast<int>(TargetState); // a missing attribute keeps it
    serializer.ReadInt(value);
    TargetState = static_cast<uint32_t>(value);
}

void Button::UnserializeText(TextSerializer& serializer) { serializer.ReadUnsigned(TargetState); }

void Button::Initialize()
{
    Composition* owner = GetOwner();
    mRenderer = FindRenderer(owner);
    mFrame = mRenderer ? GetFrame(mRenderer) : 0;
    mHoverSounded = false;
    if (AudioComponent* audio = owner ? owner->GetComponent<AudioComponent>() : nullptr)
    {
        audio->SetKey("ButtonClickLeaf");
        if (gLogic && gLogic->mState.mCurrent == GameState::CREDITS && gAudio)
            gAudio->PlayMusic("MainMenu_Background_Music");
    }
    mStartFrame = mFrame;
}

void Button::DrawInspector()
{
    ImGui::Checkbox("Active", &Active);
    ImGui::Checkbox("Hover", &Hover);
    ImGui::Checkbox("Click", &Click);
    int state = static_cast<int>(TargetState);
    if (ImGui::Combo("State", &state, gGameStateNames, GameState::Count, 3))
        TargetState = static_cast<uint32_t>(state);
    char buffer[LevelEditBufferSize] = {};
    // Bounded copy; a longer path shows cut and is replaced only when edited.
    std::strncpy(buffer, TargetLevel.c_str(), sizeof(buffer) - 1);
    if (ImGui::InputText("##TargetLevel", buffer, sizeof(buffer)) && TargetLevel != buffer)
        TargetLevel = buffer;
}

// Under the mouse: a release with an Animator plays the press; a new press
// clicks (unless another button's press animation runs); otherwise the hover
// frame, and the hover sound once per hover.
void Button::UpdateHovered(Composition* owner, AudioComponent* audio, Animator* animator, Renderer* renderer)
{
    const InputState* input = gInput ? &gInput->mState : nullptr;
    const bool released = input && !input->mCurrentKeys[LeftButton] && input->mPreviousKeys[LeftButton];
    const bool pressed = input && input->IsTriggered(LeftButton);
    if (animator && released)
    {
        mPressed = true;
        animator->mPlaying = true;
        if (!gPressedButton)
            gPressedButton = this;
    }
    else if (pressed)
    {
        if (renderer && !mPressed)
            SetFrame(renderer, mFrame);
        if (!gPressedButton || gPressedButton == this)
        {
            Click = true;
            if (audio)
                audio->PlaySound(IsLeafButton(owner) ? "ButtonClickLeaf" : "ButtonClick");
        }
    }
    else
    {
        if (renderer && !mPressed)
        {
            if (FrameCount(renderer) > mFrame + 1 && (!animator || !animator->mPlaying))
                SetFrame(renderer, mFrame + 1);
            Click = false;
        }
        if (!mHoverSounded)
        {
            if (audio)
                audio->PlaySound(IsLeafButton(owner) ? "ButtonHoverLeaf" : "ButtonHover");
            mHoverSounded = true;
        }
    }
    Hover = true;
}

void Button::Update()
{
    Composition* owner = GetOwner();
    if (!owner)
        return;
    AudioComponent* audio = owner->GetComponent<AudioComponent>();
    Animator* animator = FindAnimator(owner);
    Renderer* renderer = FindRenderer(owner);
    const uint32_t unlocked = gLogic ? gLogic->mUnlockedCount : 0;
    const std::string& name = owner->mName;

    // 1. Level picks: locked ones show their locked frame and take no input.
    // Named "Level" k "Pick" with k from 1 to the play-level count; the name is
    // read in place, since every button runs this every frame.
    static_assert(PlayLevelCount <= 9, "level picks are named with one digit");
    if (name.size() == 10 && name.compare(0, 5, "Level") == 0 && name.compare(6, 4, "Pick") == 0 && name[5] >= '1' &&
        name[5] <= '0' + PlayLevelCount)
    {
        const uint32_t k = static_cast<uint32_t>(name[5] - '0');
        if (k >= 2 && unlocked < k)
        {
            if (renderer)
                SetFrame(renderer, mFrame + 2);
            return;
        }
        const std::string& level = LevelPath(static_cast<int>(k));
        if (TargetLevel != level)
            TargetLevel = level;
    }

    // 2. Level-pick frames follow the level map: open, or won.
    if (name.size() >= 7 && name[0] == 'L' && name[6] == 'P')
    {
        const bool won = gLogic && gLogic->mUnlockedLevels[TargetLevel];
        mFrame = mStartFrame + 3 + 2 * (won ? 1 : 0);
    }

    // 3-5. Hover and press.
    if (gPhysics && gPhysics->HoverObject() == owner)
        UpdateHovered(owner, audio, animator, renderer);
    else
    {
        if (renderer && !mPressed)
            SetFrame(renderer, mFrame);
        Hover = false;
        Click = false;
        mHoverSounded = false;
    }

    // 6. A click with a real target state switches the game.
    if (Click && TargetState >= 1 && TargetState <= 11 && gLogic)
    {
        if (gAudio)
            gAudio->StopMusic();
        gLogic->mState.mNext = TargetState;
        gLogic->mState.SetNextLevel(TargetLevel);
        gPressedButton = nullptr;
    }

    // 7. The press animation is over.
    if (animator && !animator->mPlaying)
    {
        mPressed = false;
        if (gPressedButton == this)
            gPressedButton = nullptr;
    }
}
} // namespace Framework
