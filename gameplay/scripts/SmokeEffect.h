// Keeps its object (a smoke effect) on the apple: the last object tagged
// Player loaded before it, so the apple must come first in the level file.
#pragma once
#include <cstdint>
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Animator;
class Composition;

class SmokeEffect : public ScriptBase
{
public:
    SmokeEffect() : ScriptBase("SmokeEffect") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    Animator* mAnimator = nullptr;  // its own Animator, or null
    Composition* mPlayer = nullptr; // the apple; not owned, null when there is none
    uint32_t mPlayerId = 0;         // its id, to tell whether it is still live
};
} // namespace Framework
