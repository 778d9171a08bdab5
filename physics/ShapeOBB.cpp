// ShapeOBB: corners and matrix, serialisation, pick test, pivot turning and inspector.
#include "physics/ShapeOBB.h"
#include <cmath>
#include <cstring>
#include <imgui.h>
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "core/objects/Transform.h"
#include "physics/Body.h"
#include "physics/PhysicsConstants.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
ShapeOBB::ShapeOBB() : BasicShape(ShapeType::OBB) { UpdateWorldSize(); }

ShapeOBB::ShapeOBB(const ShapeOBB& other)
    : BasicShape(other), HalfLength(other.HalfLength), mCornerCount(other.mCornerCount)
{
    mBoundingRadius = other.mBoundingRadius;
    for (int i = 0; i < 4; ++i)
    {
        mCorners[i] = other.mCorners[i];
        mNormals[i] = other.mNormals[i];
    }
}

void ShapeOBB::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("OBB");
    serializer.WriteVec3("HalfLength", HalfLength);
    serializer.WriteVec3("Offset", Offset);
    serializer.WriteBool("RotateFixedPoint", RotateFixedPoint);
    serializer.WriteVec3("PivotOffset", PivotOffset);
    serializer.WriteVec3("PivotPosition", PivotPosition);
    serializer.WriteFloat("Radian", mRotationOffset);
    serializer.PopElement();
}

void ShapeOBB::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("OBB");
    serializer.WriteVec3(HalfLength);
    serializer.WriteVec3(Offset);
    serializer.WriteBool(RotateFixedPoint);
    serializer.WriteVec3(PivotOffset);
    serializer.WriteVec3(PivotPosition);
}

void ShapeOBB::UnserializeXml(XmlSerializer& serializer)
{
    serializer.ReadVec3(HalfLength);
    serializer.ReadVec3(Offset);
    serializer.ReadBool(RotateFixedPoint);
    serializer.ReadVec3(PivotOffset);
    serializer.ReadVec3(PivotPosition);
    serializer.ReadFloat(mRotationOffset);
}

void ShapeOBB::UnserializeText(TextSerializer& serializer)
{
    serializer.ReadVec3(HalfLength);
    serializer.ReadVec3(Offset);
    serializer.ReadBool(RotateFixedPoint);
    serializer.ReadVec3(PivotOffset);
    serializer.ReadVec3(PivotPosition);
}

void ShapeOBB::SetMatrix(float radians)
{
    const float angle = radians + mRotationOffset;
    // Most boxes keep their angle from step to step: the same angle gives the same matrix.
    if (std::memcmp(&angle, &mMatrixAngle, sizeof angle) == 0)
        return;
    mMatrixAngle = angle;
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    mM00 = c;
    mM01 = -s;
    mM10 = s;
    mM11 = c;
}

void ShapeOBB::SetRotationRadians(float radians)
{
    if (mBody && mBody->mTransform)
        mBody->mTransform->mRotation = WrapDegreesOnce(radians * 180.0f / PhysicsPi);
    SetMatrix(radians);
}

void ShapeOBB::SetRotationDegrees(float degrees) { SetMatrix(degrees * PhysicsPi / 180.0f); }

void ShapeOBB::UpdateWorldSize()
{
    float hx = 0.0f;
    float hy = 0.0f;
    if (mBody)
    {
        const Vec2 scale = mBody->GetScale();
        hx = scale.x * HalfLength.x * 0.5f;
        hy = scale.y * HalfLength.y * 0.5f;
    }
    mCorners[0] = Vec3(-hx, -hy, 0.0f);
    mCorners[1] = Vec3(hx, -hy, 0.0f);
    mCorners[2] = Vec3(hx, hy, 0.0f);
    mCorners[3] = Vec3(-hx, hy, 0.0f);
    mNormals[0] = Vec3(0.0f, -1.0f, 0.0f);
    mNormals[1] = Vec3(1.0f, 0.0f, 0.0f);
    mNormals[2] = Vec3(0.0f, 1.0f, 0.0f);
    mNormals[3] = Vec3(-1.0f, 0.0f, 0.0f);
    mBoundingRadius = std::sqrt(hx * hx + hy * hy);
}

Vec3 ShapeOBB::GetHeadingPoint() const
{
    if (!mBody)
        return Vec3(0.0f);
    const float angle = mBody->mOrientation;
    return {mBody->mPosition.x - std::sin(angle) * HalfLength.x, mBody->mPosition.y + std::cos(angle) * HalfLength.x,
            0.0f};
}

Vec3 ShapeOBB::GetSupport(const Vec3& dir) const
{
    float best = -LargestFloat;
    Vec3 support(0.0f);
    for (uint32_t i = 0; i < mCornerCount && i < 4; ++i)
    {
        const float projection = mCorners[i].x * dir.x + mCorners[i].y * dir.y;
        if (projection > best)
        {
            best = projection;
            support = mCorners[i];
        }
    }
    return support;
}

