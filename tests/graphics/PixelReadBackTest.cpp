// What reaches the screen: layer order, texture corners, flips, rotation,
// blending and the loading frame, read back from a real GL window.
#include <GL/glew.h>
#include <stb/stb_image_write.h>
#include <vector>
#include "GraphicsTestSupport.h"
#include "core/engine/ThreadStart.h"
#include "support/ObjectTestSupport.h"

using namespace Framework;
using GraphicsTest::Near;
using GraphicsTest::Pixel;

namespace
{
const Pixel Grey{128, 128, 128, 255};
const Pixel Red{255, 0, 0, 255};
const Pixel Green{0, 255, 0, 255};
const Pixel Blue{0, 0, 255, 255};
const Pixel White{255, 255, 255, 255};
const Color Opaque(1.0f, 1.0f, 1.0f, 1.0f);

Sprite Untextured()
{
    const Vec2 corners[4] = {Vec2(0.0f), Vec2(0.0f), Vec2(0.0f), Vec2(0.0f)};
    return Sprite(0, 0, corners);
}

class ScreenTest : public GraphicsTest::PixelTest
{
protected:
    // A 16 x 16 image in four quadrants: red top-left, green top-right, blue bottom-left, white bottom-right.
    SpriteSheet LoadFourColourSheet()
    {
        std::vector<unsigned char> pixels(16 * 16 * 4);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
            {
                const Pixel p = y < 8 ? (x < 8 ? Red : Green) : (x < 8 ? Blue : White);
                unsigned char* at = &pixels[(y * 16 + x) * 4];
                at[0] = p.r, at[1] = p.g, at[2] = p.b, at[3] = 255;
            }
        const std::string path = mFolder.File("Resources/Art/Quadrants.png");
        stbi_write_png(path.c_str(), 16, 16, 4, pixels.data(), 16 * 4);
        SpriteSheet sheet;
        sheet.mRows = sheet.mCols = 1;
        EXPECT_TRUE(sheet.Load("Resources/Art/Quadrants.png"));
        sheet.Slice();
        return sheet;
    }

    void DrawQuadrants(const Sprite& frame, float angle, bool flipX, bool flipY)
    {
        const float size[2] = {4.0f, 4.0f};
        mGraphics->BeginFrame();
        mGraphics->DrawSprite(frame, Vec3(0.0f), size, angle, Opaque, "Test", flipX, flipY);
        mGraphics->FlushSprites();
    }

    // The colours at the screen's top-left, top-right, bottom-left and bottom-right of the quad.
    std::vector<Pixel> Quadrants() const
    {
        return {ReadWorld(-1.0f, 1.0f), ReadWorld(1.0f, 1.0f), ReadWorld(-1.0f, -1.0f), ReadWorld(1.0f, -1.0f)};
    }

