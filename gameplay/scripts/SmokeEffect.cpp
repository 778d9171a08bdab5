#include "gameplay/scripts/SmokeEffect.h"
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropSupport.h"
#include "graphics/Animator.h"

namespace Framework
{
void SmokeEffect::Init(Behaviour* owner)
{
    mPlayer.Set(Props::LastObjectTagged(ObjectTag::Player));
    mAnimator = Props::Part<Animator>(owner);
}

void SmokeEffect::Update(Behaviour* owner, float)
{
    const Composition* player = mPlayer.Get();
    if (!player)
        return;
    Transform* own = Props::Part<Transform>(owner);
    const Transform* apple = player->GetComponent<Transform>();
    if (own && apple)
        own->mPosition = apple->mPosition;
}
} // namespace Framework
