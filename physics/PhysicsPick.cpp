// Physics::PickObject: the object under a world point.
#include <algorithm>
#include <cmath>
#include <vector>
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"
#include "physics/PhysicsConstants.h"
#include "physics/Physics.h"
#include "physics/ObjectAccess.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"

namespace Framework
{
namespace
{
// A pick ray: straight into the screen from the point.
struct Ray
{
    explicit Ray(const Vec3& point) : mStart(point.x, point.y, 0.0f), mEnd(point.x, point.y, -50.0f)
    {
        const Vec3 d = mEnd - mStart;
        const float length = std::sqrt(glm::dot(d, d));
        mDirection = length > PhysicsEpsilon ? d / length : d;
    }
    Vec3 mStart;
    Vec3 mEnd;
    Vec3 mDirection;
};
// Whether a point may lie inside the shape: false only where its pick test
// (IntersectSegment along the pick ray) cannot succeed. That test compares the
// point with the shape centre in the shape's frame, so the point must lie within
// the circle around the centre through the box corners (or within the radius).
bool ShapeMayHold(const BasicShape& shape, const Vec3& point)
{
    const Vec3 position = shape.mBody ? shape.mBody->mPosition : Vec3(0.0f);
    const float dx = point.x - (position.x + shape.Offset.x);
    const float dy = point.y - (position.y + shape.Offset.y);
    float reach2 = 0.0f;
    if (shape.mShapeType == ShapeType::Circle)
    {
        const float radius = static_cast<const ShapeCircle&>(shape).mWorldRadius;
        reach2 = radius * radius;
    }
    else
    {
        const ShapeOBB& box = static_cast<const ShapeOBB&>(shape);
        const Vec2 scale = shape.mBody ? shape.mBody->GetScale() : Vec2(1.0f, 1.0f);
        const float hx = scale.x * 0.5f * box.HalfLength.x;
        const float hy = scale.y * 0.5f * box.HalfLength.y;
        reach2 = hx * hx + hy * hy;
    }
    // The margin keeps rounding from ever ruling out a point the exact test accepts;
    // a NaN anywhere keeps the shape in.
    return !(dx * dx + dy * dy > reach2 * 1.001f + 1e-5f);
}
} // namespace

int BodyShapeHitTest(Component& component, Transform::ShapeTest allowed, const Vec3& start, const Vec3& end, Vec3& hit)
{
    const Body& body = static_cast<const Body&>(component);
    if (!body.mShape)
        return -1;
    if (allowed == Transform::ShapeTest::Never ||
        (allowed == Transform::ShapeTest::IfInteractable && !body.mInteractable))
        return 0;
    return body.mShape->IntersectSegment(start, end, hit) ? 1 : 0;
}

Composition* Physics::PickObject(const Vec3& point)
{
    mPickHitAny = mPickHitInteractable = false;
    if (!gFactory)
        return nullptr;
    const Ray ray(point);
    const uint32_t state = gLogic ? gLogic->mState.mCurrent : GameState::NONE;
    Composition* nearest = nullptr;
    float nearestDistance = LargestFloat;
    // One object's test, objects taken in id order: of equal hits the first stays.
    auto test = [&](Composition* object)
    {
        Transform* transform = object ? object->GetComponent<Transform>() : nullptr;
        if (!transform)
            return;
        Vec3 hit(0.0f);
        if (!transform->HitTest(ray.mStart, ray.mEnd, hit))
            return;
        const Body* body = object->GetComponent<Body>();
        mPickHitAny = true;
        if (body && body->mInteractable)
            mPickHitInteractable = true;
        const float distance = glm::length(hit - ray.mStart);
        if (distance < nearestDistance)
        {
            nearestDistance = distance;
            nearest = object;
        }
    };

    // Outside the editor and the menus only a body's shape can be hit (no
    // object is tested by its scale box), and only a shape reaching the point:
    // the objects of those bodies are the only ones worth testing, which spares
    // a walk over every object each frame.
    const bool boxesPickable =
        state == GameState::EDITOR || state == GameState::MAIN_MENU || state == GameState::CREDITS;
    if (!boxesPickable)
    {
        thread_local std::vector<Composition*> candidates; // kept: no allocation per frame
        candidates.clear();
        for (Body* body : mObjectBodies)
            if (body && body->mShape && ShapeMayHold(*body->mShape, ray.mStart))
                candidates.push_back(OwnerOf(body));
        // In the object table's order, each object once, and only objects of the table.
        candidates.erase(std::remove(candidates.begin(), candidates.end(), nullptr), candidates.end());
        std::sort(candidates.begin(), candidates.end(),
                  [](const Composition* a, const Composition* b)
                  { return a->mId < b->mId || (a->mId == b->mId && a < b); });
        candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
        for (Composition* object : candidates)
            if (ObjectHandle::IsLive(object))
                test(object);
        return nearest;
    }
    for (const auto& entry : gFactory->mObjects)
        test(entry.second);
    return nearest;
}
} // namespace Framework
