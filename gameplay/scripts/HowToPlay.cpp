#include "gameplay/scripts/HowToPlay.h"
#include "core/objects/Composition.h"
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/Button.h"
#include "graphics/Camera.h"
#include "graphics/Renderer.h"

namespace Framework
{
void HowToPlay::Update(Behaviour* owner, float)
{
    Composition* self = owner ? owner->GetOwner() : nullptr;
    if (!self)
        return;
    if (mInstruction.Empty())
    {
        Composition* instruction = LastObjectTagged(ObjectTag::HowToPlayInstruction);
        mInstruction.Set(instruction);
        if (const Transform* transform = instruction ? instruction->GetComponent<Transform>() : nullptr)
            mInstructionHome = transform->mPosition;
        mShowing = false;
    }

    const Camera* camera = ActiveCamera();
    const Vec3 cameraPosition = camera ? camera->Position : Vec3(0.0f);
    mHiddenPosition = Vec3(cameraPosition.x + HiddenDistance, cameraPosition.y + HiddenDistance, 0.0f);

    const uint32_t state = CurrentGameState();
    Composition* instruction = mInstruction.Get();
    if (state == GameState::MAIN_MENU && instruction)
        if (const Button* button = self->GetComponent<Button>(); button && button->Click)
            mShowing = true;
    if (state == GameState::LEVEL)
        PlaceObject(self, mHiddenPosition);

    if (instruction)
    {
        Renderer* renderer = instruction->GetComponent<Renderer>();
        if (mShowing)
        {
            if (state == GameState::LEVEL)
                PlaceObject(instruction, cameraPosition);
            else if (state == GameState::MAIN_MENU)
                PlaceObject(instruction, mInstructionHome);
            if (LeftClicked())
                mShowing = false;
            if (renderer)
                renderer->mAlpha = 1.0f;
        }
        else
        {
            PlaceObject(instruction, mHiddenPosition);
            if (renderer)
                renderer->mAlpha = 0.0f;
        }
    }

    if (GamePaused() && state == GameState::LEVEL)
    {
        PlaceObject(self, Vec3(cameraPosition.x, cameraPosition.y, 0.0f));
        if (LeftClicked() && gInput &&
            PointInObjectBox(self, gInput->mState.GetMouseWorldX(), gInput->mState.GetMouseWorldY()))
            mShowing = true;
    }
}
} // namespace Framework
