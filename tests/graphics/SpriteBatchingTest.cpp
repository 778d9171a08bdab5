// Sprite queueing without GL: culling, layers, batch order, corners, flips, rotation.
#include <gtest/gtest.h>
#include <cmath>
#include <tuple>
#include <vector>
#include "graphics/GraphicsSystem.h"

using namespace Framework;

namespace
{
const Color White(1.0f, 1.0f, 1.0f, 1.0f);
const float UnitSize[2] = {1.0f, 1.0f};

// A frame whose corners are all different: u 0.1 / 0.2 and v 0.3 / 0.4.
Sprite DistinctFrame(uint32_t texture)
{
    const Vec2 corners[4] = {Vec2(0.1f, 0.3f), Vec2(0.2f, 0.3f), Vec2(0.1f, 0.4f), Vec2(0.2f, 0.4f)};
    return Sprite(1, texture, corners);
}

class SpriteBatchingTest : public ::testing::Test
{
protected:
    SpriteBatchingTest()
    {
        mGraphics.mEditorCamera.SetUpForEditing(1366.0f, 768.0f);
        mGraphics.mShaders = {{"Test", 3}, {"Debug", 5}};
    }

    void Queue(uint32_t texture, Vec3 position, const std::string& shader = "Test")
    {
        mGraphics.DrawSprite(DistinctFrame(texture), position, UnitSize, 0.0f, White, shader, false, false);
    }

    // u, v of quad vertex i of the only queued sprite.
    Vec2 UV(int i) const
    {
        const SpriteBatch& batch = mGraphics.mSpriteBatches.begin()->second.begin()->second.begin()->second;
        return Vec2(batch.mVertices[i * 9 + 7], batch.mVertices[i * 9 + 8]);
    }
    Vec2 XY(int i) const
    {
        const SpriteBatch& batch = mGraphics.mSpriteBatches.begin()->second.begin()->second.begin()->second;
        return Vec2(batch.mVertices[i * 9 + 0], batch.mVertices[i * 9 + 1]);
    }

