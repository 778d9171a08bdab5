#include "core/objects/Transform.h"
#include <algorithm>
#include "core/objects/Composition.h"
#include "core/game/GameLogic.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"

namespace Framework
{
Transform::BodyShapeTest Transform::sBodyShapeTest = nullptr;

void Transform::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("Transform");
    serializer.WriteVec3("Position", mPosition);
    serializer.WriteVec3("Scale", mScale);
    serializer.WriteFloat("Rotation", mRotation);
    serializer.PopElement();
}

void Transform::UnserializeXml(XmlSerializer& serializer)
{
    serializer.ReadVec3(mPosition);
    serializer.ReadVec3(mScale);
    serializer.ReadFloat(mRotation);
}

void Transform::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("Transform");
    serializer.WriteVec3(mPosition);
    serializer.WriteVec3(mScale);
    serializer.WriteFloat(mRotation);
}

void Transform::UnserializeText(TextSerializer& serializer)
{
    serializer.ReadVec3(mPosition);
    serializer.ReadVec3(mScale);
    serializer.ReadFloat(mRotation);
}

void Transform::SetRotationRadians(float radians)
{
    mRotation = radians * 180.0f / 3.1415927f;
    // One wrap only: callers pass angles within one turn of the range.
    if (mRotation >= 360.0f)
        mRotation -= 360.0f;
    else if (mRotation < 0.0f)
        mRotation += 360.0f;
}

void Transform::UpdateMatrix()
{
    // From the identity each time, so repeated calls never compound.
    mMatrix = Matrix3::Identity();
    mMatrix.m[1][1] = mScale.y;
    mMatrix.m[0][0] = mScale.x;
    mMatrix.RotateDegrees(mRotation);
    mMatrix.m[0][2] = mPosition.x;
    mMatrix.m[1][2] = mPosition.y;
}

bool Transform::HitTest(const Vec3& start, const Vec3& end, Vec3& hit)
{
    const uint32_t state = gLogic ? gLogic->mState.mCurrent : GameState::NONE;
    const bool editor = state == GameState::EDITOR;
    const bool menu = state == GameState::MAIN_MENU || state == GameState::CREDITS;
    const bool level = state == GameState::LEVEL;
    Component* body = mOwner ? mOwner->GetComponent(ComponentType::Body) : nullptr;
    const bool hasButton = mOwner && mOwner->GetComponent(ComponentType::Button);

    if (body && sBodyShapeTest)
    {
        ShapeTest allowed = ShapeTest::Never;
        if (editor)
            allowed = ShapeTest::Always;
        else if (level || menu)
            allowed = hasButton ? ShapeTest::Always : ShapeTest::IfInteractable;
        const int result = sBodyShapeTest(*body, allowed, start, end, hit);
        if (result >= 0)
            return result == 1;
    }

    // No body, or a body without a shape: the nearest point of the segment in the scale box.
    if (!(editor || (menu && hasButton)))
        return false;
    const Vec3 d = end - start;
    const float length2 = glm::dot(d, d);
    // A zero-length segment gives t = NaN: hit becomes NaN and no bound holds.
    float t = glm::dot(mPosition - start, d) / length2;
    if (t < 0.0f)
        t = 0.0f;
    else if (t > 1.0f)
        t = 1.0f;
    hit = start + t * d;
    return hit.x >= mPosition.x - mScale.x / 2 && hit.x <= mPosition.x + mScale.x / 2 &&
           hit.y >= mPosition.y - mScale.y / 2 && hit.y <= mPosition.y + mScale.y / 2;
}
} // namespace Framework
