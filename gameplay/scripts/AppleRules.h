// Rules both apples share, the played one (Player) and the menu one
// (BasicPlayerMovement): how a rotating object's angle moves or turns the
// apple, the mouse click on an obstacle, and small hops through the grid.
#pragma once
#include <cstdint>
#include <string>
#include "core/math/MathTypes.h"

namespace Framework
{
class Body;
class Composition;

// What touching a rotating object does to the apple.
struct RotatingAction
{
    enum Kind
    {
        Nothing,
        SetVelocityX, // roll along the tilted object at mVelocityX
        BounceTurn,   // a turn guarded by the bounce cooldown, with mSound
        TimedTurn,    // a turn guarded by the turn timer
    };
    Kind mKind = Nothing;
    float mVelocityX = 0.0f;
    std::string mSound; // for BounceTurn
};

// The rule for a rotating object at orientation radians, for an apple facing
// right or left. Interval ends are exclusive.
RotatingAction DecideRotating(float orientation, bool facingRight);

// The left mouse button is down now and was in the previous frame.
bool IsLeftButtonHeld();
// The object is the one under the mouse, and the left button is held or
// was let go in this frame.
bool IsClickedOn(const Composition* object);
// Moves body through the grid by step back against its facing and step up
// (a hop off a trigger or a can).
void HopBack(Body* body, bool facingRight, float step);
// Moves body through the grid by dx along x.
void NudgeX(Body* body, float dx);
// Counts down the apple's contact and bounce cooldowns by dt.
void StepAppleCooldowns(bool& contactCooldown, float& contactTimer, bool& bounceCooldown, float& bounceTimer, float dt);
} // namespace Framework
