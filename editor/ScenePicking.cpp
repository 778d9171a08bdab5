// Picking and dragging objects in the level with the mouse, outside every
// editor window and outside the tile map mode: a left click on an object
// selects it in the object list when the list shows the live objects (in
// Archetype mode it is only picked, so the list's selection stays an
// archetype); with Ctrl held the left button drags it by the pointer's motion
// (a shaped body through its body, an object without one through its
// Transform). Only a box set to turn about its own fixed point turns to face
// the pointer instead: any other box would swing about the world origin.
#include <imgui.h>
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "editor/EditPanels.h"
#include "editor/OurImGui.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeOBB.h"

namespace Framework
{
namespace
{
void ForgetPick(EditPanelsState& state)
{
    Composition* picked = state.mPicked.Get();
    if (picked && gPhysics && gPhysics->HoverObject() == picked)
        gPhysics->SetHoverObject(nullptr);
    state.mPicked.Clear();
}

void DragPicked(Composition& picked, const Vec3& mouse)
{
    Physics& physics = *gPhysics;
    const Vec3 delta(mouse.x - physics.mLastMousePosition.x, mouse.y - physics.mLastMousePosition.y, 0.0f);
    Body* body = picked.GetComponent<Body>();
    if (body && body->mShape)
    {
        auto* box = dynamic_cast<ShapeOBB*>(body->mShape);
        if (box && box->RotateFixedPoint)
        {
            box->RotateToPoint(mouse);
            return;
        }
        physics.mLastMousePosition = mouse;
        body->SetPosition(Vec3(body->mPosition.x + delta.x, body->mPosition.y + delta.y, body->mPosition.z));
        return;
    }
    physics.mLastMousePosition = mouse;
    if (Transform* transform = picked.GetComponent<Transform>())
    {
        transform->mPosition.x += delta.x;
        transform->mPosition.y += delta.y;
        transform->UpdateMatrix();
    }
}
} // namespace

bool MouseIsOverScene() { return !ImGui::GetIO().WantCaptureMouse; }

void ScenePicking(OurImGui& editor)
{
    EditPanelsState& state = editor.mPanels;
    if (!PickedIsAlive(state))
        ForgetPick(state);
    if (!gInput || !gPhysics || !gFactory || !MouseIsOverScene())
        return;
    const InputState& input = gInput->mState;
    const Vec3 mouse(input.GetMouseWorldX(), input.GetMouseWorldY(), 0.0f);

    const bool released = !input.mCurrentKeys[VK_LBUTTON] && input.mPreviousKeys[VK_LBUTTON];
    if (released)
    {
        ForgetPick(state);
        return;
    }
    if (Composition* held = state.mPicked.Get(); held && input.IsHeld(VK_LBUTTON) && input.IsHeld(VK_CONTROL))
    {
        DragPicked(*held, mouse);
        return;
    }
    if (!input.IsTriggered(VK_LBUTTON))
        return;

    ForgetPick(state);
    Composition* picked = gPhysics->PickObject(mouse);
    int index = 0;
    for (const auto& entry : gFactory->mObjects)
    {
        if (entry.second == picked && picked)
        {
            // A click on something that is no live object (a tile) keeps the selection.
            if (editor.mObjectType == EditorObjectType::LiveObjects)
                editor.mSelectedIndex = index;
            state.mPicked.Set(picked);
            gPhysics->SetHoverObject(picked);
            gPhysics->mLastMousePosition = mouse;
            return;
        }
        ++index;
    }
}
} // namespace Framework
