#include "graphics/GlyphAtlas.h"
#include <algorithm>

namespace Framework
{
namespace
{
int PowerOfTwoAtLeast(int value)
{
    int power = 1;
    while (power < value)
        power *= 2;
    return power;
}
} // namespace

GlyphAtlas PackGlyphAtlas(std::map<char, GlyphBitmap>& bitmaps)
{
    GlyphAtlas atlas;
    atlas.mWidth = 1024;
    for (const auto& [code, bitmap] : bitmaps)
        atlas.mWidth = std::max(atlas.mWidth, PowerOfTwoAtLeast(bitmap.mMetrics.mWidth + 2));
    struct Place
    {
        GlyphBitmap* mBitmap;
        int mX, mY; // top-left of the bordered cell
    };
    std::vector<Place> places;
    int x = 0, y = 0, rowHeight = 0;
    for (auto& [code, bitmap] : bitmaps)
    {
        const Glyph& glyph = bitmap.mMetrics;
        const int cellWidth = glyph.mWidth + 2, cellHeight = glyph.mRows + 2;
        if (glyph.mWidth <= 0 || glyph.mRows <= 0 ||
            bitmap.mPixels.size() < static_cast<size_t>(glyph.mWidth) * static_cast<size_t>(glyph.mRows))
            continue;
        if (x + cellWidth > atlas.mWidth)
        {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        places.push_back({&bitmap, x, y});
        x += cellWidth;
        rowHeight = std::max(rowHeight, cellHeight);
    }
    if (places.empty())
        return atlas;
    atlas.mHeight = PowerOfTwoAtLeast(y + rowHeight);
    atlas.mPixels.assign(static_cast<size_t>(atlas.mWidth) * static_cast<size_t>(atlas.mHeight), 0);

    for (const Place& place : places)
    {
        Glyph& glyph = place.mBitmap->mMetrics;
        const std::vector<unsigned char>& pixels = place.mBitmap->mPixels;
        // Cell texel (cx, cy) repeats the glyph texel nearest to it.
        for (int cy = 0; cy < glyph.mRows + 2; ++cy)
            for (int cx = 0; cx < glyph.mWidth + 2; ++cx)
            {
                const int gx = std::clamp(cx - 1, 0, glyph.mWidth - 1);
                const int gy = std::clamp(cy - 1, 0, glyph.mRows - 1);
                atlas.mPixels[static_cast<size_t>(place.mY + cy) * atlas.mWidth + static_cast<size_t>(place.mX + cx)] =
                    pixels[static_cast<size_t>(gy) * static_cast<size_t>(glyph.mWidth) + static_cast<size_t>(gx)];
            }
        const float width = static_cast<float>(atlas.mWidth), height = static_cast<float>(atlas.mHeight);
        glyph.mAtlasU0 = static_cast<float>(place.mX + 1) / width;
        glyph.mAtlasV0 = static_cast<float>(place.mY + 1) / height;
        glyph.mAtlasU1 = static_cast<float>(place.mX + 1 + glyph.mWidth) / width;
        glyph.mAtlasV1 = static_cast<float>(place.mY + 1 + glyph.mRows) / height;
    }
    return atlas;
}
} // namespace Framework
