// One character of the game font: its GL texture and its metrics in pixels.
#pragma once
#include <cstdint>
#include <vector>

namespace Framework
{
struct Glyph
{
    uint32_t mTexture = 0; // GL texture with the coverage bitmap in its red channel
    int mWidth = 0;        // bitmap width, pixels
    int mRows = 0;         // bitmap height, pixels
    int mBearingX = 0;     // left bearing, pixels
    int mBearingY = 0;     // top bearing (baseline to bitmap top), pixels
    uint32_t mAdvance = 0; // pen advance, 1/64 pixel
    // The bitmap's corners in the font atlas (u0, v0 top-left); all 0 when it has no pixels.
    float mAtlasU0 = 0.0f, mAtlasV0 = 0.0f, mAtlasU1 = 0.0f, mAtlasV1 = 0.0f;
};

// A glyph as FreeType rendered it, before its bitmap becomes a texture.
struct GlyphBitmap
{
    Glyph mMetrics;                     // mTexture stays 0 until uploaded
    std::vector<unsigned char> mPixels; // mWidth x mRows coverage bytes, rows packed
};
} // namespace Framework
