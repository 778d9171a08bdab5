// Queues the visible tiles of the level's tile grid as sprites of the tileset sheet.
#include "core/Factory.h"
#include "core/TileGrid.h"
#include "graphics/GraphicsSystem.h"

namespace Framework
{
namespace
{
constexpr float TileMargin = 1.0f; // world units beyond the view a tile centre may lie and still be queued
} // namespace

void GraphicsSystem::DrawTileMap()
{
    const Camera* camera = GetActiveCamera();
    auto found = mSpriteSheets.find(mTilesetName);
    // Without its tileset the map cannot be drawn; the rest of the frame goes on.
    if (!gFactory || !camera || found == mSpriteSheets.end())
        return;
    const SpriteSheet& sheet = found->second;
    const float cx = camera->Position.x;
    const float cy = camera->Position.y;
    const float hw = camera->VisibleHalfWidth();
    const float hh = camera->VisibleHalfHeight();
    const float size[2] = {1.0f, 1.0f};
    const Color opaque(1.0f, 1.0f, 1.0f, 1.0f);

    for (const std::vector<TileCell>& row : gFactory->mTileGrid.mRows)
        for (const TileCell& cell : row)
        {
            if (!cell.mUsed)
                continue;
            const float x = cell.mCentre.x;
            const float y = cell.mCentre.y;
            if (cx - hw > x + TileMargin || x - TileMargin > cx + hw || cy - hh > y + TileMargin ||
                y - TileMargin > cy + hh)
                continue;
            // A frame the sheet does not have is skipped rather than read past the frames.
            if (cell.mFrame < 0 || static_cast<size_t>(cell.mFrame) >= sheet.mFrames.size())
                continue;
            DrawSprite(sheet.mFrames[cell.mFrame], Vec3(x, y, TileGrid::TileLayer), size, 0.0f, opaque, "Test", false,
                       false);
        }
}
} // namespace Framework
