// A circle collision shape ("Circle").
#pragma once
#include "core/objects/ComponentType.h"
#include "physics/BasicShape.h"

namespace Framework
{
class ShapeCircle : public BasicShape
{
public:
    static constexpr int32_t TypeId = ComponentType::Circle;

    ShapeCircle() : BasicShape(ShapeType::Circle) {}
    // Copies only the size: offset and rotation start at 0.
    ShapeCircle(const ShapeCircle& other);
    ShapeCircle& operator=(const ShapeCircle&) = delete;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void DrawInspector() override;

    void SetRotationRadians(float) override {}
    void SetRotationDegrees(float) override {}
    uint32_t GetShapeType() const override { return ShapeType::Circle; }
    void UpdateWorldSize() override;
    Vec3 GetHeadingPoint() const override;
    bool IntersectSegment(const Vec3& a, const Vec3& b, Vec3& closest) const override;
    Vec2 GetSpreadSize() const override { return {Radius, Radius}; }

    float Radius = 1.0f;
    float mWorldRadius = 0.0f; // Transform x scale x Radius x 0.5
};
} // namespace Framework
