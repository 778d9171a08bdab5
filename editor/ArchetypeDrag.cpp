// Dragging an archetype from its list into the level: while an entry is held
// its picture follows the mouse at the size it will have in the level, with a
// line back to the list; released over the level, a live copy is made under
// the mouse. Released over an editor window (the list itself, say), nothing is
// made: selecting an archetype must not add objects.
#include <imgui.h>
#include <algorithm>
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "editor/EditorWidgets.h"
#include "editor/EditPanels.h"
#include "editor/OurImGui.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"

namespace Framework
{
namespace
{
const ImVec4 kLineColour(0.0f, 0.0f, 0.8f, 0.392157f);
constexpr float kLineThickness = 4.0f;
constexpr float kListMargin = 2.0f; // the line starts this far outside the list at most

Vec3 MouseWorld()
{
    if (!gInput)
        return Vec3(0.0f);
    return Vec3(gInput->mState.GetMouseWorldX(), gInput->mState.GetMouseWorldY(), 0.0f);
}

// The archetype's current frame centred on the mouse, as large as in the level.
void DrawDraggedPicture(ImDrawList& drawList, const Composition& archetype, const Renderer& renderer)
{
    const Sprite* frame = renderer.CurrentFrame();
    if (!frame)
        return;
    Vec3 zoom(1.0f);
    if (gGraphicsSystem)
        if (const Camera* camera = gGraphicsSystem->GetActiveCamera())
            zoom = camera->CamSize;
    Vec3 scale(1.0f);
    if (const Transform* transform = archetype.GetComponent<Transform>())
        scale = transform->mScale;
    const ImVec2 half(zoom.x * scale.x * 0.5f, zoom.y * scale.y * 0.5f);
    const ImVec2 mouse = ImGui::GetIO().MousePos;
    drawList.AddImage(reinterpret_cast<ImTextureID>(static_cast<intptr_t>(frame->mTextureId)),
                      ImVec2(mouse.x - half.x, mouse.y - half.y), ImVec2(mouse.x + half.x, mouse.y + half.y),
                      ImVec2(frame->mCorners[0].x, frame->mCorners[0].y),
                      ImVec2(frame->mCorners[3].x, frame->mCorners[3].y));
}
} // namespace

void ArchetypeDrag(OurImGui& editor, bool held)
{
    EditPanelsState& state = editor.mPanels;
    const ObjectMap* archetypes = editor.mArchetypeMap;
    const int count = archetypes ? static_cast<int>(archetypes->size()) : 0;
    const bool valid = editor.mSelectedIndex >= 0 && editor.mSelectedIndex < count;
    if (held && valid)
    {
        // The list box is the last item: its rectangle, grown a little.
        ImVec2 listMin = ImGui::GetItemRectMin(), listMax = ImGui::GetItemRectMax();
        listMin.x -= kListMargin;
        listMin.y -= kListMargin;
        listMax.x += kListMargin;
        listMax.y += kListMargin;
        const Composition* archetype = MapValueAt(*archetypes, editor.mSelectedIndex);
        ImDrawList* drawList = ImGui::GetWindowDrawList();
        drawList->PushClipRectFullScreen();
        if (const Renderer* renderer = archetype ? archetype->GetComponent<Renderer>() : nullptr)
        {
            DrawDraggedPicture(*drawList, *archetype, *renderer);
            state.mArchetypeDragged = true;
        }
        const ImGuiIO& io = ImGui::GetIO();
        ImVec2 from = io.MouseClickedPos[0];
        from.x = std::clamp(from.x, listMin.x, listMax.x);
        from.y = std::clamp(from.y, listMin.y, listMax.y);
        drawList->AddLine(from, io.MousePos, ImGui::GetColorU32(kLineColour), kLineThickness);
        drawList->PopClipRect();
    }

    if (!state.mArchetypeDragged || !ImGui::IsMouseReleased(ImGuiMouseButton_Left))
        return;
    state.mArchetypeDragged = false;
    if (!valid || !MouseIsOverScene())
        return;
    if (Composition* copy = CloneArchetype(editor.mSelectedIndex))
        PlaceObjectAt(*copy, MouseWorld());
}
} // namespace Framework