bool ShapeOBB::IntersectSegment(const Vec3& a, const Vec3& b, Vec3& closest) const
{
    Vec3 centre;
    closest = ClosestPointOnSegment(a, b, centre);
    const float dx = closest.x - centre.x;
    const float dy = closest.y - centre.y;
    // The inverse rotation takes the point into the box's frame.
    const float localX = mM00 * dx + mM10 * dy;
    const float localY = mM01 * dx + mM11 * dy;
    const Vec2 scale = mBody ? mBody->GetScale() : Vec2(1.0f, 1.0f);
    return std::fabs(localX) <= scale.x * 0.5f * HalfLength.x && std::fabs(localY) <= scale.y * 0.5f * HalfLength.y;
}

void ShapeOBB::RotateToPoint(const Vec3& p)
{
    if (!mBody)
        return;
    const float dy = p.y - PivotPosition.y;
    const float dx = p.x - PivotPosition.x;
    // On the pivot itself there is no direction to face.
    if (dx == 0.0f && dy == 0.0f)
        return;
    float angle = dx != 0.0f ? std::atan(dy / dx) : (dy > 0.0f ? PhysicsPi / 2.0f : -PhysicsPi / 2.0f);
    if (dy < 0.0f && dx > 0.0f)
        angle += 6.2831855f;
    else if (dx < 0.0f)
        angle += PhysicsPi;

    const float orientation = angle - 1.5707964f;
    const float delta = orientation - mBody->mOrientation;
    if (mBody->mShape)
        mBody->mShape->SetRotationRadians(orientation);
    mBody->mOrientation = orientation;

    const float c = std::cos(delta);
    const float s = std::sin(delta);
    const Vec3 arm = mBody->mPosition - PivotPosition;
    mBody->SetPosition(
        Vec3(PivotPosition.x + c * arm.x - s * arm.y, PivotPosition.y + s * arm.x + c * arm.y, mBody->mPosition.z));
    Offset = Vec3(c * Offset.x - s * Offset.y, s * Offset.x + c * Offset.y, 0.0f);
}

void ShapeOBB::DrawInspector()
{
    float extents[2] = {HalfLength.x, HalfLength.y};
    if (ImGui::DragFloat2("OBB Extents", extents, 1.0f, 0.0f, 0.0f, "%.3f") && extents[0] > 0.0f && extents[1] > 0.0f)
    {
        // Out and back in, so the grid spread follows the new size.
        if (gSpatialGrid && mBody)
            gSpatialGrid->Remove(mBody);
        HalfLength = Vec3(extents[0], extents[1], HalfLength.z);
        if (gSpatialGrid && mBody)
            gSpatialGrid->Insert(mBody);
        UpdateWorldSize();
    }
    float degrees = mRotationOffset * 180.0f / PhysicsPi;
    if (ImGui::DragFloat("Degree", &degrees, 1.0f, 0.0f, 0.0f, "%.3f"))
    {
        mRotationOffset = degrees * PhysicsPi / 180.0f;
        SetRotationDegrees(mBody && mBody->mTransform ? mBody->mTransform->mRotation : 0.0f);
    }
    float offset[2] = {Offset.x, Offset.y};
    if (ImGui::DragFloat2("Offset", offset, 1.0f, 0.0f, 0.0f, "%.3f"))
    {
        const Vec3 newOffset(offset[0], offset[1], Offset.z);
        if (gSpatialGrid && mBody)
            gSpatialGrid->SetShapeOffset(mBody, newOffset);
        else
            Offset = newOffset;
    }
    const Vec3 bodyPosition = mBody ? mBody->mPosition : Vec3(0.0f);
    if (ImGui::Checkbox("RotateFixedPoint", &RotateFixedPoint))
    {
        if (RotateFixedPoint)
            PivotPosition = Vec3(bodyPosition.x + PivotOffset.x, bodyPosition.y + PivotOffset.y, bodyPosition.z);
        else
            PivotOffset = Vec3(0.0f);
    }
    if (RotateFixedPoint)
    {
        float pivot[2] = {PivotOffset.x, PivotOffset.y};
        if (ImGui::DragFloat2("PivotPoint", pivot, 1.0f, 0.0f, 0.0f, "%.3f"))
        {
            PivotOffset.x = pivot[0];
            PivotOffset.y = pivot[1];
            PivotPosition = Vec3(bodyPosition.x + PivotOffset.x, bodyPosition.y + PivotOffset.y, bodyPosition.z);
        }
        DebugCircle(PivotPosition, 0.2f, Color(0.0f, 0.003921569f, 0.0f, 1.0f));
    }
}
} // namespace Framework
