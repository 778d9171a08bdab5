#include "gameplay/scripts/CanScript.h"
#include "core/engine/Message.h"
#include "gameplay/scripts/PropSupport.h"
#include "graphics/Renderer.h"
#include "physics/Body.h"

namespace Framework
{
void CanScript::Init(Behaviour*) { mPassedThrough = false; }

void CanScript::Update(Behaviour* owner, float)
{
    if (Renderer* renderer = Props::Part<Renderer>(owner))
        renderer->mAlpha = 1.0f;
    mPassedThrough = false;
}

void CanScript::OnCollision(CollisionMessage* message, Behaviour* owner)
{
    const Composition* other = message ? message->mOther : nullptr;
    if (!other || !gPhysics)
        return;
    const Body* can = Props::Part<Body>(owner);
    const Body* theirs = other->GetComponent<Body>();
    if (other->mTag == ObjectTag::RotatingObject)
    {
        if (gPhysics->RemoveContactRecords(can, theirs, false) > 0)
            mPassedThrough = true;
        if (gPhysics->RemoveContactRecords(theirs, can, false) > 0)
            mPassedThrough = true;
    }
    else if (other->mTag == ObjectTag::JumpTrigger)
    {
        gPhysics->RemoveContactRecords(can, theirs, false);
        gPhysics->RemoveContactRecords(theirs, can, true);
    }
}
} // namespace Framework
