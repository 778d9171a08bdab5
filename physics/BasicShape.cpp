// BasicShape: the link between a shape and its body, and the pick segment.
#include "physics/BasicShape.h"
#include <algorithm>
#include "core/objects/Transform.h"
#include "core/engine/DebugSystem.h"
#include "physics/Body.h"
#include "physics/ObjectAccess.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"
#include "physics/BlockPool.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
namespace
{
// The pool of a shape class by its size; each outlives every static shape.
BlockPool& ShapeSlots(size_t size)
{
    static BlockPool* circles = new BlockPool(sizeof(ShapeCircle));
    static BlockPool* boxes = new BlockPool(sizeof(ShapeOBB));
    return size <= sizeof(ShapeCircle) ? *circles : *boxes;
}
} // namespace

void* BasicShape::operator new(size_t size) { return ShapeSlots(size).Take(size); }
void BasicShape::operator delete(void* memory, size_t size) { ShapeSlots(size).Give(memory, size); }

BasicShape::~BasicShape()
{
    if (!mBody)
        return;
    // A body without a shape is in no grid cell.
    if (gSpatialGrid)
        gSpatialGrid->Remove(mBody);
    mBody->mShape = nullptr;
    mBody = nullptr;
}

void BasicShape::Initialize()
{
    Composition* owner = OwnerOf(this);
    mBody = owner ? owner->GetComponent<Body>() : nullptr;
    // A body collides through one shape and unlinks only that one when it
    // goes: a second shape would keep the freed body's address. It stays on
    // the object (so a saved level keeps it) without taking part.
    if (mBody && mBody->mShape && mBody->mShape != this)
    {
        Log("Object \"" + owner->mName + "\" has a second collision shape; only its first is used.");
        mBody = nullptr;
    }
    if (mBody)
        mBody->mShape = this;
    UpdateWorldSize();
    if (GetShapeType() == ShapeType::OBB && mBody && mBody->mTransform)
        SetRotationDegrees(mBody->mTransform->mRotation);
    if (mBody && owner && KindOf(owner) != ObjectKind::Archetype && gSpatialGrid)
        gSpatialGrid->Insert(mBody);
}

Vec3 BasicShape::ClosestPointOnSegment(const Vec3& a, const Vec3& b, Vec3& centre) const
{
    const Vec3 position = mBody ? mBody->mPosition : Vec3(0.0f);
    centre = Vec3(position.x + Offset.x, position.y + Offset.y, position.z);
    const Vec3 d = b - a;
    const float length = glm::dot(d, d);
    // A segment of zero length is its one point.
    const float t = length > 0.0f ? std::clamp(glm::dot(centre - a, d) / length, 0.0f, 1.0f) : 0.0f;
    return a + t * d;
}
} // namespace Framework
