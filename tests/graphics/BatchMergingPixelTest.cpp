// Batches that follow each other with the same texture and program are drawn
// by one draw call: the picture must stay what one draw per batch gave, with
// every layer covering the ones below it.
#include <stb/stb_image_write.h>
#include <vector>
#include "GraphicsTestSupport.h"

using namespace Framework;
using GraphicsTest::Near;
using GraphicsTest::Pixel;

namespace
{
const Color Opaque(1.0f, 1.0f, 1.0f, 1.0f);

class BatchMergingTest : public GraphicsTest::PixelTest
{
protected:
    // A one-frame sheet of a single colour.
    SpriteSheet SolidSheet(const std::string& name, const Pixel& colour)
    {
        std::vector<unsigned char> pixels(4 * 4 * 4);
        for (size_t i = 0; i < pixels.size(); i += 4)
            pixels[i] = colour.r, pixels[i + 1] = colour.g, pixels[i + 2] = colour.b, pixels[i + 3] = 255;
        stbi_write_png(ArtFile(name + ".png").c_str(), 4, 4, 4, pixels.data(), 4 * 4);
        SpriteSheet sheet;
        sheet.mRows = sheet.mCols = 1;
        EXPECT_TRUE(sheet.Load("Resources/Art/" + name + ".png"));
        sheet.Slice();
        return sheet;
    }

    void Draw(const SpriteSheet& sheet, float x, float z, float side, const char* shader = "Test")
    {
        const float size[2] = {side, side};
        mGraphics->DrawSprite(sheet.mFrames[0], Vec3(x, 0.0f, z), size, 0.0f, Opaque, shader, false, false);
    }
};
} // namespace

TEST_F(BatchMergingTest, LayersSharingTextureAndProgramDrawOnceAndKeepTheirOrder)
{
    const SpriteSheet red = SolidSheet("Red", Pixel{255, 0, 0, 255});
    const SpriteSheet blue = SolidSheet("Blue", Pixel{0, 0, 255, 255});
    for (int frame = 0; frame < 2; ++frame) // the second frame reuses the grown buffer
    {
        mGraphics->BeginFrame();
        // Queued top layer first: the order on screen comes from the layers.
        Draw(red, 0.0f, 3.0f, 1.0f);  // red again, over the blue
        Draw(blue, 0.0f, 2.0f, 2.0f); // blue over both lower reds
        Draw(red, 2.0f, 1.0f, 2.0f);  // red, merged with layer 0
        Draw(red, 2.0f, 0.0f, 3.0f);
        Draw(blue, 2.0f, -1.0f, 4.0f); // blue under everything
        mGraphics->FlushSprites();
        EXPECT_EQ(mGraphics->mSpriteDrawCalls, 4u) << "layers 0 and 1 share one draw";
        EXPECT_TRUE(Near(ReadWorld(0.0f, 0.0f), Pixel{255, 0, 0, 255}));
        EXPECT_TRUE(Near(ReadWorld(0.8f, 0.0f), Pixel{0, 0, 255, 255}));
        EXPECT_TRUE(Near(ReadWorld(2.0f, 0.0f), Pixel{255, 0, 0, 255}));
        EXPECT_TRUE(Near(ReadWorld(3.7f, 0.0f), Pixel{0, 0, 255, 255}));
        EXPECT_TRUE(Near(ReadWorld(5.0f, 0.0f), Pixel{128, 128, 128, 255}));
    }
}

TEST_F(BatchMergingTest, AnotherProgramOrTextureEndsTheDraw)
{
    const SpriteSheet red = SolidSheet("Red", Pixel{255, 0, 0, 255});
    mGraphics->BeginFrame();
    Draw(red, 0.0f, 0.0f, 4.0f);
    Draw(red, 0.0f, 1.0f, 2.0f, "None"); // flat vertex colour: white
    Draw(red, 0.0f, 2.0f, 1.0f);
    mGraphics->FlushSprites();
    EXPECT_EQ(mGraphics->mSpriteDrawCalls, 3u);
    EXPECT_TRUE(Near(ReadWorld(0.0f, 0.0f), Pixel{255, 0, 0, 255}));
    EXPECT_TRUE(Near(ReadWorld(0.8f, 0.0f), Pixel{255, 255, 255, 255}));
    EXPECT_TRUE(Near(ReadWorld(1.5f, 0.0f), Pixel{255, 0, 0, 255}));

    // Debug lines share the sprite buffer; the next frame's sprites are whole again.
    const float a[2] = {-3.0f, -1.5f}, b[2] = {3.0f, -1.5f};
    for (int i = 0; i < 200; ++i)
        mGraphics->DrawLine(a, b, Color(0, 1, 0, 1));
    mGraphics->FlushDebug();
    mGraphics->mDebugIndices.clear();
    mGraphics->mDebugVertices.clear();
    mGraphics->BeginFrame();
    Draw(red, 0.0f, 0.0f, 4.0f);
    mGraphics->FlushSprites();
    EXPECT_EQ(mGraphics->mSpriteDrawCalls, 1u);
    EXPECT_TRUE(Near(ReadWorld(1.5f, 1.5f), Pixel{255, 0, 0, 255}));
}
