#include "gameplay/scripts/RatScript.h"
#include <imgui.h>
#include "core/engine/Message.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/PropSupport.h"
#include "gameplay/scripts/WalkerSound.h"
#include "graphics/Animator.h"
#include "graphics/Renderer.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"

namespace Framework
{
namespace
{
// The x of a body's shape centre; 0 for a body without a circle or box.
float ShapeCentreX(const Body& body)
{
    if (!body.mShape)
        return 0.0f;
    const uint32_t type = body.mShape->mShapeType;
    return type == ShapeType::Circle || type == ShapeType::OBB ? body.mPosition.x + body.mShape->Offset.x : 0.0f;
}
// Edges within this distance still count as in front.
constexpr float FrontMargin = 0.1f;
// What the rat meets counts as above it when its bottom is no more than this below the rat's top.
constexpr float ClimbMargin = 0.4f;
// A dragged object scares the rat unless it is at least this far above it.
constexpr float ScareHeight = 2.0f;
} // namespace

void RatScript::Init(Behaviour* owner)
{
    mRight = true;
    mSpeed = RunSpeed;
    mMoving = true;
    mTurnTimer = 0.0f;
    mHoldHeading = false;
    mBlockedRight = false;
    if (Animator* animator = Props::Part<Animator>(owner))
        animator->SetAnimation(StartFrame, "New_Rat");
    Props::SetSoundKey(Props::ObjectOf(owner), "MiceSound");
}

void RatScript::Update(Behaviour* owner, float dt)
{
    MaybePlayWalkerSound(Props::ObjectOf(owner), "MiceSound");
    if (!mMoving)
    {
        mMoving = true;
        return;
    }
    Body* body = Props::Part<Body>(owner);

    // Aim behind the apple; without an apple or its script the heading stays.
    const Body* appleBody = gPhysics ? gPhysics->mPlayerBody : nullptr;
    const Player* apple = appleBody ? ScriptOf<Player>(appleBody->GetOwner()) : nullptr;
    if (!mHoldHeading && body && apple && mTurnTimer > TurnDelay)
    {
        const float p = ShapeCentreX(*appleBody);
        const float target = apple->mPlayerRight ? p - FollowDistance : p + FollowDistance;
        mRight = target > ShapeCentreX(*body);
        mTurnTimer = 0.0f;
    }
    mTurnTimer += dt;

    if (body)
    {
        const uint32_t tiles = body->ProbeTiles();
        // A rat that has turned away from the wall it still touches runs
        // again: waiting to leave the wall's reach first would hold it there
        // for good, since it cannot move away at speed 0.
        if (tiles & ProbeBit::Right)
        {
            if (mRight)
            {
                mSpeed = 0.0f;
                mBlockedRight = true;
            }
            else if (!(tiles & ProbeBit::Left))
                mSpeed = RunSpeed;
        }
        else if (tiles & ProbeBit::Left)
        {
            if (!mRight)
            {
                mSpeed = 0.0f;
                mBlockedRight = false;
            }
            else
                mSpeed = RunSpeed;
        }
        else if (mBlockedRight != mRight)
        {
            // Stopped by a wall, it runs again only once it has turned from it.
            mSpeed = RunSpeed;
        }
        body->mVelocity.x = mRight ? mSpeed : -mSpeed;
    }
    if (Renderer* renderer = Props::Part<Renderer>(owner))
        renderer->mInvertX = mRight;
    mHoldHeading = false;
}

void RatScript::OnCollision(CollisionMessage* message, Behaviour* owner)
{
    mHoldHeading = false;
    Composition* other = message ? message->mOther : nullptr;
    Body* theirs = other ? other->GetComponent<Body>() : nullptr;
    if (!theirs || !theirs->mInteractable || other->mTag == ObjectTag::RotatingObject)
        return;
    Body* mine = Props::Part<Body>(owner);
    if (!mine)
        return;

    // Something dragged at it with the mouse scares it away.
    if (Props::Hovered(other) && (Props::Held(VK_LBUTTON) || Props::Released(VK_LBUTTON)))
    {
        if (mine->mPosition.y + ScareHeight > theirs->mPosition.y)
        {
            if (mRight && theirs->mPosition.x > mine->mPosition.x)
            {
                mRight = false;
                mHoldHeading = true;
            }
            else if (!mRight && theirs->mPosition.x < mine->mPosition.x)
            {
                mRight = true;
                mHoldHeading = true;
            }
        }
        return;
    }

    if (!mine->mShape || !theirs->mShape)
        return;
    const Vec3 myCentre = mine->GetShapeCenter();
    const Vec3 myHalf = mine->GetHalfExtents();
    const Vec3 theirCentre = theirs->GetShapeCenter();
    const Vec3 theirHalf = theirs->GetHalfExtents();
    const bool inFront = mRight ? theirCentre.x - theirHalf.x > myCentre.x + myHalf.x - FrontMargin
                                : myCentre.x - myHalf.x > theirCentre.x + theirHalf.x - FrontMargin;
    if (!inFront)
        return;
    // Something overhead is no obstacle to jump; anything else is jumped over.
    const bool above = theirCentre.y - theirHalf.y + ClimbMargin >= myCentre.y + myHalf.y;
    mine->mVelocity.y = above ? 0.0f : JumpSpeed;
}

void RatScript::DrawInspector()
{
    ImGui::Checkbox("RatRight", &mRight);
    ImGui::Checkbox("RatMoving", &mMoving);
}
} // namespace Framework
