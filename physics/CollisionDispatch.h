// The narrow phase on bodies: the four tests and the table indexed by shape types.
#pragma once
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

// Fills m (whose A and B are set and shaped) through the table.
void Collide(Manifold& m);
} // namespace Framework
