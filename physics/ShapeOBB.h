// An oriented box collision shape ("OBB"). HalfLength is the box's unscaled
// size: the world half extents are scale x HalfLength x 0.5.
#pragma once
#include <limits>
#include "core/objects/ComponentType.h"
#include "physics/BasicShape.h"

namespace Framework
{
class ShapeOBB : public BasicShape
{
public:
    static constexpr int32_t TypeId = ComponentType::OBB;

    ShapeOBB();
    // Copies the size, corners and normals; offset, rotation and pivot start at 0.
    ShapeOBB(const ShapeOBB& other);
    ShapeOBB& operator=(const ShapeOBB&) = delete;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void DrawInspector() override;

    // Sets the Transform's rotation too.
    void SetRotationRadians(float radians) override;
    // Rebuilds the matrix only.
    void SetRotationDegrees(float degrees) override;
    uint32_t GetShapeType() const override { return ShapeType::OBB; }
    void UpdateWorldSize() override;
    Vec3 GetHeadingPoint() const override;
    bool IntersectSegment(const Vec3& a, const Vec3& b, Vec3& closest) const override;
    Vec2 GetSpreadSize() const override { return {HalfLength.x, HalfLength.y}; }

    // The body-space corner furthest along dir; the first of equal corners wins.
    Vec3 GetSupport(const Vec3& dir) const;
    // Turns the box about its pivot to face p.
    void RotateToPoint(const Vec3& p);
    // Builds the matrix from an angle in radians plus the rotation offset.
    void SetMatrix(float radians);

    bool RotateFixedPoint = false; // the box turns about PivotPosition
    Vec3 HalfLength{1.0f, 1.0f, 0.0f};
    Vec3 mCorners[4]{}; // body space, counter-clockwise from bottom left
    Vec3 mNormals[4]{}; // outward normals of edges 0-1, 1-2, 2-3, 3-0
    uint32_t mCornerCount = 4;
    Vec3 PivotOffset{0.0f};   // pivot relative to the body position
    Vec3 PivotPosition{0.0f}; // pivot in world coordinates
    // The angle (with the rotation offset) the matrix was last built from; NaN
    // before the first build, so that it never matches.
    float mMatrixAngle = std::numeric_limits<float>::quiet_NaN();
};
} // namespace Framework
