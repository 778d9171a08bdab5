// The animation file: round trips, its header characters, duplicates, damaged
// files, and the rendering manager's lists.
#include <gtest/gtest.h>
#include "GraphicsTestSupport.h"
#include "core/serializers/TextSerializer.h"
#include "core/objects/Transform.h"
#include "graphics/RenderingManager.h"

using namespace Framework;
using TestSupport::ReadFile;
using TestSupport::WriteFile;

namespace
{
class AnimationFileTest : public ::testing::Test
{
protected:
    bool Read(const std::string& text, AnimationTable& table)
    {
        WriteFile(mFolder.File("Animations.dat"), text);
        TextSerializer file(mFolder.File("Animations.dat"), TextSerializer::ReadOnly);
        return ReadAnimations(file, table);
    }
    std::string Write(const AnimationTable& table)
    {
        {
            TextSerializer file(mFolder.File("Animations.dat"), TextSerializer::Write);
            EXPECT_TRUE(WriteAnimations(file, table));
        }
        return ReadFile(mFolder.File("Animations.dat"));
    }

    TestSupport::TempFolder mFolder;
};

TEST_F(AnimationFileTest, RecordsAreFiveLinesInNameOrder)
{
    AnimationTable table;
    table["Walk"] = {"Player", "Walk", {3, 4, 5}, 12};
    table["Idle"] = {"Player", "Idle", {}, 1};
    EXPECT_EQ(Write(table), "Animation0\nPlayer\nIdle\n-1\n1\nAnimation1\nPlayer\nWalk\n3 4 5 -1\n12\n");
    // A negative rate comes back as typed, not as its unsigned twin 4294967284.
    const std::string negative = "Animation0\nPlayer\nBack\n1 -1\n-12\n";
    table.clear();
    ASSERT_TRUE(Read(negative, table));
    EXPECT_EQ(Write(table), negative);
}

TEST_F(AnimationFileTest, WrittenTableReadsBackTheSame)
{
    AnimationTable table;
    for (int i = 0; i < 12; ++i)
    {
        const std::string name = "Anim" + std::string(1, static_cast<char>('a' + i));
        table[name] = {
            "Sheet" + std::to_string(i), name, {static_cast<uint32_t>(i), 0, 7}, static_cast<uint32_t>(i + 1)};
    }
    table["Anima"].mFrames.clear();
    const std::string text = Write(table);
    EXPECT_NE(text.find("Animation:\n"), std::string::npos) << "the eleventh header ends in a colon";
    AnimationTable read;
    EXPECT_TRUE(Read(text, read));
    ASSERT_EQ(read.size(), table.size());
    for (const auto& [name, animation] : table)
    {
        EXPECT_EQ(read[name].mSpriteSheetKey, animation.mSpriteSheetKey);
        EXPECT_EQ(read[name].mFrames, animation.mFrames) << name;
        EXPECT_EQ(read[name].mFramesPerSecond, animation.mFramesPerSecond);
    }
}

TEST_F(AnimationFileTest, FirstRecordOfANameStays)
{
    AnimationTable table;
    EXPECT_TRUE(Read("Animation0\nA\nRun\n1 -1\n5\nAnimation1\nB\nRun\n2 -1\n6\n", table));
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table["Run"].mSpriteSheetKey, "A");
}

TEST_F(AnimationFileTest, DamagedRecordsEndTheReadingInsteadOfLooping)
{
    AnimationTable table;
    EXPECT_FALSE(Read("Animation0\nA\nRun\n1 2 3", table)) << "no terminator before the end of the file";
    EXPECT_TRUE(table.empty());
    EXPECT_FALSE(Read("Animation0\nA\nRun\n1 -1\n5\nAnimation1\nA\nJump\n1 two -1\n5\n", table));
    EXPECT_EQ(table.size(), 1u) << "records before the damage are kept";
    table.clear();
    EXPECT_FALSE(Read("Animation0\nA\nRun\n1 -1\nfast\n", table));
    EXPECT_TRUE(table.empty());
    // A record without its header line would be read one line off and written back so.
    EXPECT_FALSE(Read("Animation0\nA\nRun\n1 -1\n5\nB\nJump\n2 3 -1\n6\n", table));
    EXPECT_EQ(table.size(), 1u);
}

TEST_F(AnimationFileTest, LastRecordNeedsNoFinalNewline)
{
    AnimationTable table;
    EXPECT_TRUE(Read("Animation0\nA\nRun\n1 -1\n5", table));
    EXPECT_EQ(table["Run"].mFramesPerSecond, 5u);
}

class RenderingManagerTest : public GraphicsTest::ResourceFolderTest
{
};

