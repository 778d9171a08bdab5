// Tile map mode: the grid's cell lines over the level, Ctrl + left button
// painting the chosen collision kind and platform frame into the cell under
// the mouse, Ctrl + middle button erasing it (both repeat while held, so a
// drag paints a stroke, every cell the pointer crossed since the last frame
// however fast it moved; never through an editor window), and the "TileSet
// Editor" window beside the object list, which chooses the tileset sheet and
// the platform frame to paint.
#include <imgui.h>
#include <cmath>
#include <cstdlib>
#include <limits>
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

// Calls visit(x, y) for each unit cell the segment from a to b passes
// through, in order, from a's cell to b's.
template <typename Visit>
void ForEachCellCrossed(const Vec3& a, const Vec3& b, Visit visit)
{
    int x = static_cast<int>(std::floor(a.x)), y = static_cast<int>(std::floor(a.y));
    const int endX = static_cast<int>(std::floor(b.x)), endY = static_cast<int>(std::floor(b.y));
    const float dx = b.x - a.x, dy = b.y - a.y;
    const int stepX = dx > 0.0f ? 1 : -1, stepY = dy > 0.0f ? 1 : -1;
    const float infinity = std::numeric_limits<float>::infinity();
    // How far along the segment (0 to 1) the next vertical and horizontal cell edges lie.
    float nextX = dx != 0.0f ? (stepX > 0 ? x + 1.0f - a.x : a.x - x) / std::fabs(dx) : infinity;
    float nextY = dy != 0.0f ? (stepY > 0 ? y + 1.0f - a.y : a.y - y) / std::fabs(dy) : infinity;
    const float acrossX = dx != 0.0f ? 1.0f / std::fabs(dx) : infinity;
    const float acrossY = dy != 0.0f ? 1.0f / std::fabs(dy) : infinity;
    visit(x, y);
    for (int steps = std::abs(endX - x) + std::abs(endY - y); steps > 0; --steps)
    {
        if (nextX < nextY)
        {
            x += stepX;
            nextX += acrossX;
        }
        else
        {
            y += stepY;
            nextY += acrossY;
        }
        visit(x, y);
    }
}
} // namespace

void OurImGui::TileGridEditing()
{
    if (!gFactory)
        return;
    TileGrid& grid = gFactory->mTileGrid;
    DrawGridLines(grid);
    EditPanelsState& state = mPanels;
    const bool painting = gInput && gInput->mState.IsHeld(VK_LBUTTON);
    const bool erasing = gInput && gInput->mState.IsHeld(VK_MBUTTON);
    if (!gInput || !MouseIsOverScene() || !gInput->mState.IsHeld(VK_CONTROL) || !(painting || erasing))
    {
        state.mStrokeGoing = false;
        return;
    }
    const InputState& input = gInput->mState;
    const Vec3 mouse(input.GetMouseWorldX(), input.GetMouseWorldY(), 0.0f);
    const Vec3 from = state.mStrokeGoing ? state.mStrokeLast : mouse;
    state.mStrokeGoing = true;
    state.mStrokeLast = mouse;
    const auto kind = static_cast<int32_t>(mColliderIndex), frame = static_cast<int32_t>(mPlatformIndex);
    ForEachCellCrossed(from, mouse,
                       [&](int x, int y)
                       {
                           const Vec3 centre(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f, 0.0f);
                           int cx = 0, cy = 0;
                           if (!grid.CellAt(centre, cx, cy))
                               return;
                           const TileCell& cell = grid.mRows[cy][cx];
                           // Held over a cell already painted this way: nothing to redo.
                           if (painting && !(cell.mUsed && cell.mKind == kind && cell.mFrame == frame))
                               grid.PlaceTile(kind, frame, centre);
                           if (erasing && grid.mRows[cy][cx].mUsed)
                               grid.RemoveTile(centre);
                       });
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
    auto nameGetter = [](void* data, int n, const char** out)
    {
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
