// The rigid-body component: mass, velocity, the flags the game rules read, and
// the links to its shape and its object's Transform.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"
#include "core/objects/Composition.h"
#include "core/math/MathTypes.h"
#include "core/objects/Transform.h"
#include "physics/BasicShape.h"

namespace Framework
{

// Bits of Body::ProbeTiles and Body::ProbeGround.
namespace ProbeBit
{
enum : uint32_t
{
    Left = 1,
    Right = 2,
    Top = 4,
    Bottom = 8,
    RisingSlope = 32,
    FallingSlope = 128,
};
}

class Body : public Component
{
public:
    static constexpr int32_t TypeId = ComponentType::Body;

    Body();
    Body(const Body& other);
    Body& operator=(const Body&) = delete;
    ~Body() override;
    // Bodies lie side by side in blocks (BlockPool.h); a derived class larger
    // than a Body gets a heap block of its own.
    static void* operator new(size_t size);
    static void operator delete(void* memory, size_t size);
    static void* operator new(size_t, void* where) noexcept { return where; }
    static void operator delete(void*, void*) noexcept {}

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    void Initialize() override;
    void DrawInspector() override;

    // Static below 1e-11; otherwise joins the dynamic list (once).
    void ComputeMass();
    // Accumulates an acceleration while the simulation runs.
    void AddForce(const Vec3& force);
    void SetOrientation(float radians);
    // Moves the body and its Transform, and between grid cells when it has a shape.
    void SetPosition(const Vec3& position);
    // Carries the body's position to its Transform.
    void SyncTransform();
    // One half step of velocity: gravity, force, tile landing, damping.
    void IntegrateForces(float dt);
    // Moves the body by its velocity, rolls circles, then the second half step.
    void IntegrateVelocity(float dt);
    // Which tiles touch the shape's sides (ProbeBit values).
    uint32_t ProbeTiles();
    // Whether a solid tile lies under the shape: ProbeTiles' Bottom bit, from the
    // bottom probe alone unless the probes are being drawn.
    bool ProbeLanding();
    // Whether there is solid ground under each side's edge (ProbeBit values).
    uint32_t ProbeGround();
    Vec3 GetShapeCenter() const
    {
        if (!mShape)
            return Vec3(0.0f);
        return {mPosition.x + mShape->Offset.x, mPosition.y + mShape->Offset.y, 0.0f};
    }
    Vec3 GetHalfExtents() const;
    // The Transform's x and y scale, (1, 1) without a Transform.
    Vec2 GetScale() const { return mTransform ? Vec2(mTransform->mScale.x, mTransform->mScale.y) : Vec2(1.0f, 1.0f); }
    // Whether the owner is an archetype (never simulated).
    bool IsArchetype() const;
    // The owner's ObjectTag; None without an owner.
    uint32_t GetTag() const { return GetOwnerTag(); }

    // Fields are grouped by when the step reads them, so that a pass over many
    // bodies touches as few cache lines of each as it can: the broad phase and
    // the pair rules read the first line only, the integration the first two.
    Vec3 mPosition{0.0f}; // copied from the Transform by Initialize and each half step
    bool mStatic = false; // mass below 1e-11: never integrated
    bool mCollide = true;
    bool mInteractable = false;
    bool mUseGravity = true;         // set each running step; cleared for a body resting on another interactable
    BasicShape* mShape = nullptr;    // the sibling shape (owned only by a tile body)
    Transform* mTransform = nullptr; // the object's Transform (owned only by a tile body)
    // The contact step (Physics::mContactStep) in which a record with this body
    // was last added: a pair can have a record this step only if both bodies do.
    uint32_t mContactStep = 0;
    float mInverseMass = 0.0f; // 0 for a static body

    Vec3 mVelocity{0.0f};
    Vec3 mForce{0.0f}; // cleared after each running step
    float mAngularVelocity = 0.0f;
    float mTorque = 0.0f; // cleared after each running step
    float mInverseInertia = 0.0f;
    float mRestitution = 0.2f;
    float mOrientation = 0.0f; // radians
    bool mRotation = true;     // angular integration and rolling
    bool mTouching = true;     // false: the impulse zeroes this body's velocity
    float mMass = 0.0f;
    float mInertia = 0.0f;  // mass x scale x x scale y
    uint32_t mTileType = 0; // tile kind of a grid tile body; 0 for other bodies

    float mMaxVelocity = 5.0f; // edited and copied only; nothing clamps to it
    float mMaxVelocitySquared = 25.0f;

    Vec3 mStartPosition{0.0f};
    // Grid cells (linear indices) this body was entered into, so that it always
    // leaves exactly those, whatever happened to its Transform or shape since.
    std::vector<uint32_t> mGridCells;
    int mGridColumn = -1; // the cell of its shape centre when entered; -1: none
    int mGridRow = -1;
    // Bits of BodyListBit for the physics lists this body was appended to through
    // ListBody. A clear bit means "not in that list", so a body entering a long
    // list needs no search of it; a set bit is checked against the list.
    uint32_t mListedIn = 0;
    bool mOwnsParts = false; // a standalone tile body: owns its Transform and shape
    bool mForgotten = false; // already taken out of the physics lists in bulk (grid clear)
};
} // namespace Framework
