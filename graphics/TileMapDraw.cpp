// Queues the visible tiles of the level's tile grid as sprites of the tileset sheet.
#include <cmath>
#include "core/objects/Factory.h"
#include "core/tiles/TileGrid.h"
#include "graphics/GraphicsSystem.h"

namespace Framework
{
namespace
{
constexpr float TileMargin = 1.0f; // world units beyond the view a tile centre may lie and still be queued

// The cells [first, last) of a row or column of count cells whose centres may lie
// within half (plus the margin and one cell) of centre; false when none.
bool VisibleSpan(float centre, float half, size_t count, size_t& first, size_t& last)
{
    const float reach = half + TileMargin + 1.0f;
    const float low = std::floor(centre - reach);
    const float high = std::ceil(centre + reach) + 1.0f;
    // A NaN view decides nothing here: every cell goes to the exact test.
    if (std::isnan(low) || std::isnan(high))
    {
        first = 0;
        last = count;
        return count > 0;
    }
    if (!(high > 0.0f) || !(low < static_cast<float>(count)))
        return false;
    first = low > 0.0f ? static_cast<size_t>(low) : 0;
    last = high < static_cast<float>(count) ? static_cast<size_t>(high) : count;
    return first < last;
}
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

    // A used cell's centre is (x + 0.5, y + 0.5), so only the rows and columns
    // around the view can pass the test below: the others are not visited. One
    // extra cell each side keeps rounding from ever leaving out a visible one.
    const std::vector<std::vector<TileCell>>& rows = gFactory->mTileGrid.mRows;
    size_t firstRow = 0, lastRow = 0;
    if (!VisibleSpan(cy, hh, rows.size(), firstRow, lastRow))
        return;
    for (size_t y = firstRow; y < lastRow; ++y)
    {
        const std::vector<TileCell>& row = rows[y];
        size_t firstColumn = 0, lastColumn = 0;
        if (!VisibleSpan(cx, hw, row.size(), firstColumn, lastColumn))
            continue;
        for (size_t x = firstColumn; x < lastColumn; ++x)
        {
            const TileCell& cell = row[x];
            if (!cell.mUsed)
                continue;
            const float centreX = cell.mCentre.x;
            const float centreY = cell.mCentre.y;
            if (cx - hw > centreX + TileMargin || centreX - TileMargin > cx + hw || cy - hh > centreY + TileMargin ||
                centreY - TileMargin > cy + hh)
                continue;
            // A frame the sheet does not have is skipped rather than read past the frames.
            if (cell.mFrame < 0 || static_cast<size_t>(cell.mFrame) >= sheet.mFrames.size())
                continue;
            DrawSprite(sheet.mFrames[cell.mFrame], Vec3(centreX, centreY, TileGrid::TileLayer), size, 0.0f, opaque,
                       "Test", false, false);
        }
    }
}
} // namespace Framework
