// How the level acts on the apple: the physics step sends a collision
// message for every touching pair before it resolves them, and the apple
// reacts by the other object's tag. A handler may remove the pair's contact
// so the step does not push the apple back (mushrooms, checkpoints, fans).
//
// What the content must give: belts carry the Conveyer script, fans the
// AirConScript; "MainCamera" carries the CameraScript (its respawn glide),
// "Van" the Van script (the end scene starts when the apple lands in
// "CrateWin"); a checkpoint named with a final 'L' makes the apple start
// leftwards. An object with another script, or none, skips the step.
//
// Contents:
//   1. Geometry helpers: edges of a body from its shape and Transform scale, pairs, positions
//   2. Player::OnCollision: the tag's family
//   3. The families: bouncers, steerers, hazards, level markers
//   4. Turning at a clicked can or mushroom
//   5. Rotating objects
#include <cmath>
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/AirConScript.h"
#include "gameplay/scripts/AppleRules.h"
#include "gameplay/scripts/Conveyer.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/Van.h"
#include "graphics/Animator.h"
#include "graphics/Renderer.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"
#include "physics/Physics.h"

namespace Framework
{
namespace
{
constexpr float HopStep = 0.05f;      // the nudge back and up off a trigger or fruit
constexpr float FruitHopSpeed = 7.0f; // velocity y added by an InterFruits
constexpr float WallNudge = 0.01f;    // out of the wall after a turn
constexpr float CanTopMargin = 0.4f;
constexpr float MushroomCentreMargin = 0.2f;
constexpr float ClickedHeightMargin = 2.0f;
constexpr float FrozenEdgeMargin = 0.1f;
constexpr float CheckpointZ = -6.0f; // the apple's layer after a checkpoint respawn
constexpr float AirConBottomWindow = 0.3f;
const Vec3 CrateThrow{5.0f, 20.0f, 0.0f};

// ---- 1. Geometry helpers ----------------------------------------------------
// Edges of a shaped body: its position plus the shape offset, plus or minus
// half the shape's size times a scale.
float HalfWidth(const Body* body, float scale) { return scale * body->mShape->GetSpreadSize().x * 0.5f; }
float HalfHeight(const Body* body, float scale) { return scale * body->mShape->GetSpreadSize().y * 0.5f; }
float CentreX(const Body* body) { return body->mPosition.x + body->mShape->Offset.x; }
float CentreY(const Body* body) { return body->mPosition.y + (body->mShape ? body->mShape->Offset.y : 0.0f); }

// The apple's sizes all scale by its x scale (it is round).
float AppleTop(const Body* apple) { return CentreY(apple) + HalfHeight(apple, apple->GetScale().x); }
float AppleBottom(const Body* apple) { return CentreY(apple) - HalfHeight(apple, apple->GetScale().x); }
float AppleLeft(const Body* apple) { return CentreX(apple) - HalfWidth(apple, apple->GetScale().x); }
float AppleRight(const Body* apple) { return CentreX(apple) + HalfWidth(apple, apple->GetScale().x); }
float OtherTop(const Body* other) { return CentreY(other) + HalfHeight(other, other->GetScale().y); }
float OtherBottom(const Body* other) { return CentreY(other) - HalfHeight(other, other->GetScale().y); }
float OtherLeft(const Body* other) { return CentreX(other) - HalfWidth(other, other->GetScale().x); }
float OtherRight(const Body* other) { return CentreX(other) + HalfWidth(other, other->GetScale().x); }

bool BothShaped(const Body* a, const Body* b) { return a && b && a->mShape && b->mShape; }

void RemovePair(Body* a, Body* b)
{
    if (gPhysics && a && b)
        gPhysics->RemoveContact(a, b);
}

Vec3 PositionOf(const Composition* object)
{
    const Transform* transform = object ? object->GetComponent<Transform>() : nullptr;
    return transform ? transform->mPosition : Vec3(0.0f);
}
} // namespace

// ---- 2. Player::OnCollision -------------------------------------------------
void Player::OnCollision(CollisionMessage* message, Behaviour* owner)
{
    mOwner = owner ? owner->GetOwner() : nullptr;
    Composition* other = message ? message->mOther : nullptr;
    if (!mOwner || !other)
        return;
    Body* body = mOwner->GetComponent<Body>();
    Body* otherBody = other->GetComponent<Body>();
    const uint32_t tag = other->mTag;

    if (mLastContact && mLastContact != other)
    {
        mContactCooldown = true;
        mContactTimer = -0.1f;
    }

    switch (tag)
    {
    case ObjectTag::Can:
    case ObjectTag::FrozenCan:
    case ObjectTag::FakeTile:
    case ObjectTag::Mushroom:
    case ObjectTag::InterFruits:
    case ObjectTag::JumpTrigger:
        if (!OnBouncer(other, tag, body, otherBody))
            return;
        break;
    case ObjectTag::RotatingObject:
    case ObjectTag::Wall:
    case ObjectTag::StartWall:
    case ObjectTag::ConveyerBelt:
    case ObjectTag::AirCon:
        OnSteerer(other, tag, body, otherBody);
        break;
    case ObjectTag::DeathPlatform:
    case ObjectTag::DeathObject:
    case ObjectTag::Icicle:
    case ObjectTag::Roach:
    case ObjectTag::Rat:
        OnHazard(other, tag, body, otherBody);
        break;
    case ObjectTag::CheckPoint:
    case ObjectTag::Goal:
    case ObjectTag::Crate:
        OnLevelMarker(other, tag, body, otherBody);
        break;
    default: // Marshmallow and the rest: only the last contact
        break;
    }
    mLastContact = other;
}

// ---- 3. The families --------------------------------------------------------
// Cans, mushrooms, fruits and jump triggers throw the apple up; a clicked can
// or mushroom turns it instead. False when the collision ends here.
bool Player::OnBouncer(Composition* other, uint32_t tag, Body* body, Body* otherBody)
{
    switch (tag)
    {
    case ObjectTag::Can:
    case ObjectTag::FrozenCan:
        mJumping = true;
        mPopPending = false;
        if (IsClickedOn(other))
        {
            TurnAtClickedObstacle(other, tag);
            return false;
        }
        if (BothShaped(body, otherBody))
        {
            if (AppleTop(body) > OtherBottom(otherBody) + CanTopMargin)
            {
                PlaySound("AppleBounce");
                body->mVelocity.y = mCanBounceSpeed;
                mBounced = true;
            }
            else if (mBounced && mContactCooldown)
            {
                body->mVelocity.y = 0.0f;
                PlaySound("Button_Sound");
                Turn();
                mContactCooldown = false;
            }
        }
        break;
    case ObjectTag::FakeTile:
        mBounced = false;
        break;
    case ObjectTag::Mushroom:
        mJumping = true;
        mPopPending = true;
        if (IsClickedOn(other))
        {
            TurnAtClickedObstacle(other, tag);
            return false;
        }
        if (BothShaped(body, otherBody))
        {
            if (AppleBottom(body) <= OtherTop(otherBody))
                RemovePair(body, otherBody);
            if (gPhysics && gPhysics->HoverObject() == other && IsLeftButtonHeld())
                return false;
            if (CentreY(otherBody) - MushroomCentreMargin <= CentreY(body))
            {
                body->mVelocity.y = mBounceSpeed;
                mBounced = true;
                PlaySound("AppleBounce");
            }
        }
        break;
    case ObjectTag::InterFruits:
        if (body)
        {
            HopBack(body, mPlayerRight, HopStep);
            body->mVelocity.y += FruitHopSpeed;
        }
        break;
    case ObjectTag::JumpTrigger:
        if (body)
        {
            HopBack(body, mPlayerRight, HopStep);
            body->mVelocity.y = mJumpPadSpeed;
        }
        PlaySound("AppleBounce");
        mJumping = true;
        mPopPending = false;
        break;
    default:
        break;
    }
    return true;
}

// Walls, belts, rotating objects and fans change the apple's way.
void Player::OnSteerer(Composition* other, uint32_t tag, Body* body, Body* otherBody)
{
    switch (tag)
    {
    case ObjectTag::RotatingObject:
        if (body && otherBody)
            OnRotatingObject(body, otherBody);
        break;
    case ObjectTag::Wall:
        PlaySound("Button_Sound");
        Turn();
        NudgeX(body, mPlayerRight ? WallNudge : -WallNudge);
        break;
    case ObjectTag::StartWall:
        if (!mPlayerRight)
        {
            if (mWallTurnTime > TurnInterval)
            {
                Turn();
                mWallTurnTime = 0.0f;
            }
        }
        else
            RemovePair(body, otherBody);
        break;
    case ObjectTag::ConveyerBelt:
        if (const Conveyer* belt = ScriptOf<Conveyer>(other); belt && body)
        {
            if (belt->mBeltRight == mPlayerRight)
            {
                const float push = mPlayerSpeed + mBeltBoost;
                body->AddForce(Vec3(mPlayerRight ? push : -push, body->mVelocity.y, 0.0f));
            }
            else
                Turn();
        }
        break;
    case ObjectTag::AirCon:
        if (body && otherBody)
        {
            const float appleBottom = body->GetShapeCenter().y - body->GetHalfExtents().y;
            const float fanBottom = otherBody->GetShapeCenter().y - otherBody->GetHalfExtents().y;
            if (std::abs(appleBottom - fanBottom) <= AirConBottomWindow)
                mLiftFromBelow = true;
        }
        mInStream = true;
        if (const AirConScript* fan = ScriptOf<AirConScript>(other))
            mLiftAcceleration = fan->mAirConSpeed;
        RemovePair(body, otherBody);
        break;
    default:
        break;
    }
}

// Death platforms and objects, icicles, roaches and rats hurt the apple.
void Player::OnHazard(Composition* other, uint32_t tag, Body* body, Body* otherBody)
{
    switch (tag)
    {
    case ObjectTag::DeathPlatform:
        if (other != mLastContact)
            TakeHit();
        break;
    case ObjectTag::DeathObject:
        TakeHit();
        Respawn(Vec3(mRestPosition.x, mRestPosition.y, body ? body->mPosition.z : mRestPosition.z));
        break;
    case ObjectTag::Icicle:
        if (!mImmune)
        {
            TakeHit();
            Respawn(Vec3(mRestPosition.x, mRestPosition.y, body ? body->mPosition.z : mRestPosition.z));
            DropHoveredObject();
        }
        break;
    case ObjectTag::Roach:
    case ObjectTag::Rat:
        if (!mImmune)
        {
            if (mPlayerMoving)
            {
                TakeHit();
                Respawn(mRestPosition);
            }
            else
                RemovePair(body, otherBody);
            DropHoveredObject();
        }
        break;
    default:
        break;
    }
}

// Checkpoints, the goal and the crates mark the apple's progress.
void Player::OnLevelMarker(Composition* other, uint32_t tag, Body* body, Body* otherBody)
{
    switch (tag)
    {
    case ObjectTag::CheckPoint:
    {
        if (body)
            mRestPosition = body->mPosition;
        Animator* flag = other->GetComponent<Animator>();
        if (flag && !flag->mPlaying && other != mLastCheckpoint)
        {
            flag->mPlaying = true;
            PlaySound("Checkpoint");
        }
        mResumeFacingSet = true;
        mResumeRight = other->mName.empty() || other->mName.back() != 'L';
        mRestPosition.z = CheckpointZ;
        mLastCheckpoint = other;
        RemovePair(body, otherBody);
        break;
    }
    case ObjectTag::Goal:
        if (!mGoalReached)
        {
            if (gAudio)
                gAudio->PlayMusic("WinScreenBG");
            mGoalReached = true;
        }
        ReturnToSavedPosition();
        if (Renderer* renderer = mOwner->GetComponent<Renderer>())
            renderer->mAlpha = 0.0f;
        break;
    case ObjectTag::Crate:
        if (!mInPlay)
            break;
        if (other->mName == "CrateWin")
        {
            mInPlay = false;
            if (Van* van = FindScript<Van>("Van"))
                van->mStarted = true;
        }
        else if (body)
            body->mVelocity = CrateThrow;
        break;
    default:
        break;
    }
}

// ---- 4. Turning at a clicked can or mushroom --------------------------------
// A can or mushroom the player clicks on turns the apple away from it, at
// most once per contact cooldown. Ends the collision (no last contact).
void Player::TurnAtClickedObstacle(Composition* other, uint32_t tag)
{
    if (!mContactCooldown)
        return;
    if (tag == ObjectTag::FrozenCan)
    {
        Body* body = mOwner ? mOwner->GetComponent<Body>() : nullptr;
        Body* otherBody = other->GetComponent<Body>();
        if (!BothShaped(body, otherBody))
            return;
        if (AppleTop(body) + ClickedHeightMargin > OtherTop(otherBody))
        {
            const bool facesIt = mPlayerRight ? AppleRight(body) < OtherLeft(otherBody) + FrozenEdgeMargin
                                              : AppleLeft(body) + FrozenEdgeMargin > OtherRight(otherBody);
            if (facesIt)
            {
                PlaySound("Button_Sound");
                Turn();
            }
        }
    }
    else
    {
        const Vec3 apple = PositionOf(mOwner);
        const Vec3 obstacle = PositionOf(other);
        const bool facesIt = mPlayerRight ? obstacle.x > apple.x : obstacle.x < apple.x;
        if (obstacle.y < apple.y + ClickedHeightMargin && facesIt)
        {
            PlaySound("Button_Sound");
            Turn();
        }
    }
    mContactCooldown = false;
}

// ---- 5. Rotating objects ----------------------------------------------------
void Player::OnRotatingObject(Body* body, Body* other)
{
    const RotatingAction action = DecideRotating(other->mOrientation, mPlayerRight);
    switch (action.mKind)
    {
    case RotatingAction::SetVelocityX:
        body->mVelocity.x = action.mVelocityX;
        break;
    case RotatingAction::BounceTurn:
        if (!mBounceCooldown)
        {
            mBounceCooldown = true;
            PlaySound(action.mSound);
            Turn();
        }
        break;
    case RotatingAction::TimedTurn:
        if (gPlayerTurnTimer > TurnInterval)
        {
            PlaySound("Button_Sound");
            Turn();
            gPlayerTurnTimer = 0.0f;
        }
        break;
    case RotatingAction::Nothing:
        break;
    }
}
} // namespace Framework
