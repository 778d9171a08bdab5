// The graphics system's text pass: the font's glyph textures and their atlas,
// and every registered TextRenderer drawn with the "Font" program.
#include <GL/glew.h>
#include <algorithm>
#include "core/objects/Transform.h"
#include "graphics/FontLoader.h"
#include "graphics/GlyphAtlas.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/RenderingManager.h"
#include "graphics/TextLayout.h"
#include "graphics/TextRenderer.h"

namespace Framework
{
namespace
{
static_assert(sizeof(GlyphQuad) == 96, "one glyph quad is six vertices of (x, y, u, v)");

// A texture of coverage bytes in its red channel, clamped and linearly filtered.
GLuint MakeCoverageTexture(int width, int height, const unsigned char* pixels)
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RED, width, height, 0, GL_RED, GL_UNSIGNED_BYTE, pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}
} // namespace

void GraphicsSystem::LoadFont()
{
    std::map<char, GlyphBitmap> bitmaps = RenderFontGlyphs(GameFontPath, GameFontPixelSize);
    // Glyph rows are packed bytes; the alignment is left so for later uploads too.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const GlyphAtlas atlas = PackGlyphAtlas(bitmaps);
    if (atlas.mHeight > 0)
        mGlyphAtlas = MakeCoverageTexture(atlas.mWidth, atlas.mHeight, atlas.mPixels.data());
    for (auto& [code, bitmap] : bitmaps)
    {
        Glyph glyph = bitmap.mMetrics;
        glyph.mTexture =
            MakeCoverageTexture(glyph.mWidth, glyph.mRows, bitmap.mPixels.empty() ? nullptr : bitmap.mPixels.data());
        mGlyphs.emplace(code, glyph);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

void GraphicsSystem::DrawAllText(uint32_t program)
{
    if (!gRenderingManager || !mTextVertexArray)
        return;
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    mTextQuads.clear();
    mTextRuns.clear();
    for (const RenderingManager::TextRendererEntry& entry : gRenderingManager->mTextRenderers)
    {
        const TextRenderer* text = entry.mTextRenderer;
        // Text is placed by its Transform; an object without one shows none.
        if (!text || !text->mTransform || text->mHidden)
            continue;
        const float colour[3] = {text->mColor.r, text->mColor.g, text->mColor.b};
        const Transform& transform = *text->mTransform;
        AppendText(text->GetText(), transform.mPosition.x, transform.mPosition.y,
                   TextScale(text->FontSize, transform.mScale.x), colour);
    }
    DrawTextRuns(program);
}

void GraphicsSystem::RenderText(uint32_t program, const std::string& text, float x, float y, float scale,
                                const float colour[3])
{
    if (!mTextVertexArray)
        return;
    mTextQuads.clear();
    mTextRuns.clear();
    AppendText(text, x, y, scale, colour);
    DrawTextRuns(program);
}

void GraphicsSystem::AppendText(const std::string& text, float x, float y, float scale, const float colour[3])
{
    TextRun run;
    run.mFirstQuad = static_cast<uint32_t>(mTextQuads.size());
    run.mColour[0] = colour[0], run.mColour[1] = colour[1], run.mColour[2] = colour[2];
    LayoutText(mGlyphs, text, x, y, scale,
               [this](const Glyph& glyph, const GlyphQuad& quad)
               {
                   // The quad's corners (u, v of 0 or 1 on the glyph) become the glyph's corners in the atlas.
                   GlyphQuad placed = quad;
                   for (float* vertex : placed.mVertices)
                   {
                       vertex[2] = vertex[2] == 0.0f ? glyph.mAtlasU0
                                                     : glyph.mAtlasU0 + vertex[2] * (glyph.mAtlasU1 - glyph.mAtlasU0);
                       vertex[3] = vertex[3] == 0.0f ? glyph.mAtlasV0
                                                     : glyph.mAtlasV0 + vertex[3] * (glyph.mAtlasV1 - glyph.mAtlasV0);
                   }
                   mTextQuads.push_back(placed);
               });
    run.mQuadCount = static_cast<uint32_t>(mTextQuads.size()) - run.mFirstQuad;
    if (run.mQuadCount == 0)
        return;
    // A text of the same colour as the one before it joins its draw (the order stays).
    if (!mTextRuns.empty())
    {
        TextRun& last = mTextRuns.back();
        if (last.mColour[0] == run.mColour[0] && last.mColour[1] == run.mColour[1] &&
            last.mColour[2] == run.mColour[2] && last.mFirstQuad + last.mQuadCount == run.mFirstQuad)
        {
            last.mQuadCount += run.mQuadCount;
            return;
        }
    }
    mTextRuns.push_back(run);
}

void GraphicsSystem::DrawTextRuns(uint32_t program)
{
    // All glyph quads go into the text buffer with one upload and each text is
    // one draw from the font atlas, in text order: the software GL driver
    // allocates for every upload and every draw.
    if (mTextRuns.empty() || !mGlyphAtlas)
        return;
    glBindVertexArray(mTextVertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, mTextVertexBuffer);
    const size_t bytes = mTextQuads.size() * sizeof(GlyphQuad);
    if (bytes > mTextBufferBytes)
    {
        // Grows to at least double and is otherwise never re-specified.
        mTextBufferBytes = std::max(mTextBufferBytes * 2, bytes);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(mTextBufferBytes), nullptr, GL_DYNAMIC_DRAW);
    }
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(bytes), mTextQuads.data());
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, 4 * sizeof(float), nullptr);
    glBindBuffer(GL_ARRAY_BUFFER, 0);

    const Camera* camera = GetActiveCamera();
    glUseProgram(program);
    glUniformMatrix4fv(glGetUniformLocation(program, "projection"), 1, GL_FALSE, &camera->mViewProjection[0][0]);
    glUniformMatrix4fv(glGetUniformLocation(program, "view"), 1, GL_FALSE, &camera->mView[0][0]);
    const GLint colourAt = glGetUniformLocation(program, "textColor");
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, mGlyphAtlas);
    for (const TextRun& run : mTextRuns)
    {
        glUniform3f(colourAt, run.mColour[0], run.mColour[1], run.mColour[2]);
        glDrawArrays(GL_TRIANGLES, static_cast<GLint>(run.mFirstQuad * 6), static_cast<GLsizei>(run.mQuadCount * 6));
    }
    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
}
} // namespace Framework
