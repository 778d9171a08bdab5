#include "physics/CollisionDispatch.h"
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
    if (shape->GetShapeType() == ShapeType::Circle)
    {
        frame.mRadius = static_cast<const ShapeCircle*>(shape)->mWorldRadius;
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
    return frame;
}
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
    const uint32_t index = m.A->mShape->GetShapeType() * 2 + m.B->mShape->GetShapeType();
    if (index < 4)
        gCollisionDispatch[index](m, m.A, m.B);
}
} // namespace Framework
