// What the render components put on the screen, read back from a real GL window.
#include <fstream>
#include <iterator>
#include <memory>
#include <stb/stb_image_write.h>
#include <vector>
#include "GraphicsTestSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Transform.h"
#include "graphics/FontLoader.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"
#include "graphics/TextRenderer.h"
#include "support/ObjectTestSupport.h"

using namespace Framework;
using GraphicsTest::Near;
using GraphicsTest::Pixel;

namespace
{
const Pixel Grey{128, 128, 128, 255};

class RenderComponentsPixelTest : public GraphicsTest::PixelTest
{
protected:
    void SetUp() override
    {
        PixelTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        mRendering = std::make_unique<RenderingManager>();
    }
    void TearDown() override
    {
        mObject.reset();
        mRendering.reset();
        PixelTest::TearDown();
    }

    // A live object at position with a Transform of that scale and one more component.
    template <class T>
    T* MakeObject(const Vec3& position, float scale)
    {
        mObject = std::make_unique<Composition>("Probe");
        auto* transform = new Transform();
        transform->mPosition = position;
        transform->mScale = Vec3(scale, scale, 1.0f);
        mObject->AddComponent(ComponentType::Transform, transform);
        T* component = new T();
        mObject->AddComponent(T::TypeId, component);
        mObject->Initialize();
        return component;
    }

    void DrawFrame()
    {
        mRendering->Update(0.0f);
        mGraphics->Update(0.0f);
    }

    std::unique_ptr<RenderingManager> mRendering;
    std::unique_ptr<Composition> mObject;
};
} // namespace

TEST_F(RenderComponentsPixelTest, TextIsDrawnInItsColourOnTheBaseline)
{
    ASSERT_FALSE(mGraphics->mGlyphs.empty());
    TextRenderer* text = MakeObject<TextRenderer>(Vec3(-2.0f, -2.0f, 0.0f), 1.0f);
    text->TextString = "H";
    text->FontSize = 100; // 0.2 world units, 5 screen pixels per glyph pixel
    text->mColor = Color(1.0f, 0.0f, 0.0f, 1.0f);
    DrawFrame();

    // A glyph pixel whose 3 x 3 neighbourhood is fully covered reads back pure red.
    const GlyphBitmap bitmap = RenderFontGlyphs(GameFontPath, GameFontPixelSize).at('H');
    const Glyph& glyph = bitmap.mMetrics;
    auto covered = [&](int x, int y) { return bitmap.mPixels[y * glyph.mWidth + x] == 255; };
    int cx = -1, cy = -1;
    for (int y = 1; y + 1 < glyph.mRows && cx < 0; ++y)
        for (int x = 1; x + 1 < glyph.mWidth && cx < 0; ++x)
            if (covered(x - 1, y - 1) && covered(x, y - 1) && covered(x + 1, y - 1) && covered(x - 1, y) &&
                covered(x, y) && covered(x + 1, y) && covered(x - 1, y + 1) && covered(x, y + 1) &&
                covered(x + 1, y + 1))
                cx = x, cy = y;
    ASSERT_GE(cx, 0);
    const float scale = 0.2f;
    const float wx = -2.0f + (glyph.mBearingX + cx + 0.5f) * scale;
    const float wy = -2.0f + (glyph.mBearingY - cy - 0.5f) * scale;
    EXPECT_TRUE(Near(ReadWorld(wx, wy), Pixel{255, 0, 0, 255}));
    EXPECT_TRUE(Near(ReadWorld(-2.5f, -2.5f), Grey)) << "left of and below the glyph";
}

TEST_F(RenderComponentsPixelTest, ATextRendererWithoutTransformDrawsNothing)
{
    auto object = std::make_unique<Composition>("Bare");
    auto* text = new TextRenderer();
    text->TextString = "HHHHHHHH";
    text->FontSize = 500;
    object->AddComponent(ComponentType::TextRenderer, text);
    object->Initialize();
    DrawFrame();
    EXPECT_TRUE(Near(ReadWorld(0.5f, 0.5f), Grey));
    EXPECT_TRUE(Near(ReadWorld(3.0f, 3.0f), Grey));
}

