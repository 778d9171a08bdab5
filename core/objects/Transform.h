// Places an object in the 2D world: position, rotation in degrees, scale, and
// the matrix built from them.
#pragma once
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"
#include "core/math/MathTypes.h"
#include "core/math/Matrix3.h"

namespace Framework
{
class Transform : public Component
{
public:
    static constexpr int32_t TypeId = ComponentType::Transform;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    void Initialize() override {}

    void SetPosition(const Vec3& position) { mPosition = position; }
    // Stores the angle in degrees, brought once into [0, 360).
    void SetRotationRadians(float radians);
    // Rebuilds the matrix from scale, rotation and position.
    void UpdateMatrix();
    // Whether the segment start-end hits the object (picking); hit receives the
    // point tested.
    bool HitTest(const Vec3& start, const Vec3& end, Vec3& hit);

    // How picking may test a Body's shape in the current state.
    enum class ShapeTest
    {
        Never,          // the state does not pick bodies
        IfInteractable, // only a body flagged Interactable
        Always,
    };
    // The shapes belong to physics, which installs this test: it returns -1 when
    // the body has no shape, otherwise 1 for a hit and 0 for a miss or a refusal.
    using BodyShapeTest = int (*)(Component& body, ShapeTest allowed, const Vec3& start, const Vec3& end, Vec3& hit);
    static BodyShapeTest sBodyShapeTest;

    Vec3 mPosition{0.0f, 0.0f, 0.0f}; // world units; z is carried along to drawing
    float mRotation = 0.0f;           // degrees
    Vec3 mScale{1.0f, 1.0f, 1.0f};    // size in world units
    Matrix3 mMatrix = Matrix3::Identity();
};
} // namespace Framework
