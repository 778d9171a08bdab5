#include "gameplay/scripts/Mushroom.h"
#include <imgui.h>
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropSupport.h"
#include "gameplay/scripts/PropMotion.h"
#include "graphics/Animator.h"
#include "graphics/Renderer.h"
#include "physics/Body.h"

namespace Framework
{
void Mushroom::Init(Behaviour* owner)
{
    mIsShifted = false;
    const Transform* transform = Props::Part<Transform>(owner);
    mStartPosition = transform ? transform->mPosition : Vec3(0.0f);
    mStartPosition.y += RespawnLift;
    mBounceTimer = BounceTime;
    if (Animator* animator = Props::Part<Animator>(owner))
    {
        if (Renderer* renderer = Props::Part<Renderer>(owner))
            renderer->mIndex = RestFrame;
        Props::StopAnimator(*animator);
    }
}

void Mushroom::Update(Behaviour* owner, float dt)
{
    Body* body = Props::Part<Body>(owner);
    // Settled vertically and not dragged: it must not keep sliding.
    if (body && body->mVelocity.y > -0.05f && body->mVelocity.y < 0.0f && !Props::Held(VK_LBUTTON))
        body->mVelocity.x = 0.0f;
    if (Props::Hovered(Props::ObjectOf(owner)) && Props::Held(VK_LBUTTON))
        return;

    Animator* animator = Props::Part<Animator>(owner);
    if (!mBouncePending || !animator)
        return;
    if (mBounceTimer > 0.0f)
    {
        Props::RunAnimator(*animator, BounceFps);
        mBounceTimer -= dt;
        return;
    }
    Props::StopAnimator(*animator);
    mBounceTimer = BounceTime;
    if (Renderer* renderer = Props::Part<Renderer>(owner))
        renderer->mIndex = RestFrame;
    mBouncePending = false;
}

void Mushroom::OnCollision(CollisionMessage* message, Behaviour* owner)
{
    const Composition* other = message ? message->mOther : nullptr;
    if (!other)
        return;
    if (other->mTag == ObjectTag::DeathObject)
        Props::MoveObjectTo(Props::ObjectOf(owner), mStartPosition);
    else if (other->mTag == ObjectTag::Player)
        mBouncePending = true;
}

void Mushroom::DrawInspector() { ImGui::Checkbox("IsShifted", &mIsShifted); }
} // namespace Framework
