// A rat (tag Rat): runs toward a point five units behind the apple (behind:
// opposite the way the apple faces), stops at tile walls, jumps over what
// stands in front of it, and turns away from an interactable object dragged
// at it with the mouse. Now and then it squeaks ("MiceSound") while the
// interface level is loaded. The object wants a Body with a shape, a Renderer
// (InvertX faces it right), an Animator with the animation "New_Rat" and an
// AudioComponent. Rats on floor switches (SwitchScript) turn them on.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class RatScript : public ScriptBase
{
public:
    // Named by the script counter: the script table gives it no name of its own.
    RatScript() = default;

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;

    static constexpr float RunSpeed = 3.0f;
    static constexpr float TurnDelay = 0.5f;      // seconds between two choices of heading
    static constexpr float FollowDistance = 5.0f; // how far behind the apple it aims
    static constexpr float JumpSpeed = 15.0f;
    static constexpr int32_t StartFrame = 6; // first frame of "New_Rat"

    bool mRight = false; // "RatRight": heading right
    float mSpeed = 0.0f;
    bool mMoving = false;       // "RatMoving": false stops it for one frame
    float mTurnTimer = 0.0f;    // seconds since the last choice of heading
    bool mHoldHeading = false;  // a dragged object turned it this step: keep that heading
    bool mBlockedRight = false; // the heading in which it last met a tile wall
};
} // namespace Framework
