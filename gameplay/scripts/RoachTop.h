// A rider on a roach: keeps its object 0.2 units above the roach (the last
// object tagged Roach loaded before it, so it must follow its roach in the
// level file) and records whether a can has touched it. Without a roach it
// does nothing.
#pragma once
#include <cstdint>
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

    Composition* mRoach = nullptr; // the roach ridden; not owned, null without one
    uint32_t mRoachId = 0;         // its object id, to tell whether it is still live
    bool mCanColliding = false;    // "CanColliding": a can touched it; never cleared
};
} // namespace Framework
