// A pushable crate: the first time the apple touches it, it plays its
// animation once (0.15 s at 16 frames per second) and then rests on frame 1.
// Pushed with the mouse, it stops sliding sideways once it stands still
// vertically. The object wants a Body with a shape, a Renderer and an Animator.
#pragma once
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class MoveableRect : public ScriptBase
{
public:
    MoveableRect() : ScriptBase("MoveableRect") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;

    static constexpr int32_t DoneFrame = 1;
    static constexpr int AnimationFps = 16;
    static constexpr float AnimationTime = 0.15f;

    Vec3 mStartPosition{0.0f}; // the Transform position at Init
    bool mAnimPending = false; // the apple touched it: the animation is due or running
    float mAnimTimer = 0.0f;   // seconds of animation left
    bool mAnimPlayed = false;  // the one animation of the level is over
};
} // namespace Framework
