// Physics::PickObject: the object under a world point.
#include <cmath>
#include "core/Factory.h"
#include "core/GameLogic.h"
#include "core/Transform.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"
#include "physics/PhysicsConstants.h"
#include "physics/Physics.h"

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
} // namespace

int BodyShapeHitTest(Component& component, Transform::ShapeTest allowed, const Vec3& start, const Vec3& end,
                     Vec3& hit)
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
    if (!gFactory)
        return nullptr;
    const Ray ray(point);
    Composition* nearest = nullptr;
    float nearestDistance = LargestFloat;
    const uint32_t state = gLogic ? gLogic->mState.mCurrent : GameState::NONE;
    for (const auto& entry : gFactory->mObjects)
    {
        Composition* object = entry.second;
        Transform* transform = object ? object->GetComponent<Transform>() : nullptr;
        if (!transform)
            continue;
        Vec3 hit(0.0f);
        if (!transform->HitTest(ray.mStart, ray.mEnd, hit))
            continue;
        const Body* body = object->GetComponent<Body>();
        if (gLogic && (state == GameState::MAIN_MENU || (state == GameState::LEVEL && body && body->mInteractable)))
            gLogic->mCursorKind = 1;
        const float distance = glm::length(hit - ray.mStart);
        // Strictly nearer: of equal hits the first in id order stays.
        if (distance < nearestDistance)
        {
            nearestDistance = distance;
            nearest = object;
        }
    }
    return nearest;
}
} // namespace Framework
