// A rider on a roach: keeps its object 0.2 units above the roach (the last
// object tagged Roach loaded before it, so it must follow its roach in the
// level file) and records whether a can has touched it. Without a roach it
// does nothing.
#pragma once
#include <cstdint>
#include "core/objects/ObjectHandle.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Composition;

class RoachTop : public ScriptBase
{
public:
    RoachTop() : ScriptBase("RoachTop") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;

    static constexpr float RideHeight = 0.2f;

    ObjectHandle mRoach;        // the roach ridden; null without one or once it is gone
    bool mCanColliding = false; // "CanColliding": a can touched it; never cleared
};
} // namespace Framework
