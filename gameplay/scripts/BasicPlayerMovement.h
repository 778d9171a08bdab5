// The menu apple ("BasicPlayerMovement", script 21): a reduced apple for
// scenes without play. It rolls back and forth by itself, turns at walls and
// on rotating objects, hops on jump triggers and cans, and turns away from a
// can the player clicks. No health, keys, animations or level flow.
//
// What the content must give it: a Body with a shape (without a Body it does
// nothing); an AudioComponent for the music "MenuBG" and the wall sound
// "Button_Sound" (without one it is silent).
#pragma once
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Body;
class Composition;

// Seconds since the menu apple last turned at a tile wall or a rotating
// object; separate from the played apple's.
extern float gMenuTurnTimer;

class BasicPlayerMovement : public ScriptBase
{
public:
    BasicPlayerMovement() : ScriptBase("BasicPlayerMovement") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;

    // Moves body through the grid step back against the facing and step up,
    // then adds the hop speed to its velocity y.
    void Move(Body* body, float step);

    bool mPlayerMoving = false;    // shown in the inspector only; the movement ignores it
    bool mPlayerRight = true;      // facing: true = right
    float mPlayerSpeed = 12.0f;    // rolling force
    float mHopSpeed = 10.0f;       // velocity y added by a hop
    bool mContactCooldown = false; // true: a clicked can may turn the apple
    float mContactTimer = -0.1f;
    float mBounceTimer = -0.1f;
    bool mBounceCooldown = false;        // true: a rotating object's bounce was just used
    Composition* mLastContact = nullptr; // compared only, never followed
    bool mSettling = true;               // not yet come to rest since the scene started

private:
    // OnCollision's rules for cans and rotating objects (apple and there are
    // the two objects' positions); OnCan is false when the collision ends there.
    bool OnCan(Composition* other, Body* body, Body* otherBody, const Vec3& apple, const Vec3& there);
    void OnRotatingObject(Body* body, Body* otherBody);
};
} // namespace Framework
