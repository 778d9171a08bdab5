#include "gameplay/scripts/BasicPlayerMovement.h"
#include <imgui.h>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/scripts/AppleRules.h"
#include "physics/Body.h"
#include "physics/Physics.h"

namespace Framework
{
float gMenuTurnTimer = 0.0f;

namespace
{
constexpr float TurnInterval = 0.5f;
constexpr float RestMinOrientation = -0.1f;
constexpr float RestMaxOrientation = 0.01f;
constexpr float SlopeSpeed = 2.0f;
constexpr float HopStep = 0.05f;
constexpr float BounceStep = 0.1f; // a rotating object's bounce hops instead of turning
constexpr float WallNudge = 0.01f;
constexpr float CanRisingLimit = -0.4f; // a can falling faster than this is not hopped on
constexpr float CanHeightWindow = 1.0f;
constexpr float ClickedHeightMargin = 2.0f;

Vec3 PositionOf(const Composition* object)
{
    const Transform* transform = object ? object->GetComponent<Transform>() : nullptr;
    return transform ? transform->mPosition : Vec3(0.0f);
}
} // namespace

void BasicPlayerMovement::Init(Behaviour* owner)
{
    Composition* object = owner ? owner->GetOwner() : nullptr;
    if (gAudio && object && object->mKind == ObjectKind::GameObject && object->GetComponent<AudioComponent>())
        gAudio->PlayMusic("MenuBG");
}

void BasicPlayerMovement::Update(Behaviour* owner, float dt)
{
    Composition* object = owner ? owner->GetOwner() : nullptr;
    Body* body = object ? object->GetComponent<Body>() : nullptr;
    if (!body)
        return;
    const uint32_t tiles = body->ProbeTiles();
    if (mSettling && (tiles & ProbeBit::Bottom) && body->mOrientation > RestMinOrientation &&
        body->mOrientation < RestMaxOrientation)
    {
        mSettling = false;
        mPlayerMoving = false;
        mPlayerRight = false;
        body->mVelocity = Vec3(0.0f);
        body->mAngularVelocity = 0.0f;
        return;
    }

    const bool slope = mPlayerRight ? (tiles & ProbeBit::RisingSlope) : (tiles & ProbeBit::FallingSlope);
    const bool wall = mPlayerRight ? (tiles & ProbeBit::Right) : (tiles & ProbeBit::Left);
    if (slope)
        body->mVelocity.x = mPlayerRight ? SlopeSpeed : -SlopeSpeed;
    else if (wall && gMenuTurnTimer > TurnInterval)
    {
        mPlayerRight = !mPlayerRight;
        gMenuTurnTimer = 0.0f;
    }
    gMenuTurnTimer += dt;

    if (gPhysics && gPhysics->mRunning)
    {
        body->mForce.y += body->mVelocity.y;
        body->mForce.x += mPlayerRight ? mPlayerSpeed : -mPlayerSpeed;
    }

    StepAppleCooldowns(mContactCooldown, mContactTimer, mBounceCooldown, mBounceTimer, dt);
}

void BasicPlayerMovement::Move(Body* body, float step)
{
    if (!body)
        return;
    HopBack(body, mPlayerRight, step);
    body->mVelocity.y += mHopSpeed;
}

// A clicked can turns the apple away from it, at most once per contact
// cooldown, and never holds it back; an unclicked can rising into the apple
// throws it. False when the collision ends here (no last contact).
bool BasicPlayerMovement::OnCan(Composition* other, Body* body, Body* otherBody, const Vec3& apple, const Vec3& there)
{
    if (IsClickedOn(other))
    {
        if (gPhysics && body && otherBody)
            gPhysics->RemoveContact(body, otherBody);
        if (!mContactCooldown)
            return false;
        if (there.y < apple.y + ClickedHeightMargin)
        {
            if (mPlayerRight && there.x > apple.x)
                mPlayerRight = false;
            else if (!mPlayerRight && there.x < apple.x)
                mPlayerRight = true;
        }
        mContactCooldown = false;
    }
    else if (body && otherBody && otherBody->mVelocity.y >= CanRisingLimit && there.y > apple.y - CanHeightWindow &&
             there.y < apple.y + CanHeightWindow)
        Move(body, HopStep);
    return true;
}

void BasicPlayerMovement::OnRotatingObject(Body* body, Body* otherBody)
{
    const RotatingAction action = DecideRotating(otherBody->mOrientation, mPlayerRight);
    if (action.mKind == RotatingAction::SetVelocityX)
        body->mVelocity.x = action.mVelocityX;
    else if (action.mKind == RotatingAction::BounceTurn && !mBounceCooldown)
    {
        mBounceCooldown = true;
        Move(body, BounceStep);
    }
    else if (action.mKind == RotatingAction::TimedTurn && gMenuTurnTimer > TurnInterval)
    {
        mPlayerRight = !mPlayerRight;
        gMenuTurnTimer = 0.0f;
    }
}

void BasicPlayerMovement::OnCollision(CollisionMessage* message, Behaviour* owner)
{
    Composition* object = owner ? owner->GetOwner() : nullptr;
    Composition* other = message ? message->mOther : nullptr;
    if (!object || !other)
        return;
    Body* body = object->GetComponent<Body>();
    Body* otherBody = other->GetComponent<Body>();

    if (mLastContact && mLastContact != other)
    {
        mContactCooldown = true;
        mContactTimer = -0.1f;
    }

    const Vec3 apple = PositionOf(object);
    const Vec3 there = PositionOf(other);
    switch (other->mTag)
    {
    case ObjectTag::Can:
        if (!OnCan(other, body, otherBody, apple, there))
            return;
        break;
    case ObjectTag::RotatingObject:
        if (body && otherBody)
            OnRotatingObject(body, otherBody);
        break;
    case ObjectTag::JumpTrigger:
        Move(body, HopStep);
        break;
    case ObjectTag::Wall:
        mPlayerRight = !mPlayerRight;
        if (AudioComponent* audio = object->GetComponent<AudioComponent>())
            audio->PlaySound("Button_Sound");
        NudgeX(body, mPlayerRight ? WallNudge : -WallNudge);
        break;
    default:
        break;
    }
    mLastContact = other;
}

void BasicPlayerMovement::DrawInspector()
{
    ImGui::Checkbox("mPlayerMoving", &mPlayerMoving);
    ImGui::Checkbox("mPlayerRight", &mPlayerRight);
    ImGui::DragFloat("mPlayerSpeed", &mPlayerSpeed, 1.0f, 0.0f, 0.0f, "%.3f");
}
} // namespace Framework