TEST_F(RenderComponentsPixelTest, ARendererDrawsItsSheetFrame)
{
    // A 2 x 2 sheet: red, green / blue, white.
    const unsigned char colours[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    std::vector<unsigned char> pixels(16 * 16 * 4);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
        {
            const unsigned char* c = colours[(y < 8 ? 0 : 2) + (x < 8 ? 0 : 1)];
            unsigned char* at = &pixels[(y * 16 + x) * 4];
            at[0] = c[0], at[1] = c[1], at[2] = c[2], at[3] = 255;
        }
    ASSERT_TRUE(stbi_write_png(mFolder.File("Resources/Art/Quads.png").c_str(), 16, 16, 4, pixels.data(), 64));
    SpriteSheet& sheet = mGraphics->mSpriteSheets["Quads"];
    sheet.mName = "Quads";
    sheet.mRows = sheet.mCols = 2;
    ASSERT_TRUE(sheet.Load("Resources/Art/Quads.png"));
    sheet.Slice();

    Renderer* renderer = MakeObject<Renderer>(Vec3(0.0f), 4.0f);
    renderer->SetSpriteSheet("Quads");
    renderer->mIndex = 1;
    DrawFrame();
    EXPECT_TRUE(Near(ReadWorld(0.0f, 0.0f), Pixel{0, 255, 0, 255}));
    EXPECT_TRUE(Near(ReadWorld(1.5f, -1.5f), Pixel{0, 255, 0, 255}));
    EXPECT_TRUE(Near(ReadWorld(2.5f, 0.0f), Grey));

    renderer->mIndex = 2;
    DrawFrame();
    EXPECT_TRUE(Near(ReadWorld(0.0f, 0.0f), Pixel{0, 0, 255, 255}));

    renderer->mAlpha = 0.5f;
    renderer->mIndex = 3;
    DrawFrame();
    EXPECT_TRUE(Near(ReadWorld(0.0f, 0.0f), Pixel{191, 191, 191, 255})) << "white at alpha 0.5 over grey";

    renderer->mInvisible = true;
    DrawFrame();
    EXPECT_TRUE(Near(ReadWorld(0.0f, 0.0f), Grey));

    // Pixels are decoded at a sheet's first draw: data cut after a whole
    // header is found then, logged once, and the sheet draws nothing.
    std::ifstream whole(mFolder.File("Resources/Art/Quads.png"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    std::ofstream(mFolder.File("Resources/Art/Cut.png"), std::ios::binary) << bytes.substr(0, 60);
    ASSERT_TRUE(sheet.Load("Resources/Art/Cut.png"));
    sheet.Slice();
    renderer->mInvisible = false;
    renderer->mAlpha = 1.0f;
    TestSupport::LogCapture log;
    DrawFrame();
    DrawFrame();
    EXPECT_TRUE(Near(ReadWorld(0.0f, 0.0f), Grey));
    const std::string text = log.Text();
    const size_t failed = text.find("Failed to load texture \"Resources/Art/Cut.png\"");
    EXPECT_NE(failed, std::string::npos) << text;
    EXPECT_EQ(failed, text.rfind("Failed to load texture")) << "tried once";

    // Replaced after its header was read, by an image of another height (whose
    // first rows would fill the texture) or by another format under the same
    // name: the pixels are refused at the first draw too.
    std::vector<unsigned char> taller(16 * 32 * 4, 255);
    ASSERT_TRUE(stbi_write_png(mFolder.File("Resources/Art/Taller.png").c_str(), 16, 32, 4, taller.data(), 64));
    const std::string replacements[][2] = {
        {"Taller.png", TestSupport::ReadFile(mFolder.File("Resources/Art/Taller.png"))},
        {"Deep.png", GraphicsTest::ShortSixteenBitPpm(16, 16)}};
    for (const auto& [name, replacement] : replacements)
    {
        const std::string path = "Resources/Art/" + name;
        std::ofstream(mFolder.File(path), std::ios::binary) << bytes;
        ASSERT_TRUE(sheet.Load(path)) << name;
        sheet.Slice();
        std::ofstream(mFolder.File(path), std::ios::binary | std::ios::trunc) << replacement;
        DrawFrame();
        EXPECT_TRUE(Near(ReadWorld(0.0f, 0.0f), Grey)) << name;
        EXPECT_NE(log.Text().find("Failed to load texture \"" + path + "\""), std::string::npos) << name;
    }
}
