#include "gameplay/scripts/Roach.h"
#include <imgui.h>
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropSupport.h"
#include "gameplay/scripts/WalkerSound.h"
#include "graphics/Renderer.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"

namespace Framework
{
namespace
{
// Top and bottom of a body's shape, from its centre and half height.
float TopOf(const Body& body) { return body.GetShapeCenter().y + body.GetHalfExtents().y; }
float BottomOf(const Body& body) { return body.GetShapeCenter().y - body.GetHalfExtents().y; }
// What stands on a roach must clear its top by this much to count as beside it.
constexpr float StandMargin = 0.1f;
} // namespace

void NudgeBody(Body* body, float dx)
{
    if (!body)
        return;
    body->SetPosition(Vec3(body->mPosition.x + dx, body->mPosition.y, body->mPosition.z));
}

void Roach::Init(Behaviour* owner)
{
    mRight = true;
    mSpeed = WalkSpeed;
    mMoving = true;
    mTurnTimer = 0.0f;
    Props::SetSoundKey(Props::ObjectOf(owner), "RoachWalk");
}

void Roach::Update(Behaviour* owner, float dt)
{
    Composition* object = Props::ObjectOf(owner);
    MaybePlayWalkerSound(object, "RoachWalk");
    if (!mMoving)
    {
        mMoving = true;
        return;
    }
    Body* body = Props::Part<Body>(owner);
    if (body && ((body->ProbeTiles() | body->ProbeGround()) & (ProbeBit::Left | ProbeBit::Right)) &&
        mTurnTimer > TurnDelay)
    {
        Reverse();
        mTurnTimer = 0.0f;
    }
    mTurnTimer += dt;
    if (body)
        body->mVelocity.x = mRight ? mSpeed : -mSpeed;
    if (Renderer* renderer = Props::Part<Renderer>(owner))
        renderer->mInvertX = mRight;
}

void Roach::OnCollision(CollisionMessage* message, Behaviour* owner)
{
    Composition* other = message ? message->mOther : nullptr;
    if (!other)
        return;
    Body* mine = Props::Part<Body>(owner);
    Body* theirs = other->GetComponent<Body>();
    switch (other->mTag)
    {
    case ObjectTag::CheckPoint:
        if (gPhysics)
            gPhysics->RemoveContact(mine, theirs);
        break;
    case ObjectTag::Can:
    case ObjectTag::Mushroom:
        if (!mine || !theirs || !mine->mShape || !theirs->mShape)
            break;
        // Beside me it turns me round; on top of me it holds me still.
        mMoving = BottomOf(*theirs) + StandMargin < TopOf(*mine);
        if (mMoving)
        {
            Reverse();
            NudgeBody(mine, mRight ? BumpStep : -BumpStep);
        }
        break;
    case ObjectTag::Wall:
    case ObjectTag::RotatingObject:
    case ObjectTag::Roach:
    case ObjectTag::Rat:
        if (mTurnTimer > TurnDelay)
        {
            Reverse();
            mTurnTimer = 0.0f;
        }
        NudgeBody(mine, mRight ? BumpStep : -BumpStep);
        break;
    default:
        break;
    }
}

void Roach::DrawInspector()
{
    ImGui::Checkbox("RoachRight", &mRight);
    ImGui::Checkbox("RoachMoving", &mMoving);
}
} // namespace Framework
