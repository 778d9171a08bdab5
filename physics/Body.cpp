// Body: lifecycle, mass, serialisation and the inspector.
#include "physics/Body.h"
#include <imgui.h>
#include "core/engine/DebugSystem.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "core/objects/Transform.h"
#include "physics/BasicShape.h"
#include "physics/BodyList.h"
#include "physics/ObjectAccess.h"
#include "physics/Physics.h"
#include "physics/BlockPool.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
namespace
{
BlockPool& BodySlots()
{
    static BlockPool* pool = new BlockPool(sizeof(Body)); // outlives every static body
    return *pool;
}
} // namespace

void* Body::operator new(size_t size) { return BodySlots().Take(size); }
void Body::operator delete(void* memory, size_t size) { BodySlots().Give(memory, size); }

Body::Body() = default;

Body::Body(const Body& other)
    : Component(other), mPosition(other.mPosition), mStatic(other.mStatic), mCollide(other.mCollide),
      mInteractable(other.mInteractable), mUseGravity(other.mUseGravity), mInverseMass(other.mInverseMass),
      mVelocity(other.mVelocity), mForce(other.mForce), mAngularVelocity(other.mAngularVelocity),
      mTorque(other.mTorque), mInverseInertia(other.mInverseInertia), mRestitution(other.mRestitution),
      mOrientation(other.mOrientation), mRotation(other.mRotation), mTouching(other.mTouching), mMass(other.mMass),
      mInertia(other.mInertia), mTileType(other.mTileType), mMaxVelocity(other.mMaxVelocity),
      mMaxVelocitySquared(other.mMaxVelocitySquared), mStartPosition(other.mStartPosition)
{
    Log("Body Copy constructor");
}

Body::~Body()
{
    if (gSpatialGrid)
        gSpatialGrid->Remove(this);
    if (gPhysics && !mForgotten)
        gPhysics->ForgetBody(this);
    if (mShape)
        mShape->mBody = nullptr;
    if (mOwnsParts)
    {
        delete mShape;
        delete mTransform;
    }
    mShape = nullptr;
    mTransform = nullptr;
}

void Body::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("Body");
    serializer.WriteFloat("Mass", mMass);
    serializer.WriteFloat("Restiution", mRestitution); // the stored files spell it so
    serializer.WriteBool("Collide", mCollide);
    serializer.WriteBool("Rotation", mRotation);
    serializer.WriteBool("Interactable", mInteractable);
    serializer.PopElement();
}

void Body::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("Body");
    serializer.WriteFloat(mMass);
    serializer.WriteFloat(mRestitution);
    serializer.WriteBool(mCollide);
    serializer.WriteBool(mRotation);
    serializer.WriteBool(mInteractable);
}

void Body::UnserializeXml(XmlSerializer& serializer)
{
    serializer.ReadFloat(mMass);
    serializer.ReadFloat(mRestitution);
    serializer.ReadBool(mCollide);
    serializer.ReadBool(mRotation);
    serializer.ReadBool(mInteractable);
}

void Body::UnserializeText(TextSerializer& serializer)
{
    serializer.ReadFloat(mMass);
    serializer.ReadFloat(mRestitution);
    serializer.ReadBool(mCollide);
    serializer.ReadBool(mRotation);
    serializer.ReadBool(mInteractable);
}

void Body::Initialize()
{
    Log("Body Initialize");
    Composition* owner = OwnerOf(this);
    mTransform = owner ? owner->GetComponent<Transform>() : nullptr;
    if (mTransform)
    {
        mTransform->UpdateMatrix();
        mPosition = mTransform->mPosition;
        // Integration copies the angle every step, but a static body is never
        // integrated: without this a turned wall or bottle would collide and
        // be judged as if it lay flat.
        mOrientation = mTransform->mRotation * PhysicsPi / 180.0f;
    }
    if (gPhysics && owner)
    {
        if (KindOf(owner) == ObjectKind::Archetype)
        {
            ListBody(gPhysics->mArchetypeBodies, this, BodyListBit::Archetypes);
        }
        else
        {
            ListBody(gPhysics->mBodies, this, BodyListBit::All);
            ListBody(gPhysics->mObjectBodies, this, BodyListBit::Objects);
            ComputeMass();
            if (KindOf(owner) == ObjectKind::GameObject)
            {
                ListBody(gPhysics->mActiveBodies, this, BodyListBit::Active);
                if (mInteractable)
                    ListBody(gPhysics->mInteractableBodies, this, BodyListBit::Interactable);
            }
        }
    }
    mStartPosition = mPosition;
}

