// Text is drawn from one atlas of every glyph: the picture must be the one that
// drawing each glyph from its own texture gives, magnified and shrunk. The
// texture coordinates differ in their last bits (a glyph's corners lie inside
// a larger image), which may move a filtered value by one level of 255 on a
// few pixels; a missing border or a misplaced glyph moves many by far more.
#include <GL/glew.h>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>
#include "GraphicsTestSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Transform.h"
#include "graphics/RenderingManager.h"
#include "graphics/TextLayout.h"
#include "graphics/TextRenderer.h"

using namespace Framework;

namespace
{
class TextAtlasTest : public GraphicsTest::PixelTest
{
protected:
    std::vector<unsigned char> Screen() const
    {
        std::vector<unsigned char> pixels(Width * Height * 4);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, Width, Height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // Every glyph from its own texture, one draw each, with the "Font" program.
    void DrawGlyphByGlyph(const std::string& text, float x, float y, float scale, const float colour[3])
    {
        GLuint array = 0, buffer = 0;
        glGenVertexArrays(1, &array);
        glGenBuffers(1, &buffer);
        glBindVertexArray(array);
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glEnableVertexAttribArray(0);
        glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, 4 * sizeof(float), nullptr);
        const GLuint program = mGraphics->GetShader("Font");
        const Camera* camera = mGraphics->GetActiveCamera();
        glUseProgram(program);
        glUniformMatrix4fv(glGetUniformLocation(program, "projection"), 1, GL_FALSE, &camera->mViewProjection[0][0]);
        glUniformMatrix4fv(glGetUniformLocation(program, "view"), 1, GL_FALSE, &camera->mView[0][0]);
        glUniform3f(glGetUniformLocation(program, "textColor"), colour[0], colour[1], colour[2]);
        glActiveTexture(GL_TEXTURE0);
        LayoutText(mGraphics->mGlyphs, text, x, y, scale,
                   [](const Glyph& glyph, const GlyphQuad& quad)
                   {
                       glBindTexture(GL_TEXTURE_2D, glyph.mTexture);
                       glBufferData(GL_ARRAY_BUFFER, sizeof quad, quad.mVertices, GL_STREAM_DRAW);
                       glDrawArrays(GL_TRIANGLES, 0, 6);
                   });
        glBindVertexArray(0);
        glUseProgram(0);
        glDeleteBuffers(1, &buffer);
        glDeleteVertexArrays(1, &array);
    }
};
} // namespace

TEST_F(TextAtlasTest, TheAtlasDrawsTheSamePixelsAsEachGlyphsOwnTexture)
{
    ASSERT_NE(mGraphics->mGlyphAtlas, 0u);
    const std::string text = "Hello, Apple! 0123 gjpqy @#%&";
    const float colour[3] = {1.0f, 0.8f, 0.1f};
    const GLuint program = mGraphics->GetShader("Font");
    // Magnified five times, near one texel a pixel, and shrunk.
    for (float scale : {0.2f, 0.043f, 0.013f})
    {
        mGraphics->BeginFrame();
        DrawGlyphByGlyph(text, -6.0f, -1.0f, scale, colour);
        DrawGlyphByGlyph(text, -5.3f, 2.17f, scale * 0.7f, colour);
        const std::vector<unsigned char> expected = Screen();

        mGraphics->BeginFrame();
        mGraphics->RenderText(program, text, -6.0f, -1.0f, scale, colour);
        mGraphics->RenderText(program, text, -5.3f, 2.17f, scale * 0.7f, colour);
        const std::vector<unsigned char> actual = Screen();

        size_t different = 0, inked = 0;
        int worst = 0;
        for (size_t i = 0; i < expected.size(); i += 4)
        {
            int difference = 0;
            for (size_t c = 0; c < 3; ++c)
                difference = std::max(difference, std::abs(int(expected[i + c]) - int(actual[i + c])));
            worst = std::max(worst, difference);
            different += difference != 0;
            inked += expected[i] != 128;
        }
        EXPECT_GT(inked, 100u) << "scale " << scale << ": the text must reach the screen";
        EXPECT_LE(worst, 1) << "scale " << scale;
        EXPECT_LE(different * 100, inked) << "scale " << scale << ": at most one inked pixel in a hundred differs";
    }
}

TEST_F(TextAtlasTest, TextsSharingADrawKeepTheirOwnColours)
{
    RenderingManager rendering;
    auto makeText = [](float x, const Color& colour)
    {
        auto object = std::make_unique<Composition>("Label");
        auto* transform = new Transform();
        transform->mPosition = Vec3(x, 0.5f, 0.0f);
        object->AddComponent(ComponentType::Transform, transform);
        auto* text = new TextRenderer();
        text->TextString = "Hi";
        text->FontSize = 100; // 0.2 world units a glyph pixel
        text->mColor = colour;
        object->AddComponent(TextRenderer::TypeId, text);
        object->Initialize();
        return object;
    };
    const Color red(1.0f, 0.0f, 0.0f, 1.0f), blue(0.0f, 0.0f, 1.0f, 1.0f);
    // The two red texts follow each other and share a draw; the blue one has its own.
    const auto first = makeText(-5.5f, red);
    const auto second = makeText(-2.0f, red);
    const auto third = makeText(1.5f, blue);

    mGraphics->BeginFrame();
    const float redRgb[3] = {1.0f, 0.0f, 0.0f}, blueRgb[3] = {0.0f, 0.0f, 1.0f};
    DrawGlyphByGlyph("Hi", -5.5f, 0.5f, 0.2f, redRgb);
    DrawGlyphByGlyph("Hi", -2.0f, 0.5f, 0.2f, redRgb);
    DrawGlyphByGlyph("Hi", 1.5f, 0.5f, 0.2f, blueRgb);
    const std::vector<unsigned char> expected = Screen();
    mGraphics->BeginFrame();
    mGraphics->DrawAllText(mGraphics->GetShader("Font"));
    const std::vector<unsigned char> actual = Screen();

    int worst = 0;
    size_t blueInk = 0;
    for (size_t i = 0; i < expected.size(); ++i)
        worst = std::max(worst, std::abs(int(expected[i]) - int(actual[i])));
    for (size_t i = 0; i < actual.size(); i += 4)
        blueInk += actual[i + 2] > 200 && actual[i] < 50;
    EXPECT_LE(worst, 1);
    EXPECT_GT(blueInk, 50u);
}
