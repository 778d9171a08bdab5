#include "graphics/TextLayout.h"

namespace Framework
{
GlyphQuad MakeGlyphQuad(const Glyph& glyph, float x, float y, float scale)
{
    const float xpos = x + glyph.mBearingX * scale;
    const float ypos = y - (glyph.mRows - glyph.mBearingY) * scale;
    const float w = glyph.mWidth * scale;
    const float h = glyph.mRows * scale;
    return GlyphQuad{{
        {xpos, ypos + h, 0.0f, 0.0f},
        {xpos, ypos, 0.0f, 1.0f},
        {xpos + w, ypos, 1.0f, 1.0f},
        {xpos, ypos + h, 0.0f, 0.0f},
        {xpos + w, ypos, 1.0f, 1.0f},
        {xpos + w, ypos + h, 1.0f, 0.0f},
    }};
}

float GlyphAdvance(const Glyph& glyph, float scale) { return static_cast<float>(glyph.mAdvance >> 6) * scale; }
} // namespace Framework
