#include "gameplay/scripts/RoachTop.h"
#include <imgui.h>
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropSupport.h"

namespace Framework
{
void RoachTop::Init(Behaviour*)
{
    mRoach = Props::LastObjectTagged(ObjectTag::Roach);
    mRoachId = mRoach ? mRoach->mId : 0;
}

void RoachTop::Update(Behaviour* owner, float)
{
    // The roach may have left the level since Init: ids are never reused, so
    // its id still finds it exactly while it is live.
    if (!mRoach || !gFactory)
        return;
    const auto found = gFactory->mObjects.find(mRoachId);
    if (found == gFactory->mObjects.end() || found->second != mRoach)
        return;
    Transform* own = Props::Part<Transform>(owner);
    const Transform* roach = mRoach->GetComponent<Transform>();
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
