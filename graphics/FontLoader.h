// Renders the characters 0..127 of a TrueType face with FreeType. Kept apart
// from the GL upload so the metrics can be read without a context.
#pragma once
#include <map>
#include <string>
#include "graphics/Glyph.h"

namespace Framework
{
constexpr const char* GameFontPath = "Resources/fonts/MAIAN.TTF";
constexpr unsigned GameFontPixelSize = 48;
constexpr int FontFirstCode = 0;
constexpr int FontLastCode = 127;

// Renders each code at pixelHeight; failures are reported on standard output
// and the codes that failed are left out of the result.
std::map<char, GlyphBitmap> RenderFontGlyphs(const std::string& path, unsigned pixelHeight);
} // namespace Framework