bool Body::IsArchetype() const
{
    const Composition* owner = OwnerOf(this);
    return owner && KindOf(owner) == ObjectKind::Archetype;
}

void Body::ComputeMass()
{
    if (mMass >= PhysicsEpsilon)
    {
        const Vec2 scale = GetScale();
        mInverseMass = 1.0f / mMass;
        mInertia = mMass * scale.x * scale.y;
        mInverseInertia = mInertia != 0.0f ? 1.0f / mInertia : 0.0f;
        mStatic = false;
        // An archetype is a template: editing its mass must not make it simulate.
        if (gPhysics && !IsArchetype())
            ListBody(gPhysics->mDynamicBodies, this, BodyListBit::Dynamic);
    }
    else
    {
        mStatic = true;
        mMass = 0.0f;
        mInverseMass = 0.0f;
        mInertia = 0.0f;
        mInverseInertia = 0.0f;
        if (gPhysics)
            UnlistBody(gPhysics->mDynamicBodies, this, BodyListBit::Dynamic);
    }
}

void Body::AddForce(const Vec3& force)
{
    if (!gPhysics || !gPhysics->mRunning)
        return;
    mForce.x += force.x;
    mForce.y += force.y;
}

void Body::SetOrientation(float radians)
{
    if (mShape)
        mShape->SetRotationRadians(radians);
    mOrientation = radians;
}

void Body::SetPosition(const Vec3& position)
{
    if (mShape && gSpatialGrid)
    {
        gSpatialGrid->SetBodyPosition(this, position);
        return;
    }
    mPosition = position;
    if (mTransform)
    {
        mTransform->mPosition = position;
        mTransform->UpdateMatrix();
    }
}

void Body::SyncTransform()
{
    if (!mTransform)
        return;
    if (gPhysics && gPhysics->mRunning && mShape && gSpatialGrid)
    {
        gSpatialGrid->SetBodyPosition(this, mPosition);
        return;
    }
    mTransform->mPosition = mPosition;
    mTransform->UpdateMatrix();
}

Vec3 Body::GetHalfExtents() const
{
    if (!mShape)
        return Vec3(0.0f);
    const Vec2 scale = GetScale();
    const Vec2 size = mShape->GetSpreadSize();
    if (mShape->mShapeType == ShapeType::Circle)
    {
        const float half = scale.x * size.x * 0.5f;
        return {half, half, 0.0f};
    }
    return {scale.x * size.x * 0.5f, scale.y * size.y * 0.5f, 0.0f};
}

void Body::DrawInspector()
{
    if (ImGui::DragFloat("Mass", &mMass, 1.0f, 0.0f, 0.0f, "%.3f"))
        ComputeMass();
    ImGui::DragFloat("Restitution", &mRestitution, 1.0f, 0.0f, 0.0f, "%.3f");
    ImGui::DragFloat("AngularVelocity", &mAngularVelocity, 1.0f, 0.0f, 0.0f, "%.3f");
    if (ImGui::DragFloat("Max Velocity", &mMaxVelocity, 1.0f, 0.0f, 0.0f, "%.3f"))
        mMaxVelocitySquared = mMaxVelocity * mMaxVelocity;
    float velocity[2] = {mVelocity.x, mVelocity.y};
    if (ImGui::DragFloat2("Velocity", velocity, 1.0f, 0.0f, 0.0f, "%.3f"))
    {
        mVelocity.x = velocity[0];
        mVelocity.y = velocity[1];
    }
    ImGui::Checkbox("Collide", &mCollide);
    ImGui::Checkbox("Rotation", &mRotation);
    if (ImGui::Checkbox("Interactable", &mInteractable) && gPhysics)
    {
        if (!mInteractable)
            UnlistBody(gPhysics->mInteractableBodies, this, BodyListBit::Interactable);
        else if (!IsArchetype())
            ListBody(gPhysics->mInteractableBodies, this, BodyListBit::Interactable);
    }
}
} // namespace Framework
