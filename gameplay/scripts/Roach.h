// A roach (tag Roach): walks left and right at a fixed speed, turns at tile
// walls and at walls, rotating objects, roaches and rats it meets, pauses while
// a can or mushroom stands on it, passes through checkpoints, and now and then
// makes its walking sound ("RoachWalk") while the interface level is loaded.
// The object wants a Body with a shape, a Renderer (the sprite faces left;
// InvertX turns it right) and an AudioComponent.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Body;

class Roach : public ScriptBase
{
public:
    // Named by the script counter: the script table gives it no name of its own.
    Roach() = default;

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;

    static constexpr float WalkSpeed = 3.0f;
    // Two turns need at least this many seconds between them, so a wall met
    // on consecutive frames turns the roach once.
    static constexpr float TurnDelay = 0.5f;
    // How far a roach steps away from what it bumped into.
    static constexpr float BumpStep = 0.03f;

    bool mRight = false; // "RoachRight": heading right
    float mSpeed = 0.0f;
    bool mMoving = false;    // "RoachMoving": false pauses it for one frame
    float mTurnTimer = 0.0f; // seconds since the last turn

private:
    void Reverse() { mRight = !mRight; }
};

// Moves body by dx along x (and between grid cells as it goes).
void NudgeBody(Body* body, float dx);
} // namespace Framework
