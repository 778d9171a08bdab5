#include <gtest/gtest.h>
#include <cstring>
#include "graphics/FontLoader.h"
#include "graphics/TextLayout.h"
#include "graphics/TextRenderer.h"
#include "support/RenderTestSupport.h"

using namespace Framework;

namespace
{
const std::string FontFile = std::string(TANDREL_SOURCE_DIR) + "/Resources/fonts/MAIAN.TTF";

std::map<char, Glyph> LoadGlyphs()
{
    std::map<char, Glyph> glyphs;
    for (auto& [code, bitmap] : RenderFontGlyphs(FontFile, GameFontPixelSize))
        glyphs[code] = bitmap.mMetrics;
    return glyphs;
}

struct Laid
{
    std::vector<GlyphQuad> quads;
    float pen;
};

Laid Lay(std::map<char, Glyph>& glyphs, const std::string& text, float scale)
{
    Laid laid;
    laid.pen = LayoutText(glyphs, text, 10.0f, 20.0f, scale,
                          [&laid](const Glyph&, const GlyphQuad& quad) { laid.quads.push_back(quad); });
    return laid;
}

float Cross(const float a[4], const float b[4], const float c[4])
{
    return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
}
} // namespace

TEST(FontGlyphs, EveryAsciiCodeIsRenderedAtFortyEightPixels)
{
    const auto bitmaps = RenderFontGlyphs(FontFile, GameFontPixelSize);
    EXPECT_EQ(bitmaps.size(), 128u);
    const GlyphBitmap& a = bitmaps.at('A');
    EXPECT_EQ(a.mMetrics.mWidth, 33);
    EXPECT_EQ(a.mMetrics.mRows, 35);
    EXPECT_EQ(a.mPixels.size(), 33u * 35u);
    EXPECT_EQ(bitmaps.at(' ').mMetrics.mWidth, 0);
    EXPECT_GT(bitmaps.at(' ').mMetrics.mAdvance, 0u);
}

TEST(FontGlyphs, AMissingFontIsReportedAndGivesNoGlyphs)
{
    testing::internal::CaptureStdout();
    const auto bitmaps = RenderFontGlyphs("Resources/fonts/NONE.TTF", GameFontPixelSize);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(bitmaps.empty());
    EXPECT_EQ(out.find("ERROR::FREETYPE: Failed to load font\n"), 0u);
    size_t glyphLines = 0;
    for (size_t at = out.find("ERROR::FREETYTPE: Failed to load Glyph"); at != std::string::npos;
         at = out.find("ERROR::FREETYTPE: Failed to load Glyph", at + 1))
        ++glyphLines;
    EXPECT_EQ(glyphLines, 128u);
}

TEST(TextMetrics, FontSizeFiveHundredDrawsOnePixelPerWorldUnit)
{
    auto glyphs = LoadGlyphs();
    const Glyph a = glyphs['A'];
    const float scale = TextScale(500, 1.0f);
    EXPECT_FLOAT_EQ(scale, 1.0f);
    const Laid laid = Lay(glyphs, "A", scale);
    ASSERT_EQ(laid.quads.size(), 1u);
    const auto& v = laid.quads[0].mVertices;
    EXPECT_FLOAT_EQ(v[2][0] - v[1][0], static_cast<float>(a.mWidth));
    EXPECT_FLOAT_EQ(v[0][1] - v[1][1], static_cast<float>(a.mRows));
    EXPECT_FLOAT_EQ(v[1][0], 10.0f + a.mBearingX);
    EXPECT_FLOAT_EQ(v[1][1], 20.0f - (a.mRows - a.mBearingY)) << "the pen stands on the baseline";
    EXPECT_FLOAT_EQ(laid.pen, 10.0f + (a.mAdvance >> 6));
}

TEST(TextMetrics, SmallerSizesAndScalesShrinkTheQuads)
{
    auto glyphs = LoadGlyphs();
    const Glyph a = glyphs['A'];
    EXPECT_FLOAT_EQ(TextScale(12, 1.0f), 12.0f / 500.0f);
    EXPECT_FLOAT_EQ(TextScale(500, 2.0f), 2.0f);
    const Laid laid = Lay(glyphs, "A", TextScale(12, 1.0f));
    EXPECT_NEAR(laid.quads[0].mVertices[2][0] - laid.quads[0].mVertices[1][0], a.mWidth * 12.0f / 500.0f, 1e-5f);
}

TEST(TextMetrics, ABlankAdvancesWithAnEmptyQuad)
{
    auto glyphs = LoadGlyphs();
    const Laid laid = Lay(glyphs, " ", 1.0f);
    const auto& v = laid.quads[0].mVertices;
    EXPECT_FLOAT_EQ(v[2][0], v[1][0]);
    EXPECT_FLOAT_EQ(laid.pen, 10.0f + (glyphs[' '].mAdvance >> 6));
}

