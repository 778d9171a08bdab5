#include "gameplay/scripts/SmokeEffect.h"
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropSupport.h"
#include "graphics/Animator.h"

namespace Framework
{
void SmokeEffect::Init(Behaviour* owner)
{
    mPlayer = Props::LastObjectTagged(ObjectTag::Player);
    mPlayerId = mPlayer ? mPlayer->mId : 0;
    mAnimator = Props::Part<Animator>(owner);
}

void SmokeEffect::Update(Behaviour* owner, float)
{
    if (!Props::IsLive(mPlayer, mPlayerId))
        return;
    Transform* own = Props::Part<Transform>(owner);
    const Transform* apple = mPlayer->GetComponent<Transform>();
    if (own && apple)
        own->mPosition = apple->mPosition;
}
} // namespace Framework
