// A can (tag Can or FrozenCan) that rolls through rotating objects and jump
// triggers: it takes their contact records out of the physics step before the
// step resolves them, so it neither bounces off nor pushes them. It also keeps
// its picture fully opaque. The object wants a Body with a shape.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class CanScript : public ScriptBase
{
public:
    CanScript() : ScriptBase("CanScript") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;
    // Nothing to edit: the inspector shows nothing for a can.
    void DrawInspector() override {}

    bool mPassedThrough = false; // a contact with a rotating object was removed since the last Update
};
} // namespace Framework