TEST_F(RenderingManagerTest, AnimationFileSurvivesAStartAndAShutdownUnchanged)
{
    const std::string before = ReadFile(ArtFile("Animations.dat"));
    {
        RenderingManager manager;
        EXPECT_EQ(manager.mAnimations.count("Tester"), 1u);
    }
    EXPECT_EQ(ReadFile(ArtFile("Animations.dat")), before);
}

TEST_F(RenderingManagerTest, DamagedAnimationFileIsNotOverwritten)
{
    const std::string damaged = "Animation0\nA\nRun\n1 -1\n5\nAnimation1\nB\nJump\n1 x -1\n5\n";
    WriteFile(ArtFile("Animations.dat"), damaged);
    {
        RenderingManager manager;
        EXPECT_EQ(manager.mAnimations.size(), 1u);
    }
    EXPECT_EQ(ReadFile(ArtFile("Animations.dat")), damaged);
}

TEST_F(RenderingManagerTest, ClearKeepsArchetypesAndTheAnimationTable)
{
    RenderingManager manager;
    Renderer* renderer = nullptr; // the lists never look inside a renderer here
    manager.AddRenderer(1, renderer);
    manager.AddMode2Renderer(2, renderer);
    manager.AddArchetypeRenderer(100, renderer);
    manager.AddTextRenderer(3, nullptr);
    manager.AddAnimator(nullptr);
    manager.Clear();
    EXPECT_TRUE(manager.mLiveRenderers.empty());
    EXPECT_TRUE(manager.mTileRenderers.empty());
    EXPECT_TRUE(manager.mTextRenderers.empty());
    EXPECT_TRUE(manager.mAnimators.empty());
    EXPECT_EQ(manager.mArchetypeRenderers.size(), 1u);
    EXPECT_EQ(manager.mAnimations.count("Tester"), 1u);
}

TEST_F(RenderingManagerTest, RemovalTakesTheFirstEntryOfTheIdAndKeepsTheOrder)
{
    RenderingManager manager;
    manager.AddRenderer(1, nullptr);
    manager.AddRenderer(2, nullptr);
    manager.AddRenderer(1, nullptr);
    manager.RemoveRenderer(1, nullptr);
    ASSERT_EQ(manager.mLiveRenderers.size(), 2u);
    EXPECT_EQ(manager.mLiveRenderers[0].mObjectId, 2u);
    EXPECT_EQ(manager.mLiveRenderers[1].mObjectId, 1u);
    manager.RemoveMode2Renderer(9); // nothing there: nothing happens
    manager.RemoveTextRenderer(nullptr, 9);
}
} // namespace

namespace
{
TEST(RendererQueue, LayersRoundTheDepthUp)
{
    EXPECT_EQ(RenderingManager::LayerOf(2.5f), 3);
    EXPECT_EQ(RenderingManager::LayerOf(-0.5f), 0);
    EXPECT_EQ(RenderingManager::LayerOf(-8.0f), -8);
}

TEST(RendererQueue, BrokenRenderersAreSkippedNotRead)
{
    GraphicsSystem graphics;
    graphics.mEditorCamera.SetUpForEditing(1366.0f, 768.0f);
    SpriteSheet sheet;
    sheet.mRows = sheet.mCols = 1;
    sheet.Slice();
    Transform transform;
    EXPECT_FALSE(RenderingManager::QueueRendererSprite(nullptr, 0, &transform, 1.0f, false, false));
    EXPECT_FALSE(RenderingManager::QueueRendererSprite(&sheet, 1, &transform, 1.0f, false, false));
    EXPECT_FALSE(RenderingManager::QueueRendererSprite(&sheet, -1, &transform, 1.0f, false, false));
    EXPECT_FALSE(RenderingManager::QueueRendererSprite(&sheet, 0, nullptr, 1.0f, false, false));
    EXPECT_TRUE(graphics.mSpriteBatches.empty());

    transform.mPosition = Vec3(1.0f, 2.0f, 2.5f);
    transform.mRotation = 90.0f;
    ASSERT_TRUE(RenderingManager::QueueRendererSprite(&sheet, 0, &transform, 0.25f, false, false));
    const SpriteBatch& batch = graphics.mSpriteBatches[2][0][graphics.mShaders["Test"]];
    EXPECT_EQ(batch.mQuadCount, 1u);
    EXPECT_FLOAT_EQ(batch.mVertices[6], 0.25f) << "alpha";
    EXPECT_NEAR(batch.mVertices[0], 1.5f, 1e-5f) << "a quarter turn from degrees";
}
} // namespace
