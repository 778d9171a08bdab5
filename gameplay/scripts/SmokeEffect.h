// Keeps its object (a smoke effect) on the apple: the last object tagged
// Player loaded before it, so the apple must come first in the level file.
#pragma once
#include <cstdint>
#include "core/objects/ObjectHandle.h"
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

    Animator* mAnimator = nullptr; // its own Animator, or null
    ObjectHandle mPlayer;          // the apple; null when there is none or it is gone
};
} // namespace Framework
