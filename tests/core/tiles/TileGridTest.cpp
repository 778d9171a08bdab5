#include <gtest/gtest.h>
#include "core/serializers/TextSerializer.h"
#include "core/tiles/TileGrid.h"
#include "support/ObjectTestSupport.h"

using namespace Framework;
using TestSupport::ReadFile;
using TestSupport::TempFolder;
using TestSupport::WriteFile;

namespace
{
std::string SaveGrid(TileGrid& grid, const std::string& path)
{
    {
        TextSerializer out(path, TextSerializer::Write);
        grid.Serialize(out);
    }
    return ReadFile(path);
}

void LoadGrid(TileGrid& grid, const std::string& path)
{
    TextSerializer in(path, TextSerializer::ReadOnly);
    grid.Unserialize(in);
}
} // namespace

TEST(TileGridFile, WritesTheTilePlatformExampleByteForByte)
{
    TempFolder folder;
    TileGrid grid;
    grid.SetTilesetName("TilePlatform");
    grid.Resize(3, 2);
    testing::internal::CaptureStdout();
    grid.PlaceTile(1, 4, Vec3(1.5f, 0.5f, 0));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "1 0\n");
    const std::string bytes = "TilePlatform\n3\n2\n0 1 1 4 0 \n0 0 0 \n";
    EXPECT_EQ(SaveGrid(grid, folder.File("a.dat")), bytes);

    TileGrid loaded;
    LoadGrid(loaded, folder.File("a.dat"));
    EXPECT_EQ(loaded.GetTilesetName(), "TilePlatform");
    ASSERT_EQ(loaded.mWidth, 3u);
    ASSERT_EQ(loaded.mHeight, 2u);
    EXPECT_TRUE(loaded.mRows[0][1].mUsed);
    EXPECT_EQ(loaded.mRows[0][1].mKind, 1);
    EXPECT_EQ(loaded.mRows[0][1].mFrame, 4);
    EXPECT_EQ(loaded.mRows[0][1].mCentre, Vec3(1.5f, 0.5f, -8.0f));
    EXPECT_EQ(SaveGrid(loaded, folder.File("b.dat")), bytes);
}

TEST(TileGridFile, AUsedCellWritesKindAndFrameSeparatedBySpaces)
{
    TempFolder folder;
    TileGrid grid;
    grid.SetTilesetName("T");
    grid.Resize(1, 1);
    testing::internal::CaptureStdout();
    grid.PlaceTile(3, 12, Vec3(0.2f, 0.7f, 0));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(SaveGrid(grid, folder.File("c.dat")), "T\n1\n1\n1 3 12 \n");
}

TEST(TileGridFile, EmptyGridAndEmptyTilesetNameRoundTrip)
{
    TempFolder folder;
    TileGrid grid;
    EXPECT_EQ(SaveGrid(grid, folder.File("e.dat")), "\n0\n0\n");
    TileGrid loaded;
    loaded.SetTilesetName("Old");
    loaded.Resize(5, 5);
    LoadGrid(loaded, folder.File("e.dat"));
    EXPECT_EQ(loaded.GetTilesetName(), "");
    EXPECT_EQ(loaded.mWidth, 0u);
    EXPECT_EQ(loaded.mHeight, 0u);
    EXPECT_TRUE(loaded.mRows.empty());
}

TEST(TileGridFile, AMissingFileKeepsTheSizeAndClearsEveryCell)
{
    TempFolder folder;
    TileGrid grid;
    grid.Resize(2, 2);
    grid.mRows[1][1].mUsed = true;
    LoadGrid(grid, folder.File("missing.dat"));
    EXPECT_EQ(grid.mWidth, 2u);
    EXPECT_EQ(grid.mHeight, 2u);
    EXPECT_FALSE(grid.mRows[1][1].mUsed);
    EXPECT_EQ(grid.GetTilesetName(), "");
}

TEST(TileGridFile, AnOversizedHeaderIsRefused)
{
    TestSupport::LogCapture log;
    TempFolder folder;
    WriteFile(folder.File("huge.dat"), "T\n4000000000\n4000000000\n");
    TileGrid grid;
    grid.Resize(3, 1);
    LoadGrid(grid, folder.File("huge.dat"));
    EXPECT_EQ(grid.mWidth, 3u);
    EXPECT_EQ(grid.mHeight, 1u);
    EXPECT_NE(log.Text().find("is too large"), std::string::npos);
}

