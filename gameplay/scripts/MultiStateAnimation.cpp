#include "gameplay/scripts/MultiStateAnimation.h"
#include "gameplay/scripts/PropSupport.h"
#include "graphics/Animator.h"
#include "graphics/Renderer.h"

namespace Framework
{
void MultiStateAnimation::Init(Behaviour* owner)
{
    for (uint32_t state : {0u, 1u, 2u})
        mStates.push_back(state);
    mRenderer = Props::Part<Renderer>(owner);
    mAnimator = Props::Part<Animator>(owner);
}
} // namespace Framework
