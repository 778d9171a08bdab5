#include "graphics/Camera.h"
#include <glm/gtc/matrix_transform.hpp>
#include <imgui.h>
#include <algorithm>
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "graphics/GraphicsSystem.h"

namespace Framework
{
namespace
{
constexpr int WheelAway = 1; // InputState::mWheelDirection values
constexpr int WheelTowards = 2;

// The editor's panels take the wheel while the mouse is over one of them.
bool MouseOverEditorWindow()
{
    return ImGui::GetCurrentContext() && ImGui::IsWindowHovered(ImGuiHoveredFlags_AnyWindow);
}
} // namespace

Camera::~Camera()
{
    // A deleted camera must never stay active: the loading frames read it.
    if (gGraphicsSystem)
        gGraphicsSystem->ReleaseActiveCamera(this);
}

void Camera::SetOrthographic(float left, float right, float bottom, float top, float nearPlane, float farPlane)
{
    mProjection = glm::ortho(left, right, bottom, top, nearPlane, farPlane);
    mHalfWidth = (right - left) * 0.5f;
    mHalfHeight = (top - bottom) * 0.5f;
    UpdateViewProjection();
    Left = left;
    Right = right;
    Bottom = bottom;
    Top = top;
    Near = nearPlane;
    Far = farPlane;
}

void Camera::UpdateViewProjection() { mViewProjection = glm::translate(glm::scale(mProjection, CamSize), -Position); }

void Camera::Update(float dt)
{
    if (gInput && gInput->mState.IsTriggered(VK_F3))
        mMode = mMode == 1 ? 2 : mMode == 2 ? 1 : 0;
    if (mMode == 1)
        UpdateEditorControls(dt);
    UpdateViewProjection();
}

void Camera::UpdateEditorControls(float dt)
{
    if (GetOwner())
    {
        DrawViewRectangle();
        return;
    }
    if (!gInput)
        return;
    const InputState& input = gInput->mState;
    const float step = dt * mZoomSpeed;
    if (input.mWheelDirection != 0 && !MouseOverEditorWindow())
    {
        if (input.mWheelDirection == WheelTowards)
        {
            CamSize.x = std::max(CamSize.x - step, MinZoom);
            CamSize.y = std::max(CamSize.y - step, MinZoom);
        }
        else if (input.mWheelDirection == WheelAway)
        {
            CamSize.x += step;
            CamSize.y += step;
        }
    }
    if (input.IsTriggered(VK_RBUTTON))
        mDragStart = Position;
    if (input.IsHeld(VK_RBUTTON))
    {
        const Camera* active = gGraphicsSystem ? gGraphicsSystem->GetActiveCamera() : this;
        const Vec3 zoom = active ? active->CamSize : CamSize;
        const Vec3& start = input.mRightClickScreen;
        const Vec3& now = input.mCursor;
        // Screen y grows downwards; the world point under the cursor stays under it.
        Position.x = mDragStart.x + (start.x - now.x) / zoom.x;
        Position.y = mDragStart.y + (now.y - start.y) / zoom.y;
        Position.z = mDragStart.z;
    }
}

void Camera::DrawViewRectangle()
{
    const Transform* transform = GetOwner()->GetComponent<Transform>();
    if (!transform || !gGraphicsSystem)
        return;
    const float x = transform->mPosition.x;
    const float y = transform->mPosition.y;
    const float hx = VisibleHalfWidth();
    const float hy = VisibleHalfHeight();
    const Color blue(0.0f, 0.0f, 1.0f, 1.0f);
    const float corners[5][2] = {
        {x - hx, y - hy}, {x - hx, y + hy}, {x + hx, y + hy}, {x + hx, y - hy}, {x - hx, y - hy}};
    for (int i = 0; i < 4; ++i)
        gGraphicsSystem->DrawLine(corners[i], corners[i + 1], blue);
    const float left[2] = {x - hx, y}, right[2] = {x + hx, y};
    const float bottom[2] = {x, y - hy}, top[2] = {x, y + hy};
    gGraphicsSystem->DrawLine(left, right, blue);
    gGraphicsSystem->DrawLine(bottom, top, blue);
}

bool Camera::IsInView(const Vec3& centre, const Vec3& halfSize) const
{
    const float hx = VisibleHalfWidth();
    const float hy = VisibleHalfHeight();
    if (Position.x - hx > centre.x + halfSize.x || centre.x - halfSize.x > Position.x + hx)
        return false;
    if (Position.y - hy > centre.y + halfSize.y || centre.y - halfSize.y > Position.y + hy)
        return false;
    return true;
}

void Camera::SetUpForEditing(float windowWidth, float windowHeight)
{
    SetOrthographic(-windowWidth / 2.0f, windowWidth / 2.0f, -windowHeight / 2.0f, windowHeight / 2.0f, 0.1f, 100.0f);
    Position = Vec3(0.0f, 0.0f, 30.0f);
    Target = Vec3(0.0f, 0.0f, 0.0f);
    Up = Vec3(0.0f, 1.0f, 0.0f);
    mView = glm::lookAt(Position, Target, Up);
    if (gFactory)
        MaxClamp =
            Vec2(static_cast<float>(gFactory->mTileGrid.mWidth), static_cast<float>(gFactory->mTileGrid.mHeight));
}
} // namespace Framework