    GraphicsSystem mGraphics;
};

TEST_F(SpriteBatchingTest, SpriteOutsideTheViewCreatesNoBatch)
{
    // The view is 54.64 x 30.72 around the origin.
    Queue(1, Vec3(40.0f, 0.0f, 0.0f));
    Queue(1, Vec3(0.0f, -25.0f, 0.0f));
    EXPECT_TRUE(mGraphics.mSpriteBatches.empty());
    Queue(1, Vec3(27.0f, 0.0f, 0.0f)); // its quad reaches into the view
    EXPECT_EQ(mGraphics.mSpriteBatches.size(), 1u);
}

TEST_F(SpriteBatchingTest, LayerIsTheDepthTruncatedTowardZero)
{
    const std::vector<std::pair<float, int>> cases = {{0.9f, 0}, {0.1f, 0}, {-0.5f, 0}, {2.7f, 2}, {-8.0f, -8}};
    for (const auto& [z, layer] : cases)
        Queue(1, Vec3(0.0f, 0.0f, z));
    std::vector<int> layers;
    for (const auto& entry : mGraphics.mSpriteBatches)
        layers.push_back(entry.first);
    EXPECT_EQ(layers, (std::vector<int>{-8, 0, 2}));
    EXPECT_EQ(mGraphics.mSpriteBatches[0][1][3].mQuadCount, 3u);
}

TEST_F(SpriteBatchingTest, BatchesAreVisitedByLayerThenTextureThenProgram)
{
    Queue(9, Vec3(0.0f, 0.0f, 0.9f), "Debug");
    Queue(9, Vec3(0.0f, 0.0f, 0.1f), "Test");
    Queue(2, Vec3(0.0f, 0.0f, 0.5f), "Test");
    Queue(4, Vec3(0.0f, 0.0f, -3.0f), "Test");
    std::vector<std::tuple<int, uint32_t, uint32_t>> order;
    for (const auto& [layer, textures] : mGraphics.mSpriteBatches)
        for (const auto& [texture, programs] : textures)
            for (const auto& [program, batch] : programs)
                order.emplace_back(layer, texture, program);
    const std::vector<std::tuple<int, uint32_t, uint32_t>> expected = {{-3, 4, 3}, {0, 2, 3}, {0, 9, 3}, {0, 9, 5}};
    EXPECT_EQ(order, expected);
}

TEST_F(SpriteBatchingTest, QuadsOfOneBatchKeepTheirQueueOrderAndIndexOffsets)
{
    Queue(1, Vec3(-1.0f, 0.0f, 0.0f));
    Queue(1, Vec3(1.0f, 0.0f, 0.0f));
    const SpriteBatch& batch = mGraphics.mSpriteBatches[0][1][3];
    EXPECT_EQ(batch.mIndices, (std::vector<uint32_t>{0, 1, 2, 2, 1, 3, 4, 5, 6, 6, 5, 7}));
    EXPECT_EQ(batch.mVertexCount, 8u);
    EXPECT_EQ(batch.mTriangleCount, 4u);
    EXPECT_FLOAT_EQ(batch.mVertices[0], -1.5f);    // first quad's bottom-left x
    EXPECT_FLOAT_EQ(batch.mVertices[4 * 9], 0.5f); // second quad's bottom-left x
}

TEST_F(SpriteBatchingTest, UnknownShaderNameDrawsWithProgramZero)
{
    Queue(0, Vec3(0.0f), "None");
    EXPECT_EQ(mGraphics.mShaders.count("None"), 1u);
    EXPECT_EQ(mGraphics.mShaders["None"], 0u);
    EXPECT_EQ(mGraphics.mSpriteBatches[0][0].count(0), 1u);
}

TEST_F(SpriteBatchingTest, FlushEmptiesBatchesButKeepsThem)
{
    Queue(1, Vec3(0.0f));
    mGraphics.FlushSprites();
    ASSERT_EQ(mGraphics.mSpriteBatches.size(), 1u);
    const SpriteBatch& batch = mGraphics.mSpriteBatches[0][1][3];
    EXPECT_EQ(batch.mQuadCount, 0u);
    EXPECT_TRUE(batch.mVertices.empty());
    EXPECT_GT(batch.mVertices.capacity(), 0u) << "storage is kept for the next frame";
    Queue(1, Vec3(0.0f)); // after the flush: waits for the next one
    EXPECT_EQ(mGraphics.mSpriteBatches[0][1][3].mQuadCount, 1u);
}

TEST_F(SpriteBatchingTest, FrameCornersGoToTheQuadUpright)
{
    Queue(1, Vec3(0.0f));
    // Quad vertices: bottom-left, bottom-right, top-left, top-right.
    EXPECT_EQ(UV(0), Vec2(0.1f, 0.4f));
    EXPECT_EQ(UV(1), Vec2(0.2f, 0.4f));
    EXPECT_EQ(UV(2), Vec2(0.1f, 0.3f));
    EXPECT_EQ(UV(3), Vec2(0.2f, 0.3f));
}

TEST_F(SpriteBatchingTest, FlipsSwapTheCoordinatesAcrossTheQuad)
{
    mGraphics.DrawSprite(DistinctFrame(1), Vec3(0.0f), UnitSize, 0.0f, White, "Test", true, true);
    EXPECT_EQ(UV(0), Vec2(0.2f, 0.3f));
    EXPECT_EQ(UV(1), Vec2(0.1f, 0.3f));
    EXPECT_EQ(UV(2), Vec2(0.2f, 0.4f));
    EXPECT_EQ(UV(3), Vec2(0.1f, 0.4f));
}

TEST_F(SpriteBatchingTest, QuarterTurnStandsAWideQuadUpright)
{
    const float wide[2] = {2.0f, 1.0f};
    mGraphics.DrawSprite(DistinctFrame(1), Vec3(5.0f, 1.0f, 0.0f), wide, 3.1415927f / 2.0f, White, "Test", false,
                         false);
    // Bottom-left (-1, -0.5) turns counter-clockwise to (0.5, -1).
    EXPECT_NEAR(XY(0).x, 5.5f, 1e-5f);
    EXPECT_NEAR(XY(0).y, 0.0f, 1e-5f);
    // Top-right (1, 0.5) turns to (-0.5, 1).
    EXPECT_NEAR(XY(3).x, 4.5f, 1e-5f);
    EXPECT_NEAR(XY(3).y, 2.0f, 1e-5f);
}

TEST_F(SpriteBatchingTest, CircleIsThirtyTwoSegmentsOfItsRadius)
{
    const float centre[2] = {3.0f, -1.0f};
    mGraphics.DrawCircle(centre, 2.0f, White);
    ASSERT_EQ(mGraphics.mDebugIndices.size(), 64u);
    ASSERT_EQ(mGraphics.mDebugVertices.size(), 64u * 7u);
    for (size_t i = 0; i < 64; ++i)
    {
        EXPECT_EQ(mGraphics.mDebugIndices[i], i);
        const float x = mGraphics.mDebugVertices[i * 7] - 3.0f;
        const float y = mGraphics.mDebugVertices[i * 7 + 1] + 1.0f;
        EXPECT_NEAR(std::sqrt(x * x + y * y), 1.0f, 1e-4f);
    }
    // The last segment ends where the first began.
    EXPECT_NEAR(mGraphics.mDebugVertices[63 * 7], 4.0f, 1e-4f);
    EXPECT_NEAR(mGraphics.mDebugVertices[63 * 7 + 1], -1.0f, 1e-4f);
}
} // namespace
