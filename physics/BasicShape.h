// The collision shape of a body: geometry in body space, an offset from the
// body's position and a rotation. ShapeCircle and ShapeOBB derive from it.
#pragma once
#include <cstddef>
#include <cstdint>
#include "core/objects/Component.h"
#include "core/math/MathTypes.h"

namespace Framework
{
class Body;

namespace ShapeType
{
enum : uint32_t
{
    Circle = 0,
    OBB = 1,
};
}

class BasicShape : public Component
{
public:
    ~BasicShape() override;
    // Shapes lie side by side in blocks (BlockPool.h), one set of blocks for
    // circles and one for boxes.
    static void* operator new(size_t size);
    static void operator delete(void* memory, size_t size);
    static void* operator new(size_t, void* where) noexcept { return where; }
    static void operator delete(void*, void*) noexcept {}

    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    // Links the object's Body both ways and enters the grid (live objects only).
    void Initialize() override;

    virtual void SetRotationRadians(float radians) = 0;
    virtual void SetRotationDegrees(float degrees) = 0;
    virtual uint32_t GetShapeType() const = 0;
    // Recomputes the world size from the Transform's scale.
    virtual void UpdateWorldSize() = 0;
    // The point the body faces, at the shape's length from the body position.
    virtual Vec3 GetHeadingPoint() const = 0;
    // The pick test: whether the segment a-b touches the shape; closest is its nearest point.
    virtual bool IntersectSegment(const Vec3& a, const Vec3& b, Vec3& closest) const = 0;

    // The size the grid spreads a body by, before scaling: (Radius, Radius) or HalfLength.
    virtual Vec2 GetSpreadSize() const = 0;

    // What the broad phase reads of every candidate pair comes first, in the
    // shape's first cache line: offset, type and bounding radius.
    Vec3 Offset{0.0f};         // shape centre relative to the body position
    const uint32_t mShapeType; // GetShapeType's answer, readable without a virtual call
    // A circle about the shape centre that holds the whole shape (world units);
    // kept by UpdateWorldSize with the world size it comes from.
    float mBoundingRadius = 0.0f;
    float mRotationOffset = 0.0f;   // radians, added to the body angle in a box's matrix
    float mM00 = 0.0f, mM01 = 0.0f; // rotation (cos a, -sin a,
    float mM10 = 0.0f, mM11 = 0.0f; //           sin a,  cos a); all 0 in a circle
    Body* mBody = nullptr;          // the Body of the same object

protected:
    explicit BasicShape(uint32_t shapeType) : mShapeType(shapeType) {}
    BasicShape(const BasicShape& other) : Component(other), mShapeType(other.mShapeType) {}
    // The centre c of the pick test and the nearest point of the segment to it.
    Vec3 ClosestPointOnSegment(const Vec3& a, const Vec3& b, Vec3& centre) const;
};
} // namespace Framework