TEST(TextMetrics, BytesAboveOneTwentySevenDrawNothingAndDoNotAdvance)
{
    auto glyphs = LoadGlyphs();
    const Laid plain = Lay(glyphs, "AB", 1.0f);
    const Laid accented = Lay(glyphs,
                              "A\xC3\xA9"
                              "B",
                              1.0f);
    ASSERT_EQ(accented.quads.size(), 4u);
    EXPECT_FLOAT_EQ(accented.pen, plain.pen);
    for (int i : {1, 2})
    {
        const auto& v = accented.quads[i].mVertices;
        EXPECT_FLOAT_EQ(v[2][0] - v[1][0], 0.0f);
        EXPECT_FLOAT_EQ(v[0][1] - v[1][1], 0.0f);
    }
    EXPECT_EQ(glyphs.count(static_cast<char>(0xC3)), 1u) << "an all-zero entry is added";
    EXPECT_EQ(glyphs[static_cast<char>(0xC3)].mAdvance, 0u);
}

TEST(TextMetrics, GlyphQuadsAreCounterClockwise)
{
    Glyph glyph;
    glyph.mWidth = 4;
    glyph.mRows = 6;
    glyph.mBearingY = 5;
    const GlyphQuad quad = MakeGlyphQuad(glyph, 0.0f, 0.0f, 1.0f);
    EXPECT_GT(Cross(quad.mVertices[0], quad.mVertices[1], quad.mVertices[2]), 0.0f);
    EXPECT_GT(Cross(quad.mVertices[3], quad.mVertices[4], quad.mVertices[5]), 0.0f);
    EXPECT_FLOAT_EQ(quad.mVertices[0][3], 0.0f) << "v 0 is the bitmap's top row";
    EXPECT_FLOAT_EQ(quad.mVertices[1][3], 1.0f);
}

namespace
{
class TextRendererTest : public RenderTest::RenderFixture
{
};
} // namespace

TEST_F(TextRendererTest, TheTextRecordKeepsSpacesAndTheAlpha)
{
    TextRenderer source;
    TextRenderer target;
    target.mColor.a = 0.4f;
    EXPECT_EQ(RenderTest::TextRoundTrip(source, target, mFolder.File("t.txt")), "TextRenderer");
    EXPECT_EQ(target.TextString, "Hello world");
    EXPECT_EQ(target.FontSize, 12);
    EXPECT_FLOAT_EQ(target.mColor.r, 1.0f);
    EXPECT_FLOAT_EQ(target.mColor.a, 0.4f) << "alpha is not in the text record";
    EXPECT_EQ(TestSupport::ReadFile(mFolder.File("t.txt")), "TextRenderer\nHello world\n12\n1\n1\n1\n");
}

TEST_F(TextRendererTest, AWindowsLineEndIsNotPartOfTheText)
{
    TestSupport::WriteFile(mFolder.File("crlf.txt"), "TextRenderer\r\nTime: 10\r\n48\r\n0.5\r\n0\r\n1\r\n");
    TextSerializer in(mFolder.File("crlf.txt"), TextSerializer::ReadOnly);
    std::string typeName;
    in.ReadString(typeName);
    TextRenderer target;
    target.UnserializeText(in);
    EXPECT_EQ(target.TextString, "Time: 10");
    EXPECT_EQ(target.FontSize, 48);
    EXPECT_FLOAT_EQ(target.mColor.r, 0.5f);
    EXPECT_FLOAT_EQ(target.mColor.b, 1.0f);
}

TEST_F(TextRendererTest, TheXmlRecordRestoresAllFourColourComponents)
{
    TextRenderer source;
    source.TextString = "Score : 0";
    source.mColor = Color(0.1f, 0.2f, 0.3f, 0.4f);
    source.FontSize = 250;
    TextRenderer target;
    RenderTest::XmlRoundTrip(source, target, mFolder.File("t.xml"));
    EXPECT_EQ(target.TextString, "Score : 0");
    EXPECT_FLOAT_EQ(target.mColor.g, 0.2f);
    EXPECT_FLOAT_EQ(target.mColor.a, 0.4f);
    EXPECT_EQ(target.FontSize, 250);
}

TEST_F(TextRendererTest, JoinsTheTextListAndLeavesIt)
{
    Composition* object = MakeObject("Timer", ObjectKind::GameObject, 3, {"TextRenderer"});
    object->Initialize();
    ASSERT_EQ(mRendering->mTextRenderers.size(), 1u);
    EXPECT_EQ(object->GetComponent(ComponentType::TextRenderer), mRendering->mTextRenderers[0].mTextRenderer);
    EXPECT_NE(mRendering->mTextRenderers[0].mTextRenderer->mTransform, nullptr);
    Destroy(object);
    EXPECT_TRUE(mRendering->mTextRenderers.empty());
}

TEST(TextRendererInspector, TheEditBufferHoldsAtMostTenTwentyThreeBytes)
{
    char buffer[TextRenderer::InspectorBufferSize];
    std::memset(buffer, 'x', sizeof(buffer));
    TextRenderer::FillInspectorBuffer(std::string(5000, 'a'), buffer);
    EXPECT_EQ(std::strlen(buffer), 1023u);
    TextRenderer::FillInspectorBuffer("Hello", buffer);
    EXPECT_STREQ(buffer, "Hello");
}
