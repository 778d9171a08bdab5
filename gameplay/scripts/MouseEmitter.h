// A particle emitter that follows the mouse and bursts 100 particles on a left
// click (not on a click on an interactable body). The object named
// "InteractablesEmitter" instead marks what the player grabs: a click on an
// interactable body switches it on (20 particles) and pins it to that body;
// letting go, or the mouse over no body, switches it off. The object wants a
// ParticleComponent.
#pragma once
#include <cstdint>
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Body;

class MouseEmitter : public ScriptBase
{
public:
    MouseEmitter() : ScriptBase("MouseEmitter") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    static constexpr int ClickBurst = 100;
    static constexpr int GrabBurst = 20;

    Body* mHeldBody = nullptr; // the grabbed body; not owned, followed only while it is live
    bool mHolding = false;     // a body was grabbed
};
} // namespace Framework
