#include "gameplay/scripts/AppleRules.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"
#include "physics/Body.h"
#include "physics/Physics.h"

namespace Framework
{
namespace
{
bool Inside(float value, float low, float high) { return value > low && value < high; }
// The speed along a tilted object: the tilt over this scale gives the factor.
constexpr float TiltSpeed = -3.0f;
} // namespace

RotatingAction DecideRotating(float o, bool facingRight)
{
    RotatingAction action;
    if (Inside(o, 1.0f, 2.5f))
    {
        if (!facingRight)
        {
            action.mKind = RotatingAction::SetVelocityX;
            action.mVelocityX = (o / 1.5f) * TiltSpeed;
        }
        else if (o < 1.5f)
        {
            action.mKind = RotatingAction::BounceTurn;
            action.mSound = "Button_Sound";
        }
        return action;
    }
    if (facingRight && Inside(o, -1.6f, -0.8f))
    {
        action.mKind = RotatingAction::SetVelocityX;
        action.mVelocityX = (o / 1.5f) * TiltSpeed;
    }
    else if (facingRight && Inside(o, 3.14f, 4.72f))
    {
        action.mKind = RotatingAction::SetVelocityX;
        action.mVelocityX = (-o / 4.5f) * TiltSpeed;
    }
    // The second range can never pass the o < 1.6 test; the rule keeps it
    // as the levels were tuned with it.
    else if (!facingRight && (Inside(o, -1.6f, -1.03f) || Inside(o, 3.14f, 4.72f)) && o < 1.6f)
    {
        action.mKind = RotatingAction::BounceTurn;
        action.mSound = "AppleBounce";
    }
    else
        action.mKind = RotatingAction::TimedTurn;
    return action;
}

bool IsLeftButtonHeld() { return gInput && gInput->mState.IsHeld(VK_LBUTTON); }

bool IsClickedOn(const Composition* object)
{
    if (!object || !gPhysics || gPhysics->HoverObject() != object || !gInput)
        return false;
    const InputState& input = gInput->mState;
    const bool released = !input.mCurrentKeys[VK_LBUTTON] && input.mPreviousKeys[VK_LBUTTON];
    return input.IsHeld(VK_LBUTTON) || released;
}

void HopBack(Body* body, bool facingRight, float step)
{
    if (!body)
        return;
    const Vec3 p = body->mPosition;
    body->SetPosition(Vec3(facingRight ? p.x - step : p.x + step, p.y + step, p.z));
}

void NudgeX(Body* body, float dx)
{
    if (body)
        body->SetPosition(body->mPosition + Vec3(dx, 0.0f, 0.0f));
}

// The contact cooldown comes back after 0.8 s; the bounce cooldown wears off
// after 1.8 s. Both apples share these timers.
void StepAppleCooldowns(bool& contactCooldown, float& contactTimer, bool& bounceCooldown, float& bounceTimer, float dt)
{
    if (!contactCooldown)
    {
        contactTimer -= dt;
        if (contactTimer <= 0.0f)
        {
            contactCooldown = true;
            contactTimer = 0.8f;
        }
    }
    if (bounceCooldown)
    {
        bounceTimer -= dt;
        if (bounceTimer <= 0.0f)
        {
            bounceCooldown = false;
            bounceTimer = 1.8f;
        }
    }
}
} // namespace Framework
