// Manifold: restitution and the normal impulses of one contact record.
#include "physics/Manifold.h"
#include "physics/Body.h"
#include "physics/ObjectAccess.h"
#include "physics/Physics.h"

namespace Framework
{
namespace
{
float Cross(const Vec3& r, const Vec3& v) { return r.x * v.y - r.y * v.x; }
// omega x r for an angular velocity about z.
Vec3 CrossScalar(float omega, const Vec3& r) { return {-omega * r.y, omega * r.x, 0.0f}; }

Vec3 RelativeVelocity(const Body* a, const Body* b, const Vec3& rA, const Vec3& rB)
{
    return b->mVelocity + CrossScalar(b->mAngularVelocity, rB) - a->mVelocity - CrossScalar(a->mAngularVelocity, rA);
}

bool IsRoach(const Body* body) { return body->GetTag() == ObjectTag::Roach; }
// Bodies that stop what they push: the player, roaches and rats.
bool IsSpecial(const Body* body)
{
    const uint32_t tag = body->GetTag();
    return OwnerOf(body) && (tag == ObjectTag::Player || tag == ObjectTag::Roach || tag == ObjectTag::Rat);
}

// A roach stops itself and what it touches; the player or a rat stops an
// interactable body that it pushes.
void SetTouching(Body* a, Body* b)
{
    if (IsSpecial(a) && (b->mInteractable || IsRoach(a)))
    {
        a->mTouching = !IsRoach(a);
        b->mTouching = false;
    }
    else if (IsSpecial(b) && (a->mInteractable || IsRoach(b)))
    {
        a->mTouching = false;
        b->mTouching = !IsRoach(b);
    }
    else
    {
        a->mTouching = true;
        b->mTouching = true;
    }
}
} // namespace

void Manifold::Initialize()
{
    mRestitution = A->mRestitution < B->mRestitution ? A->mRestitution : B->mRestitution;
    const Vec2 gravity = gPhysics ? gPhysics->mGravity : Vec2(0.0f);
    // A point slower than one frame of gravity is resting: it must not bounce.
    const Vec2 gravityStep = gravity / 60.0f;
    const float restingSpeedSquared = gravityStep.x * gravityStep.x + gravityStep.y * gravityStep.y + PhysicsEpsilon;
    const Vec3 centreA = A->GetShapeCenter();
    const Vec3 centreB = B->GetShapeCenter();
    mCentreA = Vec2(centreA.x, centreA.y);
    mCentreB = Vec2(centreB.x, centreB.y);
    for (uint32_t i = 0; i < mContactCount && i < 2; ++i)
    {
        const Vec3 rA = mContacts[i] - centreA;
        const Vec3 rB = mContacts[i] - centreB;
        const Vec3 rv = RelativeVelocity(A, B, rA, rB);
        if (rv.x * rv.x + rv.y * rv.y < restingSpeedSquared)
            mRestitution = 0.0f;
    }
}

void Manifold::ApplyImpulse()
{
    const Vec3 centreA(mCentreA.x, mCentreA.y, 0.0f);
    const Vec3 centreB(mCentreB.x, mCentreB.y, 0.0f);
    const uint32_t count = mContactCount < 2 ? mContactCount : 2;
    // Sharing the impulse among the points: dividing by 1 or 2 gives, for every
    // float, what multiplying by 1 or 0.5 gives, and a division on the chain
    // from one contact's velocities to the next is what the pass waits on.
    const float share = count == 2 ? 0.5f : 1.0f;
    for (uint32_t i = 0; i < count; ++i)
    {
        const Vec3 rA = mContacts[i] - centreA;
        const Vec3 rB = mContacts[i] - centreB;
        const Vec3 rv = RelativeVelocity(A, B, rA, rB);
        const float vn = rv.x * mNormal.x + rv.y * mNormal.y;
        if (vn > 0.0f)
            return; // separating
        const float rAn = rA.x * mNormal.y - rA.y * mNormal.x;
        const float rBn = rB.x * mNormal.y - rB.y * mNormal.x;
        const float divisor =
            A->mInverseMass + B->mInverseMass + rAn * rAn * A->mInverseInertia + rBn * rBn * B->mInverseInertia;
        // Two immovable bodies: nothing to resolve.
        if (divisor == 0.0f)
            return;
        const float j = -(1.0f + mRestitution) * vn / divisor * share;
        const Vec3 impulse(j * mNormal.x, j * mNormal.y, 0.0f);

        SetTouching(A, B);

        A->mVelocity -= A->mInverseMass * impulse;
        if (!A->mTouching)
            A->mVelocity = Vec3(0.0f);
        if (A->mRotation)
            A->mAngularVelocity += A->mInverseInertia * Cross(rA, -impulse);

        B->mVelocity += B->mInverseMass * impulse;
        if (!B->mTouching)
            B->mVelocity = Vec3(0.0f);
        if (B->mRotation)
            B->mAngularVelocity += B->mInverseInertia * Cross(rB, impulse);
    }
}
} // namespace Framework
