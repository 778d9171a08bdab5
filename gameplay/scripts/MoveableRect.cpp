#include "gameplay/scripts/MoveableRect.h"
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropMotion.h"
#include "gameplay/scripts/PropSupport.h"
#include "graphics/Renderer.h"
#include "physics/Body.h"

namespace Framework
{
void MoveableRect::Init(Behaviour* owner)
{
    const Transform* transform = Props::Part<Transform>(owner);
    mStartPosition = transform ? transform->mPosition : Vec3(0.0f);
    mAnimTimer = AnimationTime;
    mAnimPending = false;
    mAnimPlayed = false;
    if (Animator* animator = Props::Part<Animator>(owner))
        Props::StopAnimator(*animator);
}

void MoveableRect::Update(Behaviour* owner, float dt)
{
    Body* body = Props::Part<Body>(owner);
    // Settled vertically and not dragged: it must not keep sliding.
    if (body && body->mVelocity.y > -0.05f && body->mVelocity.y < 0.05f && !Props::Held(VK_LBUTTON))
        body->mVelocity.x = 0.0f;

    Animator* animator = Props::Part<Animator>(owner);
    if (!mAnimPending || mAnimPlayed || !animator)
        return;
    if (mAnimTimer > 0.0f)
    {
        Props::RunAnimator(*animator, AnimationFps);
        mAnimTimer -= dt;
        return;
    }
    Props::StopAnimator(*animator);
    mAnimTimer = AnimationTime;
    if (Renderer* renderer = Props::Part<Renderer>(owner))
        renderer->mIndex = DoneFrame;
    mAnimPending = false;
    mAnimPlayed = true;
}

void MoveableRect::OnCollision(CollisionMessage* message, Behaviour*)
{
    if (message && message->mOther && message->mOther->mTag == ObjectTag::Player)
        mAnimPending = true;
}
} // namespace Framework
