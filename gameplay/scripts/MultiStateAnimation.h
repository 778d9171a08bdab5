// An object with several animation states (0, 1, 2): it remembers its
// Renderer and Animator for whoever switches its state; it does nothing by
// itself each frame.
#pragma once
#include <cstdint>
#include <vector>
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Animator;
class Renderer;

class MultiStateAnimation : public ScriptBase
{
public:
    // Named by the script counter: the script table gives it no name of its own.
    MultiStateAnimation() = default;

    void Init(Behaviour* owner) override;

    Renderer* mRenderer = nullptr; // its own, or null
    Animator* mAnimator = nullptr; // its own, or null
    std::vector<uint32_t> mStates; // the states it knows
};
} // namespace Framework
