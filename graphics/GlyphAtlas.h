// Packs the font's glyph bitmaps into one coverage image, so a whole text is
// drawn with one texture and one draw call instead of one per character.
#pragma once
#include <map>
#include <vector>
#include "graphics/Glyph.h"

namespace Framework
{
struct GlyphAtlas
{
    // Powers of two: glyph corners then fall on texture coordinates that
    // floats hold exactly. At least 1024 wide, wider only for a wider glyph.
    int mWidth = 0;
    int mHeight = 0;                    // 0 when no glyph has pixels
    std::vector<unsigned char> mPixels; // mWidth x mHeight coverage bytes, rows packed
};

// Places every glyph with pixels in rows, each inside a border of one texel
// that repeats its edge texels: linear filtering at a glyph's edge then reads
// what the glyph's own clamped texture gave. Sets each glyph's mAtlas corners
// (glyphs without pixels keep theirs at 0).
GlyphAtlas PackGlyphAtlas(std::map<char, GlyphBitmap>& bitmaps);
} // namespace Framework
