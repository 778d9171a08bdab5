// ShapeCircle: size, serialisation, pick test and inspector.
#include "physics/ShapeCircle.h"
#include <cmath>
#include <imgui.h>
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "core/objects/Transform.h"
#include "physics/Body.h"
#include "physics/PhysicsConstants.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
ShapeCircle::ShapeCircle(const ShapeCircle& other)
    : BasicShape(other), Radius(other.Radius), mWorldRadius(other.mWorldRadius)
{
    mBoundingRadius = std::fabs(mWorldRadius);
}

void ShapeCircle::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("Circle");
    serializer.WriteFloat("Radius", Radius);
    serializer.WriteVec3("Offset", Offset);
    serializer.PopElement();
}

void ShapeCircle::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("Circle");
    serializer.WriteFloat(Radius);
    serializer.WriteVec3(Offset);
}

void ShapeCircle::UnserializeXml(XmlSerializer& serializer)
{
    serializer.ReadFloat(Radius);
    serializer.ReadVec3(Offset);
}

void ShapeCircle::UnserializeText(TextSerializer& serializer)
{
    serializer.ReadFloat(Radius);
    serializer.ReadVec3(Offset);
}

void ShapeCircle::UpdateWorldSize()
{
    if (mBody)
        mWorldRadius = mBody->GetScale().x * Radius * 0.5f;
    mBoundingRadius = std::fabs(mWorldRadius);
}

Vec3 ShapeCircle::GetHeadingPoint() const
{
    if (!mBody)
        return Vec3(0.0f);
    const float angle = mBody->mOrientation;
    return {mBody->mPosition.x - std::sin(angle) * mWorldRadius, mBody->mPosition.y + std::cos(angle) * mWorldRadius,
            0.0f};
}

bool ShapeCircle::IntersectSegment(const Vec3& a, const Vec3& b, Vec3& closest) const
{
    Vec3 centre;
    closest = ClosestPointOnSegment(a, b, centre);
    // The world radius already holds the scale.
    return mWorldRadius > glm::length(centre - closest);
}

void ShapeCircle::DrawInspector()
{
    float radius = Radius;
    if (ImGui::DragFloat("Radius", &radius, 1.0f, 0.0f, 0.0f, "%.3f"))
    {
        // Out and back in, so the grid spread follows the new size.
        if (gSpatialGrid && mBody)
            gSpatialGrid->Remove(mBody);
        Radius = radius;
        if (gSpatialGrid && mBody)
            gSpatialGrid->Insert(mBody);
        UpdateWorldSize();
    }
    float degrees = mRotationOffset * 180.0f / PhysicsPi;
    // Stored back only when edited, so the round trip never drifts the angle.
    if (ImGui::DragFloat("Degree", &degrees, 1.0f, 0.0f, 0.0f, "%.3f"))
        mRotationOffset = degrees * PhysicsPi / 180.0f;
    float offset[2] = {Offset.x, Offset.y};
    if (ImGui::DragFloat2("Offset", offset, 1.0f, 0.0f, 0.0f, "%.3f"))
    {
        const Vec3 newOffset(offset[0], offset[1], Offset.z);
        if (gSpatialGrid && mBody)
            gSpatialGrid->SetShapeOffset(mBody, newOffset);
        else
            Offset = newOffset;
    }
}
} // namespace Framework
