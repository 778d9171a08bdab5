// A prop the player spins with the mouse (tag RotatingObject, a box shape set
// Interactable): it plays "KetchupBobble" when it is grabbed again in an
// orientation more than 5 degrees from where the last grab left it, and when
// it is spun by more than 5 degrees in one frame (after a short delay, at most
// twice a second). The object wants an AudioComponent.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class RotatingScript : public ScriptBase
{
public:
    RotatingScript() : ScriptBase("RotatingScript") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    static constexpr float TurnThreshold = 5.0f;  // degrees
    static constexpr float FirstSpinDelay = 1.0f; // seconds
    static constexpr float SpinRepeatDelay = 0.5f;

    float mGrabRotation = 0.0f;     // degrees at the latest click on it
    float mPrevGrabRotation = 0.0f; // mGrabRotation when the mouse last let go
    float mLastRotation = 0.0f;     // degrees in the previous frame
    bool mGrabbed = false;          // clicked, and the grab sound not yet decided
    float mSpinCooldown = 0.0f;     // seconds until the spin sound
    bool mSpinning = false;         // a fast turn waits for its sound
};
} // namespace Framework
