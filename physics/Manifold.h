// The contact record of two shaped bodies and its impulse resolution.
#pragma once
#include <cstdint>
#include "core/math/MathTypes.h"
#include "physics/PhysicsConstants.h"

namespace Framework
{
class Body;

struct Manifold
{
    Manifold() = default;
    Manifold(Body* a, Body* b) : A(a), B(b) {}

    // Restitution of the pair; zeroed for points that barely move (resting contacts).
    void Initialize();
    // One pass of normal impulses over the contact points; no friction. Reads
    // the shape centres Initialize kept: nothing moves a body between the two.
    void ApplyImpulse();

    Body* A = nullptr;
    Body* B = nullptr;
    float mPenetration = 0.0f;                 // depth along the normal
    Vec3 mNormal{0.0f};                        // unit normal from A to B (x, y)
    Vec3 mContacts[2]{Vec3(0.0f), Vec3(0.0f)}; // world points
    uint32_t mContactCount = 0;                // 0 means no collision
    float mRestitution = 0.0f;                 // set by Initialize
    // The shape centres of A and B, kept by Initialize for ApplyImpulse, so the
    // impulse pass never goes back to the shapes.
    Vec2 mCentreA{0.0f};
    Vec2 mCentreB{0.0f};
};
} // namespace Framework