TEST(TileGridFile, UnknownKindsAndShortFilesLeaveCellsCleared)
{
    TestSupport::LogCapture log;
    TempFolder folder;
    WriteFile(folder.File("bad.dat"), "T\n3\n2\n1 9 0 1 7 5 1 -1 2 \n1 1");
    TileGrid grid;
    LoadGrid(grid, folder.File("bad.dat"));
    ASSERT_EQ(grid.mRows.size(), 2u);
    EXPECT_FALSE(grid.mRows[0][0].mUsed);
    EXPECT_TRUE(grid.mRows[0][1].mUsed);
    EXPECT_EQ(grid.mRows[0][1].mKind, 7);
    EXPECT_FALSE(grid.mRows[0][2].mUsed);
    EXPECT_FALSE(grid.mRows[1][0].mUsed); // its frame is missing
    EXPECT_NE(log.Text().find("unknown kind"), std::string::npos);
}

TEST(TileGridEdit, PlacingTwiceReplacesKindAndFrame)
{
    TileGrid grid;
    grid.Resize(4, 4);
    testing::internal::CaptureStdout();
    grid.PlaceTile(1, 4, Vec3(2.5f, 3.5f, 0));
    grid.PlaceTile(5, 9, Vec3(2.1f, 3.9f, 0));
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(grid.mRows[3][2].mUsed);
    EXPECT_EQ(grid.mRows[3][2].mKind, 5);
    EXPECT_EQ(grid.mRows[3][2].mFrame, 9);
    grid.RemoveTile(Vec3(2.5f, 3.5f, 0));
    EXPECT_FALSE(grid.mRows[3][2].mUsed);
    EXPECT_EQ(grid.mRows[3][2].mKind, 5); // kind and frame survive the removal
}

TEST(TileGridEdit, CellsOutsideTheGridAreRefused)
{
    TileGrid grid;
    grid.Resize(2, 2);
    testing::internal::CaptureStdout();
    grid.PlaceTile(1, 0, Vec3(-0.5f, 0.5f, 0));
    grid.PlaceTile(1, 0, Vec3(0.5f, -0.5f, 0));
    grid.PlaceTile(1, 0, Vec3(2.0f, 0.5f, 0));
    grid.PlaceTile(1, 0, Vec3(0.5f, 7.0f, 0));
    grid.PlaceTile(8, 0, Vec3(0.5f, 0.5f, 0));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    grid.RemoveTile(Vec3(-3, -3, 0));
    for (const auto& row : grid.mRows)
        for (const TileCell& cell : row)
            EXPECT_FALSE(cell.mUsed);
}

TEST(TileGridEdit, RebuildKeepsTheOverlapOfOldAndNewSize)
{
    TileGrid grid;
    grid.Resize(4, 3);
    for (uint32_t y = 0; y < 3; ++y)
        for (uint32_t x = 0; x < 4; ++x)
        {
            grid.mRows[y][x].mUsed = true;
            grid.mRows[y][x].mFrame = static_cast<int>(10 * y + x);
        }
    grid.mWidth = 2;
    grid.mHeight = 5;
    grid.Rebuild();
    ASSERT_EQ(grid.mRows.size(), 5u);
    for (uint32_t y = 0; y < 5; ++y)
    {
        ASSERT_EQ(grid.mRows[y].size(), 2u);
        for (uint32_t x = 0; x < 2; ++x)
        {
            EXPECT_EQ(grid.mRows[y][x].mUsed, y < 3);
            if (y < 3)
            {
                EXPECT_EQ(grid.mRows[y][x].mFrame, static_cast<int>(10 * y + x));
            }
            EXPECT_EQ(grid.mRows[y][x].mCentre, Vec3(x + 0.5f, y + 0.5f, -8.0f));
        }
    }
}

TEST(TileGridKinds, HoldTheEightShapes)
{
    TileGrid grid;
    ASSERT_EQ(grid.mKinds.size(), 8u);
    EXPECT_EQ(grid.mKinds[1].mHalfLength, Vec3(1, 1, 0));
    EXPECT_NEAR(grid.mKinds[2].mHalfLength.x, 1.41421f, 1e-4);
    EXPECT_NEAR(grid.mKinds[3].mHalfLength.x, 1.41422f, 1e-4);
    EXPECT_NEAR(grid.mKinds[4].mAngle, 0.463648f, 1e-5);
    EXPECT_NEAR(grid.mKinds[6].mAngle, 2.677945f, 1e-5);
    EXPECT_NEAR(grid.mKinds[6].mHalfLength.x, 1.118034f, 1e-5);
    EXPECT_EQ(grid.mKinds[7].mOffset, Vec3(0, -0.25f, 0));
}
