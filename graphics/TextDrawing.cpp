// The graphics system's text pass: the font's glyph textures, and every
// registered TextRenderer drawn glyph by glyph with the "Font" program.
#include <GL/glew.h>
#include <algorithm>
#include "core/Transform.h"
#include "graphics/FontLoader.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/RenderingManager.h"
#include "graphics/TextLayout.h"
#include "graphics/TextRenderer.h"

namespace Framework
{
namespace
{
static_assert(sizeof(GlyphQuad) == 96, "one glyph quad is six vertices of (x, y, u, v)");
} // namespace

void GraphicsSystem::LoadFont()
{
    std::map<char, GlyphBitmap> bitmaps = RenderFontGlyphs(GameFontPath, GameFontPixelSize);
    // Glyph rows are packed bytes; the alignment is left so for later uploads too.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (auto& [code, bitmap] : bitmaps)
    {
        Glyph glyph = bitmap.mMetrics;
        GLuint texture = 0;
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RED, glyph.mWidth, glyph.mRows, 0, GL_RED, GL_UNSIGNED_BYTE,
                     bitmap.mPixels.empty() ? nullptr : bitmap.mPixels.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glyph.mTexture = texture;
        mGlyphs.emplace(code, glyph);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

void GraphicsSystem::DrawAllText(uint32_t program)
{
    if (!gRenderingManager || !mTextVertexArray)
        return;
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    for (const RenderingManager::TextRendererEntry& entry : gRenderingManager->mTextRenderers)
    {
        const TextRenderer* text = entry.mTextRenderer;
        // Text is placed by its Transform; an object without one shows none.
        if (!text || !text->mTransform)
            continue;
        const float colour[3] = {text->mColor.r, text->mColor.g, text->mColor.b};
        const Transform& transform = *text->mTransform;
        RenderText(program, text->GetText(), transform.mPosition.x, transform.mPosition.y,
                   TextScale(text->FontSize, transform.mScale.x), colour);
    }
}

void GraphicsSystem::RenderText(uint32_t program, const std::string& text, float x, float y, float scale,
                                const float colour[3])
{
    if (!mTextVertexArray)
        return;
    // Every glyph quad of the text goes into the text buffer with one upload
    // (each upload costs the software GL driver a heap allocation); the glyphs
    // are then drawn one by one, each with its own texture, in text order.
    mTextQuads.clear();
    mTextQuadTextures.clear();
    LayoutText(mGlyphs, text, x, y, scale, [this](const Glyph& glyph, const GlyphQuad& quad) {
        mTextQuads.push_back(quad);
        mTextQuadTextures.push_back(glyph.mTexture);
    });
    if (mTextQuads.empty())
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
    glUniform3f(glGetUniformLocation(program, "textColor"), colour[0], colour[1], colour[2]);
    glActiveTexture(GL_TEXTURE0);
    for (size_t i = 0; i < mTextQuads.size(); ++i)
    {
        glBindTexture(GL_TEXTURE_2D, mTextQuadTextures[i]);
        glDrawArrays(GL_TRIANGLES, static_cast<GLint>(i * 6), 6);
    }

    glBindVertexArray(0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
}
} // namespace Framework
