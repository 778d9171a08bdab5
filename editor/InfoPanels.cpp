// The two information windows at the bottom left of the editor:
// "Level Serializables" edits the active camera's clamps, zoom and position;
// "Additional Informations" shows whether physics runs, where the mouse is in
// the world and on the screen, and the camera's position (editable).
#include <imgui.h>
#include "core/window/InputSys.h"
#include "core/math/MathTypes.h"
#include "core/window/WindowSystem.h"
#include "editor/OurImGui.h"
#include "graphics/GraphicsSystem.h"
#include "physics/Physics.h"

namespace Framework
{
namespace
{
constexpr float kPanelWidth = 325.0f;
constexpr float kItemWidth = 150.0f;
constexpr float kValueColumn = 135.0f; // x of the value beside each label
const ImVec2 kTightWindowPadding(8.0f, 4.0f);
const ImVec2 kTightFramePadding(4.0f, 1.0f);
const ImVec2 kTightItemSpacing(8.0f, 2.0f);

Camera* ActiveCamera() { return gGraphicsSystem ? gGraphicsSystem->GetActiveCamera() : nullptr; }

bool DiffersInPlane(const Vec3& a, const Vec3& b) { return a.x != b.x || a.y != b.y; }
} // namespace

void OurImGui::LevelSerializablesPanel()
{
    const float h = static_cast<float>(mHeight);
    ImGui::SetNextWindowPos(ImVec2(0.0f, 0.7f * h + 22.0f));
    ImGui::SetNextWindowSize(ImVec2(kPanelWidth, 0.16f * h - 22.0f));
    // Four rows of fields in a window 0.16 of the screen high: spaced tightly
    // so all four fit a 768-pixel screen.
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, kTightWindowPadding);
    ImGui::Begin("Level Serializables", nullptr,
                 ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoCollapse);
    ImGui::PopStyleVar();
    Camera* camera = ActiveCamera();
    if (!camera)
    {
        ImGui::Text("No active camera.");
        ImGui::End();
        return;
    }
    CameraWorkingValues& v = mCameraValues;
    if (!v.mRead)
    {
        v.mMin = Vec3(camera->MinClamp.x, camera->MinClamp.y, 0.0f);
        v.mMax = Vec3(camera->MaxClamp.x, camera->MaxClamp.y, 0.0f);
        v.mScale = Vec3(camera->CamSize.x, camera->CamSize.y, 0.0f);
        v.mRead = true;
    }

    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, kTightFramePadding);
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, kTightItemSpacing);
    ImGui::PushItemWidth(kItemWidth);
    ImGui::Text("Camera Min ");
    ImGui::SameLine(kValueColumn);
    ImGui::DragFloat2("##min", &v.mMin.x, 1.0f);
    ImGui::Text("Camera Max");
    ImGui::SameLine(kValueColumn);
    ImGui::DragFloat2("##max", &v.mMax.x, 1.0f);
    ImGui::Text("Camera Scale");
    ImGui::SameLine(kValueColumn);
    ImGui::DragFloat2("##scale", &v.mScale.x, 1.0f);
    ImGui::Text("Camera Position");
    ImGui::SameLine(kValueColumn);
    ImGui::DragFloat2("##pos", &camera->Position.x, 1.0f);
    ImGui::PopItemWidth();
    ImGui::PopStyleVar(2);

    if (DiffersInPlane(v.mMin, v.mLastMin) || DiffersInPlane(v.mMax, v.mLastMax) ||
        DiffersInPlane(v.mScale, v.mLastScale))
    {
        camera->MinClamp = Vec2(v.mMin.x, v.mMin.y);
        camera->MaxClamp = Vec2(v.mMax.x, v.mMax.y);
        camera->CamSize = Vec3(v.mScale.x, v.mScale.y, 1.0f);
        v.mLastMin = v.mMin;
        v.mLastMax = v.mMax;
        v.mLastScale = v.mScale;
    }
    ImGui::End();
}

void OurImGui::AdditionalInfoPanel()
{
    const float h = static_cast<float>(mHeight);
    ImGui::SetNextWindowPos(ImVec2(0.0f, 0.86f * h));
    ImGui::SetNextWindowSize(ImVec2(kPanelWidth, 0.14f * h));
    ImGui::Begin("Additional Informations", nullptr,
                 ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoScrollbar |
                     ImGuiWindowFlags_NoCollapse);
    ImGui::PushItemWidth(kItemWidth);
    ImGui::Text("Physics");
    ImGui::SameLine(kValueColumn);
    ImGui::TextUnformatted(gPhysics && gPhysics->mRunning ? ": Enabled" : ": Disabled");
    if (gInput)
    {
        const InputState& input = gInput->mState;
        ImGui::Text("Mouse World Coord");
        ImGui::SameLine(kValueColumn);
        ImGui::Text(": (%.2f, %.2f)", input.GetMouseWorldX(), input.GetMouseWorldY());
        float x = 0.0f, y = 0.0f;
        MouseInWindow(input, x, y);
        ImGui::Text("Mouse Sceen Coord");
        ImGui::SameLine(kValueColumn);
        ImGui::Text(": (%.2f, %.2f)", x, y);
    }
    if (Camera* camera = ActiveCamera())
    {
        ImGui::Text("Camera Coord");
        ImGui::SameLine(kValueColumn);
        ImGui::DragFloat2("##camera", &camera->Position.x, 1.0f);
    }
    ImGui::PopItemWidth();
    ImGui::End();
}
} // namespace Framework
