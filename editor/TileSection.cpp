// The tile tools inside "All Game Objects" (tile map mode): the collision kind
// to paint, the chosen collider and platform tiles, the map's size with
// "Apply Changes", and "Clear TileMap".
#include <imgui.h>
#include <cmath>
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "editor/EditorWidgets.h"
#include "editor/EditPanels.h"
#include "editor/OurImGui.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/RenderingManager.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
namespace
{
const char* const kColliderSheet = "TileCollider";
constexpr uint32_t kColliderRows = 2; // 8 collision kinds, four to a row
constexpr float kPickerCell = 64.0f;  // DrawSpritePicker's buttons
// Tighter than the editor's style inside the picker, so four buttons fit the
// object list's width and the section fits a 768-pixel-high window.
const ImVec2 kPickerPadding(2.0f, 2.0f);
const ImVec2 kPickerSpacing(2.0f, 2.0f);
constexpr float kPreviewSize = 64.0f;

// Frame index of the named sheet as a 64 x 64 picture; a missing sheet or
// frame leaves an empty square so the layout stays put.
void FramePreview(const std::string& sheetName, uint32_t index)
{
    const SpriteSheet* sheet = GraphicsSystem::GetSpriteSheet(sheetName);
    if (!sheet || index >= sheet->mFrames.size())
    {
        ImGui::Dummy(ImVec2(kPreviewSize, kPreviewSize));
        return;
    }
    const Sprite& frame = sheet->mFrames[index];
    ImGui::Image(reinterpret_cast<ImTextureID>(static_cast<intptr_t>(frame.mTextureId)),
                 ImVec2(kPreviewSize, kPreviewSize), ImVec2(frame.mCorners[0].x, frame.mCorners[0].y),
                 ImVec2(frame.mCorners[3].x, frame.mCorners[3].y));
}

// A size field: whole tiles, kept inside what a grid may hold on one side.
void SizeField(const char* label, const char* id, int32_t& value)
{
    ImGui::TextUnformatted(label);
    ImGui::SameLine();
    ImGui::SetNextItemWidth(-1.0f); // to the window's edge, not past it
    float field = static_cast<float>(value);
    const float most = static_cast<float>(TileGrid::MaxSide);
    if (ImGui::DragFloat(id, &field, 1.0f, 0.0f, 0.0f, "%.0f") && std::isfinite(field))
        value = static_cast<int32_t>(std::fmax(-most, std::fmin(most, field)));
}
} // namespace

void FollowGridSize(EditPanelsState& state)
{
    if (!gFactory)
        return;
    const TileGrid& grid = gFactory->mTileGrid;
    if (grid.mWidth == state.mFollowedWidth && grid.mHeight == state.mFollowedHeight)
        return;
    state.mWorkingWidth = static_cast<int32_t>(grid.mWidth);
    state.mWorkingHeight = static_cast<int32_t>(grid.mHeight);
    state.mFollowedWidth = grid.mWidth;
    state.mFollowedHeight = grid.mHeight;
}

bool ApplyTileMapSize(int32_t width, int32_t height)
{
    if (!gFactory || width < 0 || height < 0)
        return false;
    const uint64_t w = static_cast<uint64_t>(width), h = static_cast<uint64_t>(height);
    if (w > TileGrid::MaxSide || h > TileGrid::MaxSide || w * h > TileGrid::MaxCells)
    {
        Log("Tile map of " + std::to_string(width) + " x " + std::to_string(height) +
            " cells is too large; the map keeps its size.");
        return false;
    }
    TileGrid& grid = gFactory->mTileGrid;
    grid.mWidth = static_cast<uint32_t>(width);
    grid.mHeight = static_cast<uint32_t>(height);
    grid.Rebuild();
    if (gSpatialGrid)
        gSpatialGrid->Resize(width, height);
    return true;
}

void ClearTileMap()
{
    if (gFactory)
        gFactory->mTileGrid.Clear();
    if (gRenderingManager)
    {
        gRenderingManager->mTileRenderers.clear();
        gRenderingManager->BuildLayers();
    }
}

void TileSection(OurImGui& editor)
{
    EditPanelsState& state = editor.mPanels;
    FollowGridSize(state);

    const ImGuiStyle& style = ImGui::GetStyle();
    const float buttonRows =
        kColliderRows * (kPickerCell + 2.0f * kPickerPadding.y) + (kColliderRows - 1) * kPickerSpacing.y;
    const float childHeight = 2.0f * style.WindowPadding.y + ImGui::GetTextLineHeightWithSpacing() + buttonRows + 2.0f;
    ImGui::BeginChild("##collisiontype", ImVec2(0.0f, childHeight), true);
    ImGui::TextUnformatted("Collision type");
    ImGui::PushStyleVar(ImGuiStyleVar_FramePadding, kPickerPadding);
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, kPickerSpacing);
    DrawSpritePicker(kColliderSheet, &editor.mColliderIndex, kColliderRows);
    ImGui::PopStyleVar(2);
    ImGui::EndChild();
    ImGui::Spacing();

    ImGui::TextUnformatted("Selected Collider :  ");
    ImGui::SameLine();
    FramePreview(kColliderSheet, editor.mColliderIndex);
    ImGui::TextUnformatted("Selected Platform : ");
    ImGui::SameLine();
    FramePreview(gFactory ? gFactory->mTileGrid.GetTilesetName() : std::string(), editor.mPlatformIndex);

    ImGui::Separator();
    SizeField("TileMap Width  : ", "##1", state.mWorkingWidth);
    SizeField("TileMap Height : ", "##2", state.mWorkingHeight);
    if (ImGui::Button("Apply Changes") && ApplyTileMapSize(state.mWorkingWidth, state.mWorkingHeight))
        FollowGridSize(state);
    if (ImGui::Button("Clear TileMap"))
        ClearTileMap();
}
} // namespace Framework
