// A shape placed in the world, as the narrow phase sees it: its centre, its
// rotation and its body-space geometry. Built from a body in CollisionDispatch.
#pragma once
#include <cstdint>
#include "core/math/MathTypes.h"

namespace Framework
{
struct Manifold;

struct ShapeFrame
{
    Vec2 mCentre{0.0f};             // body position + shape offset
    float mM00 = 1.0f, mM01 = 0.0f; // rotation (cos a, -sin a,
    float mM10 = 0.0f, mM11 = 1.0f; //           sin a,  cos a)
    const Vec3* mCorners = nullptr; // body-space corners, counter-clockwise
    const Vec3* mNormals = nullptr; // outward normals of edges i -> i + 1
    uint32_t mCornerCount = 0;
    float mRadius = 0.0f;         // world radius of a circle
    float mBoundingRadius = 0.0f; // a circle around the centre holding the whole shape

    Vec2 Rotate(const Vec2& v) const { return {mM00 * v.x + mM01 * v.y, mM10 * v.x + mM11 * v.y}; }
    // The transpose: a world direction in the box's frame.
    Vec2 Unrotate(const Vec2& v) const { return {mM00 * v.x + mM10 * v.y, mM01 * v.x + mM11 * v.y}; }
    // The corner with the largest dot product with dir; the first of equal corners wins.
    Vec2 GetSupport(const Vec2& dir) const;
};

// The four tests. Each writes penetration, normal, contacts and count of m
// (A and B of m are left as the caller set them).
void CircleCircle(Manifold& m, const ShapeFrame& a, const ShapeFrame& b);
void CircleBox(Manifold& m, const ShapeFrame& circle, const ShapeFrame& box);
void BoxCircle(Manifold& m, const ShapeFrame& box, const ShapeFrame& circle);
void BoxBox(Manifold& m, const ShapeFrame& a, const ShapeFrame& b);
} // namespace Framework
