// Story screen: the picture's fade and the hand-over to the first level.
#include "gameplay/scripts/StoryScript.h"
#include <algorithm>
#include "core/objects/Composition.h"
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "gameplay/Behaviour.h"
#include "graphics/Renderer.h"

namespace Framework
{
float StoryScript::sAlpha = 0.0f;

void StoryScript::Init(Behaviour*)
{
    mTime = 0.0f;
    // A story skipped at full picture would otherwise open the next time without its fade-in.
    sAlpha = 0.0f;
}

void StoryScript::Update(Behaviour* owner, float dt)
{
    mTime += dt;
    const float t = mTime;
    if (t >= 0.0f && t < End)
    {
        if (t < FadeInEnd)
            sAlpha = std::min(sAlpha + dt * FadeRate, 1.0f);
        else if (t > FadeOutStart)
            sAlpha = std::max(sAlpha - dt * FadeRate, 0.0f);
        Composition* object = owner ? owner->GetOwner() : nullptr;
        if (Renderer* renderer = object ? object->GetComponent<Renderer>() : nullptr)
            renderer->mAlpha = sAlpha;
    }

    const bool skipped = gInput && gInput->mState.IsTriggered(SpaceKey);
    if ((t >= End || skipped) && gLogic)
    {
        gLogic->mState.mNext = GameState::LEVEL;
        gLogic->mState.SetNextLevel(gLogic->mState.mFirstLevelPath);
    }
}
} // namespace Framework
