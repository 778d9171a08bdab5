#include "editor/EditorWidgets.h"
#include <imgui.h>
#include <iterator>
#include "core/objects/Composition.h"
#include "graphics/GraphicsSystem.h"

namespace Framework
{
namespace
{
constexpr int kPickerColumns = 4;
constexpr float kPickerCell = 64.0f; // pixels
} // namespace

Composition* MapValueAt(const std::map<uint32_t, Composition*>& map, int n)
{
    if (map.empty() || (n > 0 && static_cast<size_t>(n) >= map.size()))
        return nullptr;
    auto it = map.begin();
    if (n > 0)
        std::advance(it, n);
    return it->second;
}

bool ObjectNameGetter(void* data, int n, const char** out)
{
    const auto* map = static_cast<const std::map<uint32_t, Composition*>*>(data);
    if (!map || n < 0 || static_cast<size_t>(n) >= map->size())
        return false;
    const Composition* object = MapValueAt(*map, n);
    if (!object)
        return false;
    *out = object->mName.c_str();
    return true;
}

void DrawSpritePicker(const std::string& sheetName, uint32_t* selected, uint32_t rows)
{
    const SpriteSheet* sheet = GraphicsSystem::GetSpriteSheet(sheetName);
    if (!sheet)
        return;
    const uint32_t cells = rows * kPickerColumns;
    for (uint32_t i = 0; i < cells && i < sheet->mFrames.size(); ++i)
    {
        const Sprite& frame = sheet->mFrames[i];
        // Every frame shares its sheet's texture: the cell number keeps the buttons apart.
        ImGui::PushID(static_cast<int>(i));
        const ImVec2 uv0(frame.mCorners[0].x, frame.mCorners[0].y);
        const ImVec2 uv1(frame.mCorners[3].x, frame.mCorners[3].y);
        if (ImGui::ImageButton(reinterpret_cast<ImTextureID>(static_cast<intptr_t>(frame.mTextureId)),
                               ImVec2(kPickerCell, kPickerCell), uv0, uv1, -1, ImVec4(0, 0, 0, 0),
                               ImVec4(1, 1, 1, 1)) &&
            selected)
            *selected = i;
        ImGui::PopID();
        const bool lastOfRow = (i % kPickerColumns) == kPickerColumns - 1;
        if (!lastOfRow && i + 1 < cells && i + 1 < sheet->mFrames.size())
            ImGui::SameLine();
    }
}
} // namespace Framework
