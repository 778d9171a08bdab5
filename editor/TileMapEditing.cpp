// Tile map mode: the grid's cell lines over the level, Ctrl + left button
// painting the chosen collision kind and platform frame into the cell under
// the mouse, Ctrl + middle button erasing it (both repeat while held, so a
// drag paints a stroke; never through an editor window), and the "TileSet
// Editor" window beside the object list, which chooses the tileset sheet and
// the platform frame to paint.
#include <imgui.h>
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"
#include "editor/EditorWidgets.h"
#include "editor/EditPanels.h"
#include "editor/OurImGui.h"
#include "graphics/GraphicsSystem.h"

namespace Framework
{
namespace
{
const Color kGridLineColour(0.0f, 0.0f, 0.0f, 0.75f);
constexpr uint32_t kPlatformRows = 8; // 32 platform frames, four to a row
constexpr float kPlatformHeight = 500.0f;
// Four 64-pixel buttons with their padding and a scroll bar; the height fits itself.
constexpr float kTileSetWindowWidth = 360.0f;

void DrawGridLines(const TileGrid& grid)
{
    if (!gGraphicsSystem)
        return;
    const float width = static_cast<float>(grid.mWidth), height = static_cast<float>(grid.mHeight);
    for (uint32_t x = 0; x <= grid.mWidth; ++x)
    {
        const float a[2] = {static_cast<float>(x), 0.0f}, b[2] = {static_cast<float>(x), height};
        gGraphicsSystem->DrawLine(a, b, kGridLineColour);
    }
    for (uint32_t y = 0; y <= grid.mHeight; ++y)
    {
        const float a[2] = {0.0f, static_cast<float>(y)}, b[2] = {width, static_cast<float>(y)};
        gGraphicsSystem->DrawLine(a, b, kGridLineColour);
    }
    gGraphicsSystem->FlushDebug();
    // The lines are this frame's: the scene's next pass must not draw them again.
    gGraphicsSystem->mDebugIndices.clear();
    gGraphicsSystem->mDebugVertices.clear();
}
} // namespace

void OurImGui::TileGridEditing()
{
    if (!gFactory)
        return;
    TileGrid& grid = gFactory->mTileGrid;
    DrawGridLines(grid);
    if (!gInput || !MouseIsOverScene() || !gInput->mState.IsHeld(VK_CONTROL))
        return;
    const InputState& input = gInput->mState;
    const Vec3 mouse(input.GetMouseWorldX(), input.GetMouseWorldY(), 0.0f);
    int x = 0, y = 0;
    if (!grid.CellAt(mouse, x, y))
        return;
    if (input.IsHeld(VK_LBUTTON))
    {
        const TileCell& cell = grid.mRows[y][x];
        const auto kind = static_cast<int32_t>(mColliderIndex), frame = static_cast<int32_t>(mPlatformIndex);
        // Held over a cell already painted this way: nothing to redo.
        if (!(cell.mUsed && cell.mKind == kind && cell.mFrame == frame))
            grid.PlaceTile(kind, frame, mouse);
    }
    if (input.IsHeld(VK_MBUTTON) && grid.mRows[y][x].mUsed)
        grid.RemoveTile(mouse);
}

void OurImGui::TileSetEditorPanel()
{
    SideWindowFirstPosition(*this);
    ImGui::SetNextWindowSize(ImVec2(kTileSetWindowWidth, 0.0f));
    if (!ImGui::Begin("TileSet Editor", &mSideWindowOpen, ImGuiWindowFlags_NoResize) || !gGraphicsSystem)
    {
        ImGui::End();
        return;
    }
    const std::vector<std::string>& names = gGraphicsSystem->mTileTextureNames;
    std::string& tileset = gGraphicsSystem->mTilesetName;
    // A level loaded with another tileset moves the choice to it, so merely
    // looking at the tile map never changes the level's tileset.
    if (tileset != mPanels.mWrittenTileset)
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i] == tileset)
                mTileSetIndex = static_cast<int>(i);
    auto nameGetter = [](void* data, int n, const char** out) {
        const auto* list = static_cast<const std::vector<std::string>*>(data);
        if (n < 0 || static_cast<size_t>(n) >= list->size())
            return false;
        *out = (*list)[n].c_str();
        return true;
    };
    const int count = static_cast<int>(names.size());
    ImGui::Combo("TileSet", &mTileSetIndex, nameGetter, const_cast<std::vector<std::string>*>(&names), count, count);
    if (mTileSetIndex >= 0 && mTileSetIndex < count)
        tileset = names[mTileSetIndex];
    mPanels.mWrittenTileset = tileset;

    ImGui::BeginChild("##platformtype", ImVec2(0.0f, kPlatformHeight), true);
    ImGui::TextUnformatted("Platform type");
    DrawSpritePicker(tileset, &mPlatformIndex, kPlatformRows);
    ImGui::EndChild();
    ImGui::End();
}
} // namespace Framework
