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
    // One pass of normal impulses over the contact points; no friction.
    void ApplyImpulse();

    Body* A = nullptr;
    Body* B = nullptr;
    float mPenetration = 0.0f;                 // depth along the normal
    Vec3 mNormal{0.0f};                        // unit normal from A to B (x, y)
    Vec3 mContacts[2]{Vec3(0.0f), Vec3(0.0f)}; // world points
    uint32_t mContactCount = 0;                // 0 means no collision
    float mRestitution = 0.0f;                 // set by Initialize
};
} // namespace Framework
