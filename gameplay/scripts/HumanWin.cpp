#include "gameplay/scripts/HumanWin.h"
#include <imgui.h>
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "graphics/Renderer.h"

namespace Framework
{
void HumanWin::Init(Behaviour*)
{
    mWalking = false;
    mGoal.Set(gFactory ? gFactory->FindObject("END") : nullptr);
    mOffsetFromGoal = Vec2(-3.0f, 0.0f);
    mWalkSpeed = 5.0f;
    mWaitTime = 1.0f;
    mSwapSprite = false;
    mFinished = false;
}

void HumanWin::Update(Behaviour* owner, float dt)
{
    if (!mWalking)
        return;
    Composition* self = owner ? owner->GetOwner() : nullptr;
    if (!self)
        return;
    Renderer* renderer = self->GetComponent<Renderer>();
    if (renderer)
        renderer->mAlpha = 1.0f;

    Transform* transform = self->GetComponent<Transform>();
    Composition* goal = mGoal.Get();
    const Transform* goalTransform = goal ? goal->GetComponent<Transform>() : nullptr;
    // Without a basket there is nowhere to walk; the interface's closing fade still ends the level.
    if (transform && goalTransform)
    {
        float& x = transform->mPosition.x;
        const float g = goalTransform->mPosition.x;
        if (g + mOffsetFromGoal.x > x)
            x += dt * mWalkSpeed;
        else if (x > g + WalkPastGoal)
        {
            mWalking = false;
            mFinished = true;
        }
        else
        {
            mWaitTime -= dt;
            if (mWaitTime < 0.0f)
            {
                if (Renderer* basket = goal->GetComponent<Renderer>())
                    basket->mAlpha = 0.0f;
                x += dt * mWalkSpeed;
                mSwapSprite = true;
            }
        }
    }

    if (mSwapSprite)
    {
        if (renderer)
            renderer->SetSpriteSheet(BasketSheet);
        mSwapSprite = false;
    }
}

void HumanWin::DrawInspector() { ImGui::DragFloat2("OffSetFromGoal", &mOffsetFromGoal.x, 1.0f); }

void HumanWin::OnWin(WinMessage*, Behaviour*) { mWalking = true; }
} // namespace Framework
