// The narrow phase on bodies: the four tests and the table indexed by shape types.
#pragma once
#include "physics/Body.h"
#include "physics/Manifold.h"

namespace Framework
{
class Body;

using CollisionTest = void (*)(Manifold& m, Body* a, Body* b);

void CollideCircleCircle(Manifold& m, Body* a, Body* b);
void CollideCircleOBB(Manifold& m, Body* a, Body* b);
void CollideOBBCircle(Manifold& m, Body* a, Body* b);
void CollideOBBOBB(Manifold& m, Body* a, Body* b);

// Indexed by A's shape type x 2 + B's shape type (circle 0, box 1).
extern const CollisionTest gCollisionDispatch[4];

// Whether the bounding circles of two shaped bodies are apart, so the shapes
// cannot touch. The margin keeps rounding from ever rejecting a pair the exact
// test would accept. Collide ends every pair this rejects; the cell pass asks
// it first to skip the call for most candidate pairs.
// The same test from A's shape centre (x, y) and bounding radius, read beforehand.
inline bool BoundingCirclesApart(float ax, float ay, float radiusA, const Body* b)
{
    const BasicShape* shapeB = b->mShape;
    const float dx = b->mPosition.x + shapeB->Offset.x - ax;
    const float dy = b->mPosition.y + shapeB->Offset.y - ay;
    const float reach = (radiusA + shapeB->mBoundingRadius) * 1.0001f + 1e-5f;
    return dx * dx + dy * dy > reach * reach;
}
inline bool BoundingCirclesApart(const Body* a, const Body* b)
{
    const BasicShape* shapeA = a->mShape;
    return BoundingCirclesApart(a->mPosition.x + shapeA->Offset.x, a->mPosition.y + shapeA->Offset.y,
                                shapeA->mBoundingRadius, b);
}

// Fills m (whose A and B are set and shaped) through the table.
void Collide(Manifold& m);
} // namespace Framework
