#include "gameplay/scripts/IcicleScript.h"
#include <imgui.h>
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropSupport.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"

namespace Framework
{
namespace
{
constexpr const char* LandSound = "IcicleLand";
constexpr int KeyN = 78; // the growing cheat
} // namespace

void IcicleScript::Init(Behaviour* owner)
{
    mGenerating = true;
    mFalling = false;
    mStatic = false;
    mGrowDistance = GrowDistance;
    mPlayer.Clear();
    const Transform* transform = Props::Part<Transform>(owner);
    mStartPosition = transform ? transform->mPosition : Vec3(0.0f);
    const Body* body = Props::Part<Body>(owner);
    const float offset =
        body && body->mShape && body->mShape->mShapeType == ShapeType::OBB ? body->mShape->Offset.x : 0.0f;
    mMinX = mStartPosition.x - TriggerHalfWidth + offset;
    mMaxX = mStartPosition.x + TriggerHalfWidth + offset;
    Props::SetSoundKey(Props::ObjectOf(owner), LandSound);
}

void IcicleScript::Update(Behaviour* owner, float dt)
{
    Composition* object = Props::ObjectOf(owner);
    Body* body = Props::Part<Body>(owner);
    Transform* transform = Props::Part<Transform>(owner);
    const uint32_t tiles = body ? body->ProbeTiles() : 0u;
    if (mPlayer.Empty())
        mPlayer.Set(Props::LastObjectTagged(ObjectTag::Player));
    mIcicleTimer -= dt;

    if (mGenerating)
        Grow(body, transform);
    else if (mStatic)
        WaitForApple(body, transform);
    else if (mFalling)
        Fall(object, body, tiles);

    if (Props::Triggered(KeyN))
    {
        mGenerating = !mGenerating;
        if (!mGenerating)
        {
            mFalling = false;
            Props::MoveObjectTo(object, mStartPosition);
        }
    }
}

// Gravity draws it down slowly: its speed is zeroed every frame. Fully
// grown at the grow distance below its start.
void IcicleScript::Grow(Body* body, const Transform* transform)
{
    if (body)
    {
        body->mVelocity.y = 0.0f;
        body->mMass = 0.0f;
        body->mStatic = false;
    }
    if (transform && transform->mPosition.y <= mStartPosition.y - mGrowDistance)
    {
        mGenerating = false;
        mStatic = true;
    }
}

// Hangs still until the apple passes under it, within the trigger range.
void IcicleScript::WaitForApple(Body* body, const Transform* transform)
{
    if (body)
    {
        body->mVelocity.y = 0.0f;
        body->mMass = 0.0f;
        body->mStatic = true;
    }
    const Composition* player = mPlayer.Get();
    const Transform* apple = player ? player->GetComponent<Transform>() : nullptr;
    if (apple && transform)
    {
        const float px = apple->mPosition.x;
        const float py = apple->mPosition.y;
        const float y = transform->mPosition.y;
        if (y - TriggerNear > py && py > y - TriggerFar && mMinX <= px && px <= mMaxX)
        {
            mGenerating = false;
            mFalling = true;
            mStatic = false;
        }
    }
}

// Falls at a fixed speed; landing on a tile starts it over at its place.
void IcicleScript::Fall(Composition* object, Body* body, uint32_t tiles)
{
    if (body)
    {
        body->mMass = 1.0f;
        body->mVelocity.y = FallSpeed;
        body->mStatic = false;
    }
    if (tiles & ProbeBit::Bottom)
    {
        mFalling = false;
        Props::MoveObjectTo(object, mStartPosition);
        mGenerating = true;
        Props::PlayOn(object, LandSound);
    }
}

void IcicleScript::OnCollision(CollisionMessage* message, Behaviour* owner)
{
    const Composition* other = message ? message->mOther : nullptr;
    const Body* body = other ? other->GetComponent<Body>() : nullptr;
    if (!body || !body->mInteractable)
        return;
    Props::PlayOn(Props::ObjectOf(owner), LandSound);
    Reset(owner);
}

void IcicleScript::Reset(Behaviour* owner)
{
    mGenerating = true;
    mFalling = false;
    Props::MoveObjectTo(Props::ObjectOf(owner), mStartPosition);
}

void IcicleScript::DrawInspector()
{
    ImGui::Checkbox("falling", &mFalling);
    ImGui::Checkbox("Generating", &mGenerating);
    ImGui::Checkbox("Static", &mStatic);
    ImGui::DragFloat("IcicleTimer", &mIcicleTimer, 1.0f, 0.0f, 0.0f, "%.3f");
    ImGui::DragFloat("Min", &mMinX, 1.0f, 0.0f, 0.0f, "%.3f");
    ImGui::DragFloat("Max", &mMaxX, 1.0f, 0.0f, 0.0f, "%.3f");
}
} // namespace Framework
