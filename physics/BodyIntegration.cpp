// Body: the two half steps of integration.
#include <cmath>
#include "core/objects/Transform.h"
#include "physics/Body.h"
#include "physics/ObjectAccess.h"
#include "physics/Physics.h"
#include "physics/ShapeCircle.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
void Body::IntegrateForces(float dt)
{
    if (mTransform)
        mPosition = mTransform->mPosition;
    if (mStatic)
        return;

    const float h = dt * 0.5f;
    const Vec2 gravity = gPhysics ? gPhysics->mGravity : Vec2(0.0f);
    // The force acts as an acceleration: it is not divided by the mass.
    if (mUseGravity)
    {
        mVelocity.x += (gravity.x + mForce.x) * h;
        mVelocity.y += (gravity.y + mForce.y) * h;
    }
    else
    {
        mVelocity.x += mForce.x * h;
        mVelocity.y = 0.0f;
    }

    // Landing on a solid tile: the player keeps a small downward speed so its
    // ground contact persists; rats do their own ground handling.
    if (GetTag() != ObjectTag::Rat)
    {
        const bool onTile = ProbeLanding();
        if (gPhysics && gPhysics->mPlayerBody == this)
        {
            if (onTile && mVelocity.y < 0.0f)
                mVelocity.y = -0.3f;
        }
        else if (onTile)
        {
            mVelocity.y = 0.0f;
        }
    }

    if (mRotation)
        mAngularVelocity += mInverseInertia * mTorque * h;

    // Two half steps damp by 0.01^dt in all. Every body steps with the same dt,
    // so the power is taken once per dt rather than once per body.
    thread_local float dampedDt = std::nanf("");
    thread_local float damping = 1.0f;
    if (!(dt == dampedDt))
    {
        damping = std::pow(0.1f, dt);
        dampedDt = dt;
    }
    mVelocity.x *= damping;
    mVelocity.y *= damping;
}

void Body::IntegrateVelocity(float dt)
{
    if (mTransform)
        mOrientation = mTransform->mRotation * PhysicsPi / 180.0f;
    if (mStatic)
        return;

    if (mRotation)
    {
        if (mShape && mShape->mShapeType == ShapeType::Circle)
        {
            // A circle rolls: it turns by the distance travelled over its radius,
            // and its offset turns with it. A zero radius does not roll.
            const float radius = static_cast<ShapeCircle*>(mShape)->mWorldRadius;
            if (std::fabs(radius) > PhysicsEpsilon)
            {
                const float angle = -(dt * mVelocity.x / radius);
                mOrientation += angle;
                const float c = std::cos(angle);
                const float s = std::sin(angle);
                const Vec3 offset = mShape->Offset;
                const Vec3 turned(c * offset.x - s * offset.y, s * offset.x + c * offset.y, 0.0f);
                if (gSpatialGrid)
                    gSpatialGrid->SetShapeOffset(this, turned);
                else
                    mShape->Offset = turned;
            }
        }
        else
        {
            mOrientation += dt * mAngularVelocity;
        }
    }

    const bool dragged =
        gPhysics && gPhysics->mDragging && gPhysics->HoverObject() && gPhysics->HoverObject() == OwnerOf(this);
    if (!dragged)
        SetPosition(Vec3(mPosition.x + dt * mVelocity.x, mPosition.y + dt * mVelocity.y, mPosition.z));

    if (mShape)
        mShape->SetRotationRadians(mOrientation);
    if (mTransform)
        mTransform->mRotation = WrapDegreesOnce(mOrientation * 180.0f / PhysicsPi);

    IntegrateForces(dt);
}
} // namespace Framework
