// Where each glyph of a string lands: the quads text drawing uploads, in world units.
#pragma once
#include <map>
#include <string>
#include "graphics/Glyph.h"

namespace Framework
{
// Six vertices (x, y, u, v): two counter-clockwise triangles, v = 0 at the bitmap's top row.
struct GlyphQuad
{
    float mVertices[6][4];
};

// A FontSize of 500 on a Transform of scale x 1 draws one bitmap pixel per world unit.
constexpr float FontSizeForUnitScale = 500.0f;

inline float TextScale(int fontSize, float scaleX)
{
    return static_cast<float>(fontSize) * scaleX / FontSizeForUnitScale;
}

// The quad of one glyph whose pen stands at (x, y) on the baseline.
GlyphQuad MakeGlyphQuad(const Glyph& glyph, float x, float y, float scale);
// How far the pen moves past the glyph: whole pixels of its advance, scaled.
float GlyphAdvance(const Glyph& glyph, float scale);

// Calls draw(glyph, quad) for every byte of text in order, moving the pen.
// A byte without a glyph gets an all-zero entry: an empty quad, no advance.
template <typename DrawQuad>
float LayoutText(std::map<char, Glyph>& glyphs, const std::string& text, float x, float y, float scale, DrawQuad&& draw)
{
    for (char c : text)
    {
        const Glyph& glyph = glyphs[c];
        draw(glyph, MakeGlyphQuad(glyph, x, y, scale));
        x += GlyphAdvance(glyph, scale);
    }
    return x;
}
} // namespace Framework
