#include "gameplay/scripts/MouseEmitter.h"
#include <algorithm>
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropSupport.h"
#include "graphics/ParticleComponent.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"

namespace Framework
{
namespace
{
// Whether body is still one of the level's bodies (it may have been deleted since the grab).
bool IsLiveBody(const Body* body)
{
    return body && gPhysics &&
           std::find(gPhysics->mActiveBodies.begin(), gPhysics->mActiveBodies.end(), body) !=
               gPhysics->mActiveBodies.end();
}
} // namespace

void MouseEmitter::Init(Behaviour*)
{
    mHolding = false;
    mHeldBody = nullptr;
}

void MouseEmitter::Update(Behaviour* owner, float)
{
    ParticleComponent* particles = Props::Part<ParticleComponent>(owner);
    ParticleEmitter* emitter = particles ? particles->mEmitter : nullptr;
    const Composition* object = Props::ObjectOf(owner);
    if (!emitter || !object)
        return;

    if (mHolding && IsLiveBody(mHeldBody))
    {
        const Vec3 offset = mHeldBody->mShape ? mHeldBody->mShape->Offset : Vec3(0.0f);
        emitter->mPosition =
            Vec3(mHeldBody->mPosition.x + offset.x, mHeldBody->mPosition.y + offset.y, mHeldBody->mPosition.z);
    }
    else if (gInput)
    {
        const Transform* transform = object->GetComponent<Transform>();
        emitter->mPosition = Vec3(gInput->mState.GetMouseWorldX(), gInput->mState.GetMouseWorldY(),
                                  transform ? transform->mPosition.z : emitter->mPosition.z);
    }

    const Composition* hovered = gPhysics ? gPhysics->HoverObject() : nullptr;
    Body* hoveredBody = hovered ? hovered->GetComponent<Body>() : nullptr;
    if (object->mName != "InteractablesEmitter")
    {
        if (!Props::Triggered(VK_LBUTTON))
            emitter->mBurstAmount = 0;
        else if (!(hoveredBody && hoveredBody->mInteractable))
            emitter->mBurstAmount = ClickBurst;
        return;
    }

    if (!hoveredBody)
    {
        emitter->mActivate = false;
        emitter->mBurstAmount = 0;
        return;
    }
    if (Props::Triggered(VK_LBUTTON) && hoveredBody->mInteractable)
    {
        mHolding = true;
        mHeldBody = hoveredBody;
        emitter->mBurstAmount = GrabBurst;
        emitter->mActivate = true;
    }
    else if (Props::Released(VK_LBUTTON))
    {
        emitter->mActivate = false;
        emitter->mBurstAmount = 0;
    }
}
} // namespace Framework
