// A bouncy mushroom (tag Mushroom; the apple's collision rules do the bounce):
// it plays its squash animation for half a second at 15 frames per second when
// the apple touches it and rests on frame 6 otherwise; touching a death object
// puts it back one unit above where it started. Pushed with the mouse, it
// stops sliding sideways once it stands still vertically. The object wants a
// Body with a shape, a Renderer and an Animator.
#pragma once
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Mushroom : public ScriptBase
{
public:
    Mushroom() : ScriptBase("Mushroom") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;

    static constexpr int32_t RestFrame = 6;
    static constexpr int BounceFps = 15;
    static constexpr float BounceTime = 0.5f;  // seconds of squash animation
    static constexpr float RespawnLift = 1.0f; // height above its start it comes back at

    bool mBouncePending = false; // the apple touched it: the squash is due or running
    float mBounceTimer = 0.0f;   // seconds of squash left
    bool mIsShifted = false;     // "IsShifted"; nothing reads it
    Vec3 mStartPosition{0.0f};   // where a death object sends it back
};
} // namespace Framework
