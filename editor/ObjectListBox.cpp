// The list boxes of "All Game Objects". ImGui's own list box selects an entry
// when the button is released over it, so a drag that starts on another entry
// would carry the one selected before; here an entry is selected as it is
// pressed. Only entries count as held: dragging the scroll bar is no drag.
#include <imgui.h>
#include <iterator>
#include "core/objects/Composition.h"
#include "editor/EditPanels.h"

namespace Framework
{
bool ObjectListBox(const char* id, const ObjectMap& map, int* selected, int rows)
{
    const ImGuiStyle& style = ImGui::GetStyle();
    const float height = ImGui::GetTextLineHeightWithSpacing() * static_cast<float>(rows) + style.FramePadding.y * 2.0f;
    bool held = false;
    if (!ImGui::BeginListBox(id, ImVec2(-1.0f, height)))
        return false;
    ImGuiListClipper clipper;
    clipper.Begin(static_cast<int>(map.size()));
    while (clipper.Step())
    {
        auto it = std::next(map.begin(), clipper.DisplayStart);
        for (int n = clipper.DisplayStart; n < clipper.DisplayEnd && it != map.end(); ++n, ++it)
        {
            const Composition* object = it->second;
            // Names repeat: the entry's number keeps their IDs apart.
            ImGui::PushID(n);
            ImGui::Selectable(object ? object->mName.c_str() : "", n == *selected);
            if (ImGui::IsItemActivated())
                *selected = n;
            if (ImGui::IsItemActive())
                held = true;
            ImGui::PopID();
        }
    }
    ImGui::EndListBox();
    return held;
}
} // namespace Framework
