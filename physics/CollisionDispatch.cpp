// The narrow phase on bodies: shape frames, the bounding-circle rejection and the table.
#include "physics/CollisionDispatch.h"
#include <algorithm>
#include <cmath>
#include "physics/Body.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeFrame.h"
#include "physics/ShapeOBB.h"

namespace Framework
{
namespace
{
ShapeFrame FrameOf(const Body* body)
{
    ShapeFrame frame;
    const BasicShape* shape = body->mShape;
    frame.mCentre = Vec2(body->mPosition.x + shape->Offset.x, body->mPosition.y + shape->Offset.y);
    if (shape->mShapeType == ShapeType::Circle)
    {
        frame.mRadius = static_cast<const ShapeCircle*>(shape)->mWorldRadius;
        frame.mBoundingRadius = shape->mBoundingRadius;
        return frame;
    }
    const ShapeOBB* box = static_cast<const ShapeOBB*>(shape);
    frame.mM00 = box->mM00;
    frame.mM01 = box->mM01;
    frame.mM10 = box->mM10;
    frame.mM11 = box->mM11;
    frame.mCorners = box->mCorners;
    frame.mNormals = box->mNormals;
    frame.mCornerCount = box->mCornerCount < 4 ? box->mCornerCount : 4;
    frame.mBoundingRadius = box->mBoundingRadius;
    return frame;
}

using FrameTest = void (*)(Manifold& m, const ShapeFrame& a, const ShapeFrame& b);
const FrameTest gFrameTests[4] = {CircleCircle, CircleBox, BoxCircle, BoxBox};
} // namespace

void CollideCircleCircle(Manifold& m, Body* a, Body* b) { CircleCircle(m, FrameOf(a), FrameOf(b)); }
void CollideCircleOBB(Manifold& m, Body* a, Body* b) { CircleBox(m, FrameOf(a), FrameOf(b)); }
void CollideOBBCircle(Manifold& m, Body* a, Body* b) { BoxCircle(m, FrameOf(a), FrameOf(b)); }
void CollideOBBOBB(Manifold& m, Body* a, Body* b) { BoxBox(m, FrameOf(a), FrameOf(b)); }

const CollisionTest gCollisionDispatch[4] = {CollideCircleCircle, CollideCircleOBB, CollideOBBCircle, CollideOBBOBB};

void Collide(Manifold& m)
{
    m.mContactCount = 0;
    if (!m.A || !m.B || !m.A->mShape || !m.B->mShape)
        return;
    const uint32_t index = m.A->mShape->mShapeType * 2 + m.B->mShape->mShapeType;
    if (index >= 4)
        return;
    // Most candidate pairs of the broad phase end here, before any frame is built.
    if (BoundingCirclesApart(m.A, m.B))
        return;
    const ShapeFrame a = FrameOf(m.A);
    const ShapeFrame b = FrameOf(m.B);
    // The same tests as gCollisionDispatch, on the frames already built.
    gFrameTests[index](m, a, b);
}
} // namespace Framework
