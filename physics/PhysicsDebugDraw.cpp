// Physics::DebugDraw: velocities, headings, outlines and contacts as debug lines.
#include "core/objects/Transform.h"
#include "graphics/GraphicsSystem.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"

namespace Framework
{
namespace
{
const Color VelocityColour(1.0f, 0.0f, 0.0f, 1.0f);
const Color HeadingColour(0.0f, 0.0f, 1.0f, 1.0f);
const Color OutlineColour(0.0f, 1.0f, 0.0f, 1.0f);

void DrawVelocity(const Body* body)
{
    if (!body || !body->mShape)
        return;
    const Vec3 from(body->mPosition.x + body->mShape->Offset.x, body->mPosition.y + body->mShape->Offset.y,
                    body->mPosition.z);
    DebugLine(from, from + Vec3(body->mVelocity.x, body->mVelocity.y, 0.0f), VelocityColour);
}

void DrawHeading(const Body* body)
{
    const BasicShape* shape = body->mShape;
    const Vec3 heading = shape->GetHeadingPoint();
    DebugLine(Vec3(heading.x + shape->Offset.x, heading.y + shape->Offset.y, heading.z),
              Vec3(body->mPosition.x + shape->Offset.x, body->mPosition.y + shape->Offset.y, body->mPosition.z),
              HeadingColour);
}

void DrawOutline(const Body* body)
{
    if (!body || !body->mShape)
        return;
    const BasicShape* shape = body->mShape;
    const Vec3 centre(body->mPosition.x + shape->Offset.x, body->mPosition.y + shape->Offset.y, body->mPosition.z);
    if (shape->mShapeType == ShapeType::Circle)
    {
        const float scaleX = body->mTransform ? body->mTransform->mScale.x : 1.0f;
        DebugCircle(centre, static_cast<const ShapeCircle*>(shape)->Radius * scaleX, OutlineColour);
        return;
    }
    const ShapeOBB* box = static_cast<const ShapeOBB*>(shape);
    Vec3 corners[4];
    for (int i = 0; i < 4; ++i)
    {
        const Vec3& c = box->mCorners[i];
        corners[i] = Vec3(box->mM00 * c.x + box->mM01 * c.y + centre.x, box->mM10 * c.x + box->mM11 * c.y + centre.y,
                          body->mPosition.z);
    }
    for (int i = 0; i < 4; ++i)
        DebugLine(corners[i], corners[(i + 1) % 4], OutlineColour);
}
} // namespace

void DebugLine(const Vec3& from, const Vec3& to, const Color& colour)
{
    if (!gGraphicsSystem)
        return;
    const float a[2] = {from.x, from.y};
    const float b[2] = {to.x, to.y};
    gGraphicsSystem->DrawLine(a, b, colour);
}

void DebugCircle(const Vec3& centre, float size, const Color& colour)
{
    if (!gGraphicsSystem)
        return;
    const float c[2] = {centre.x, centre.y};
    gGraphicsSystem->DrawCircle(c, size, colour);
}

void Physics::DrawBody(const Body* body, bool heading)
{
    if (!body)
        return;
    DrawVelocity(body);
    if (!body->mShape)
        return;
    if (heading)
        DrawHeading(body);
    DrawOutline(body);
}

void Physics::DebugDraw()
{
    switch (mDebugDrawMode)
    {
    case 0:
    case 1:
        for (size_t i = 0; i < mBodies.size(); ++i)
            DrawBody(mBodies[i], mDebugDrawMode == 0);
        break;
    case 2:
        for (size_t i = 0; i < mPlayerContacts.size(); ++i)
        {
            const Manifold& m = mPlayerContacts[i];
            DrawVelocity(m.A);
            DrawVelocity(m.B);
            DrawOutline(m.A);
            DrawOutline(m.B);
        }
        break;
    default:
        break;
    }
}
} // namespace Framework
