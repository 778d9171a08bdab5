#include "gameplay/scripts/RoachTop.h"
#include <imgui.h>
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropSupport.h"

namespace Framework
{
void RoachTop::Init(Behaviour*) { mRoach.Set(Props::LastObjectTagged(ObjectTag::Roach)); }

void RoachTop::Update(Behaviour* owner, float)
{
    // The roach may have left the level since Init (an editor delete).
    const Composition* ridden = mRoach.Get();
    if (!ridden)
        return;
    Transform* own = Props::Part<Transform>(owner);
    const Transform* roach = ridden->GetComponent<Transform>();
    if (!own || !roach)
        return;
    own->mPosition = Vec3(roach->mPosition.x, roach->mPosition.y + RideHeight, own->mPosition.z);
}

void RoachTop::OnCollision(CollisionMessage* message, Behaviour*)
{
    if (message && message->mOther && message->mOther->mTag == ObjectTag::Can)
        mCanColliding = true;
}

void RoachTop::DrawInspector() { ImGui::Checkbox("CanColliding", &mCanColliding); }
} // namespace Framework