    void ExpectQuadrants(const std::vector<Pixel>& expected)
    {
        const std::vector<Pixel> actual = Quadrants();
        for (size_t i = 0; i < 4; ++i)
            EXPECT_TRUE(Near(actual[i], expected[i])) << "quadrant " << i;
    }
};

TEST_F(ScreenTest, HigherLayerCoversLowerWhateverTheQueueOrder)
{
    const float size[2] = {2.0f, 2.0f};
    for (bool redFirst : {true, false})
    {
        mGraphics->BeginFrame();
        if (redFirst)
            mGraphics->DrawSprite(Untextured(), Vec3(0.0f, 0.0f, 1.0f), size, 0.0f, Color(1, 0, 0, 1), "None", false,
                                  false);
        mGraphics->DrawSprite(Untextured(), Vec3(0.0f), size, 0.0f, Color(0, 1, 0, 1), "None", false, false);
        if (!redFirst)
            mGraphics->DrawSprite(Untextured(), Vec3(0.0f, 0.0f, 1.0f), size, 0.0f, Color(1, 0, 0, 1), "None", false,
                                  false);
        mGraphics->FlushSprites();
        EXPECT_TRUE(Near(ReadWorld(0.0f, 0.0f), Red)) << (redFirst ? "red queued first" : "red queued last");
        EXPECT_TRUE(Near(ReadWorld(3.0f, 3.0f), Grey));
    }
}

TEST_F(ScreenTest, FrameCornersLandUprightOnTheQuad)
{
    const SpriteSheet sheet = LoadFourColourSheet();
    DrawQuadrants(sheet.mFrames[0], 0.0f, false, false);
    ExpectQuadrants({Red, Green, Blue, White});
}

TEST_F(ScreenTest, SheetsFirstDrawnTogetherDrawWhereNoDecodingThreadCanStart)
{
    // Decoded together at their first draw, on workers; their start used to
    // throw out of the frame and end the program when the system had none.
    const SpriteSheet left = LoadFourColourSheet();
    const SpriteSheet right = LoadFourColourSheet();
    TestSupport::LogCapture log;
    FailThreadStarts(64);
    const float size[2] = {2.0f, 2.0f};
    mGraphics->BeginFrame();
    mGraphics->DrawSprite(left.mFrames[0], Vec3(-2.0f, 0.0f, 0.0f), size, 0.0f, Opaque, "Test", false, false);
    mGraphics->DrawSprite(right.mFrames[0], Vec3(2.0f, 0.0f, 0.0f), size, 0.0f, Opaque, "Test", false, false);
    mGraphics->FlushSprites();
    FailThreadStarts(0);
    EXPECT_TRUE(Near(ReadWorld(-2.5f, 0.5f), Red));
    EXPECT_TRUE(Near(ReadWorld(2.5f, -0.5f), White));
    EXPECT_NE(log.Text().find("No thread could be started for decoding sprite sheets"), std::string::npos);
}

TEST_F(ScreenTest, FlipsMirrorTheFrame)
{
    const SpriteSheet sheet = LoadFourColourSheet();
    DrawQuadrants(sheet.mFrames[0], 0.0f, true, false);
    ExpectQuadrants({Green, Red, White, Blue});
    DrawQuadrants(sheet.mFrames[0], 0.0f, false, true);
    ExpectQuadrants({Blue, White, Red, Green});
    DrawQuadrants(sheet.mFrames[0], 0.0f, true, true);
    ExpectQuadrants({White, Blue, Green, Red});
}

TEST_F(ScreenTest, QuarterTurnRotatesCounterClockwise)
{
    const SpriteSheet sheet = LoadFourColourSheet();
    DrawQuadrants(sheet.mFrames[0], 3.1415927f / 2.0f, false, false);
    // The top-left quadrant turns to the bottom-left.
    ExpectQuadrants({Green, White, Red, Blue});
}

TEST_F(ScreenTest, HalfTransparentWhiteBlendsOverTheGreyClearColour)
{
    const float size[2] = {2.0f, 2.0f};
    mGraphics->BeginFrame();
    mGraphics->DrawSprite(Untextured(), Vec3(0.0f), size, 0.0f, Color(1, 1, 1, 0.5f), "None", false, false);
    mGraphics->FlushSprites();
    EXPECT_TRUE(Near(ReadWorld(0.0f, 0.0f), Pixel{191, 191, 191, 255}));
}

TEST_F(ScreenTest, LoadingFrameIsAYellowQuadOnTheCamera)
{
    mGraphics->DrawLoadingFrame();
    auto front = [](float x, float y)
    { return ReadPixel(static_cast<int>(Width / 2 + x * 25.0f), static_cast<int>(Height / 2 - y * 25.0f)); };
    EXPECT_TRUE(Near(front(0.0f, 0.0f), Pixel{255, 255, 0, 255}));
    EXPECT_TRUE(Near(front(4.0f, 2.3f), Pixel{255, 255, 0, 255}));
    EXPECT_TRUE(Near(front(4.5f, 0.0f), Grey)) << "the quad is 8.5 wide";
    EXPECT_TRUE(Near(front(0.0f, 2.7f), Grey)) << "the quad is 5 high";
}

TEST_F(ScreenTest, DebugLinesAreDrawnInTheirColour)
{
    mGraphics->BeginFrame();
    const float a[2] = {-3.0f, 0.02f}, b[2] = {3.0f, 0.02f};
    mGraphics->DrawLine(a, b, Color(0, 0, 1, 1));
    mGraphics->FlushDebug();
    EXPECT_TRUE(Near(ReadPixel(Width / 2 + 10, Height / 2 - 1), Blue));
    EXPECT_TRUE(Near(ReadWorld(0.0f, 2.0f), Grey));
}
} // namespace
