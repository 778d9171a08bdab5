// GameLogic's frame: keyboard controllers, the camera, the global function
// keys, picking and dragging bodies with the mouse, and the cursor sprite.
#include "game/GameFrame.h"
#include "core/engine/CoreEngine.h"
#include "core/objects/Composition.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/window/InputSys.h"
#include "core/window/WindowSystem.h"
#include "gameplay/Controller.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/SpriteSheet.h"
#include "physics/Physics.h"
#include "core/engine/Message.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
constexpr int LeftButton = 1; // virtual keys of the mouse buttons
constexpr int MiddleButton = 4;
constexpr int KeyA = 'A';

// The plain frame of the "MouseCursor" sheet (1 over a pickable object, 5 dragging).
constexpr uint32_t CursorPlain = 0;
constexpr uint32_t CursorPoint = 1; // over what a click reaches

bool IsCursorHidden(const std::string& level)
{
    // The two ending levels draw their own pointer.
    return IsScrollingLevel(level) || IsEndingLevel(level);
}
} // namespace

void GameFrame::Update(float dt)
{
    GameLogic& logic = *this;
    logic.mCursorKind = CursorPlain;

    // Index walk: a controller's push may not add controllers, but stay safe.
    for (size_t i = 0; i < logic.mControllers.size(); ++i)
        logic.mControllers[i]->Update();

    if (gGraphicsSystem)
        if (Camera* camera = gGraphicsSystem->GetActiveCamera())
            camera->Update(dt); // F3 toggles its editor controls

    if (!gInput)
        return;
    const InputState& input = gInput->mState;
    if (input.IsTriggered(VK_F5))
        logic.mState.mNext = GameState::EDITOR;
    if (input.IsTriggered(VK_F6))
        logic.mState.mNext = GameState::MAIN_MENU;
    if (input.IsTriggered(VK_F11) && gWindowSystem)
        gWindowSystem->ToggleFullScreen();
    if (input.IsTriggered(KeyA) && !logic.mCameraOnKeys)
        logic.mUnlockedCount = PlayLevelCount; // every level open to the level buttons; the map is untouched

    if (logic.mState.mCurrent != GameState::EDITOR)
        UpdateMouse(input);

    if (logic.mState.mCurrent != GameState::EDITOR && !IsCursorHidden(logic.mState.mLoadedLevelPath))
        DrawCursor(input);
}

void GameFrame::SendMessage(Message* message)
{
    if (message->mMessageId != MessageId::Window)
        return;
    const auto* window = static_cast<WindowMessage*>(message);
    const bool focusLost =
        (window->mMessage == WM_ACTIVATE || window->mMessage == WM_ACTIVATEAPP) && window->mWParam == 0;
    if (!focusLost || mState.mCurrent != GameState::LEVEL)
        return;
    if (gCore)
        gCore->SetPause(true);
}

void GameFrame::UpdateMouse(const InputState& input)
{
    if (!gPhysics)
        return;
    Physics& physics = *gPhysics;
    if (input.IsTriggered(MiddleButton))
        physics.mFastMode = !physics.mFastMode;
    if (!input.mCurrentKeys[LeftButton] && input.mPreviousKeys[LeftButton])
    {
        physics.SetHoverObject(nullptr);
        physics.mDragging = false;
    }
    const Vec3 mouse(input.GetMouseWorldX(), input.GetMouseWorldY(), 0.0f);
    if (!physics.HoverObject() || !input.IsHeld(LeftButton))
    {
        physics.SetHoverObject(physics.PickObject(mouse));
        // Anything in the menu is a button; in a level only props answer a click.
        const uint32_t state = mState.mCurrent;
        if ((state == GameState::MAIN_MENU && physics.mPickHitAny) ||
            (state == GameState::LEVEL && physics.mPickHitInteractable))
            mCursorKind = CursorPoint;
        physics.mLastMousePosition = mouse;
        return;
    }
    DragHeldObject(mouse);
}

void GameFrame::DrawCursor(const InputState& input)
{
    if (!gGraphicsSystem)
        return;
    const SpriteSheet* sheet = GraphicsSystem::GetSpriteSheet("MouseCursor");
    // A sheet with too few frames draws nothing rather than reading past its end.
    if (!sheet || mCursorKind >= sheet->mFrames.size())
        return;
    const Vec3 position(input.GetMouseWorldX() + 0.1f, input.GetMouseWorldY() - 0.2f, 10.0f);
    const float scale[2] = {0.5f, 0.5f};
    gGraphicsSystem->DrawSprite(sheet->mFrames[mCursorKind], position, scale, 0.0f, Color(1.0f), "Test", false, false);
}
} // namespace Framework
