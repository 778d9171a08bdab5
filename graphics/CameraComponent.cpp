// The Camera as a component: its records, its registration and its inspector.
#include <glm/gtc/matrix_transform.hpp>
#include <imgui.h>
#include "core/objects/Composition.h"
#include "core/game/GameLogic.h"
#include "core/serializers/TextSerializer.h"
#include "core/objects/Transform.h"
#include "core/window/WindowSystem.h"
#include "core/serializers/XmlSerializer.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
void WriteValue(XmlSerializer& serializer, const char* name, float value) { serializer.WriteFloat(name, value); }

void WriteClamp(XmlSerializer& serializer, const char* name, const Vec2& value)
{
    serializer.WriteVec3(name, Vec3(value.x, value.y, 0.0f));
}

void WindowSize(float& width, float& height)
{
    int w = gWindowSystem ? gWindowSystem->mWidth : 0;
    int h = gWindowSystem ? gWindowSystem->mHeight : 0;
    if (w <= 0 || h <= 0)
        Platform::GetWindowClientSize(w, h);
    width = static_cast<float>(w);
    height = static_cast<float>(h);
}
} // namespace

void Camera::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("Camera");
    WriteValue(serializer, "Left", Left);
    WriteValue(serializer, "Right", Right);
    WriteValue(serializer, "Bottom", Bottom);
    WriteValue(serializer, "Top", Top);
    WriteValue(serializer, "Near", Near);
    WriteValue(serializer, "Far", Far);
    serializer.WriteVec3("Position", Position);
    serializer.WriteVec3("Target", Target);
    serializer.WriteVec3("Up", Up);
    WriteClamp(serializer, "MinClamp", MinClamp);
    WriteClamp(serializer, "MaxClamp", MaxClamp);
    serializer.WriteVec3("CamSize", Vec3(CamSize.x, CamSize.y, 0.0f));
    serializer.PopElement();
}

void Camera::UnserializeXml(XmlSerializer& serializer)
{
    float planes[6] = {Left, Right, Bottom, Top, Near, Far};
    for (float& plane : planes)
        serializer.ReadFloat(plane);
    SetOrthographic(planes[0], planes[1], planes[2], planes[3], planes[4], planes[5]);
    serializer.ReadVec3(Position);
    serializer.ReadVec3(Target);
    serializer.ReadVec3(Up);
    Vec3 clamp(MinClamp, 0.0f);
    serializer.ReadVec3(clamp);
    MinClamp = Vec2(clamp);
    clamp = Vec3(MaxClamp, 0.0f);
    serializer.ReadVec3(clamp);
    MaxClamp = Vec2(clamp);
    // The view only steps back along z: the camera's place in the plane comes
    // from its object through the view-projection. A file saved with that
    // place in Position (every save does) must not shift the view twice.
    mView = glm::lookAt(Vec3(0.0f, 0.0f, Position.z), Vec3(0.0f, 0.0f, Target.z), Up);
    Vec3 size = CamSize;
    serializer.ReadVec3(size);
    CamSize.x = size.x;
    CamSize.y = size.y;
}

void Camera::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("Camera");
    serializer.WriteVec3(CamSize);
    serializer.WriteVec3(Vec3(MinClamp, 0.0f));
    serializer.WriteVec3(Vec3(MaxClamp, 0.0f));
    serializer.WriteVec3(Vec3(Position.x, Position.y, 0.0f));
}

void Camera::UnserializeText(TextSerializer& serializer)
{
    Vec3 value = CamSize;
    serializer.ReadVec3(value);
    CamSize = Vec3(value.x, value.y, 1.0f);
    value = Vec3(MinClamp, 0.0f);
    serializer.ReadVec3(value);
    MinClamp = Vec2(value);
    value = Vec3(MaxClamp, 0.0f);
    serializer.ReadVec3(value);
    MaxClamp = Vec2(value);
    value = Position;
    serializer.ReadVec3(value);
    Position.x = value.x;
    Position.y = value.y;
}

void Camera::Initialize()
{
    if (Composition* owner = GetOwner())
        if (const Transform* transform = owner->GetComponent<Transform>())
        {
            Position.x = transform->mPosition.x;
            Position.y = transform->mPosition.y;
        }
    // An archetype's camera is a template: only placed cameras take over the view.
    const bool archetype = GetOwner() && GetOwner()->mKind == ObjectKind::Archetype;
    const bool editing = gLogic && gLogic->mState.mCurrent == GameState::EDITOR;
    if (!editing)
    {
        if (!archetype && gGraphicsSystem)
            gGraphicsSystem->SetActiveCamera(this);
        return;
    }
    float width = 0.0f, height = 0.0f;
    WindowSize(width, height);
    SetUpForEditing(width, height);
}

void Camera::DrawInspector()
{
    ImGui::DragFloat("Left", &Left);
    ImGui::DragFloat("Right", &Right);
    ImGui::DragFloat("Bottom", &Bottom);
    ImGui::DragFloat("Top", &Top);
    ImGui::DragFloat("Near", &Near);
    ImGui::DragFloat("Far", &Far);
    ImGui::DragFloat3("Position", &Position.x);
    ImGui::DragFloat3("Target", &Target.x);
    ImGui::DragFloat3("Up", &Up.x);
    ImGui::DragFloat2("MinClamp", &MinClamp.x);
    ImGui::DragFloat2("MaxClamp", &MaxClamp.x);
    ImGui::DragFloat3("Scale", &CamSize.x);
}
} // namespace Framework
