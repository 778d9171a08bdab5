#include "graphics/FontLoader.h"
#include <cstring>
#include <iostream>
#include <ft2build.h>
#include FT_FREETYPE_H
#include "platform/Platform.h"

namespace Framework
{
std::map<char, GlyphBitmap> RenderFontGlyphs(const std::string& path, unsigned pixelHeight)
{
    std::map<char, GlyphBitmap> glyphs;

    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library))
    {
        std::cout << "ERROR::FREETYPE: Could not init FreeType Library" << std::endl;
        return glyphs;
    }

    FT_Face face = nullptr;
    // Only a regular file: FreeType would wait on a pipe of that name.
    const std::string native = Platform::NativePath(path);
    if (Platform::KindOfFile(native) != Platform::FileKind::Regular || FT_New_Face(library, native.c_str(), 0, &face))
    {
        std::cout << "ERROR::FREETYPE: Failed to load font" << std::endl;
        face = nullptr;
    }
    if (face)
        FT_Set_Pixel_Sizes(face, 0, pixelHeight);

    for (int code = FontFirstCode; code <= FontLastCode; ++code)
    {
        // Without a face every load fails, each with its own line.
        if (!face || FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER))
        {
            std::cout << "ERROR::FREETYTPE: Failed to load Glyph" << std::endl;
            continue;
        }
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bitmap = slot->bitmap;

        GlyphBitmap glyph;
        glyph.mMetrics.mWidth = static_cast<int>(bitmap.width);
        glyph.mMetrics.mRows = static_cast<int>(bitmap.rows);
        glyph.mMetrics.mBearingX = slot->bitmap_left;
        glyph.mMetrics.mBearingY = slot->bitmap_top;
        glyph.mMetrics.mAdvance = static_cast<uint32_t>(slot->advance.x);

        // Packed rows (the pitch may pad them) to match an unpack alignment of 1.
        const int width = glyph.mMetrics.mWidth;
        const int rows = glyph.mMetrics.mRows;
        glyph.mPixels.resize(static_cast<size_t>(width) * rows);
        for (int row = 0; row < rows && bitmap.buffer; ++row)
            std::memcpy(glyph.mPixels.data() + static_cast<size_t>(row) * width,
                        bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch, width);

        glyphs.emplace(static_cast<char>(code), std::move(glyph)); // an existing entry stays
    }

    if (face)
        FT_Done_Face(face);
    FT_Done_FreeType(library);
    return glyphs;
}
} // namespace Framework
