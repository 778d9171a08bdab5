// Tile-map drawing: which cells are queued, in which layer, and on screen.
#include <GL/glew.h>
#include "GraphicsTestSupport.h"
#include "core/objects/Factory.h"

using namespace Framework;
using GraphicsTest::Near;
using GraphicsTest::Pixel;

namespace
{
// Marks the cell at column x, row y as used with that frame.
void UseCell(TileGrid& grid, uint32_t x, uint32_t y, int32_t frame)
{
    TileCell& cell = grid.mRows[y][x];
    cell.mUsed = true;
    cell.mKind = 1;
    cell.mFrame = frame;
    cell.mCentre = Vec3(x + 0.5f, y + 0.5f, TileGrid::TileLayer);
}

// A tileset of four frames without GL: the frames only carry texture id 5.
SpriteSheet FourFrameSheet()
{
    SpriteSheet sheet;
    sheet.mId = 5;
    sheet.mRows = sheet.mCols = 2;
    sheet.Slice();
    return sheet;
}

class TileQueueTest : public ::testing::Test
{
protected:
    TileQueueTest()
    {
        mFactory.mTileGrid.Resize(64, 4);
        mGraphics.mSpriteSheets["TilePlatform"] = FourFrameSheet();
        // A 20-unit wide view centred at x 0: its right edge is at x 10.
        mGraphics.mEditorCamera.SetUpForEditing(500.0f, 500.0f);
        mGraphics.mEditorCamera.Position = Vec3(0.0f, 0.0f, 30.0f);
    }

    uint32_t QueuedTiles() { return mGraphics.mSpriteBatches[-8][5][0].mQuadCount; }

    GameObjectFactory mFactory;
    GraphicsSystem mGraphics;
};

TEST_F(TileQueueTest, TilesWithinOneUnitBeyondTheViewAreQueuedInLayerMinusEight)
{
    UseCell(mFactory.mTileGrid, 10, 0, 0); // centre 10.5: 0.5 beyond the edge
    mFactory.mTileGrid.mRows[1][10].mUsed = true;
    mFactory.mTileGrid.mRows[1][10].mCentre = Vec3(10.9f, 1.5f, -8.0f);
    mFactory.mTileGrid.mRows[2][11].mUsed = true;
    mFactory.mTileGrid.mRows[2][11].mCentre = Vec3(11.1f, 2.5f, -8.0f);
    mGraphics.DrawTileMap();
    ASSERT_EQ(mGraphics.mSpriteBatches.size(), 1u);
    EXPECT_EQ(mGraphics.mSpriteBatches.begin()->first, -8);
    EXPECT_EQ(QueuedTiles(), 2u);
}

TEST_F(TileQueueTest, UnusedCellsAndFramesTheSheetLacksAreSkipped)
{
    UseCell(mFactory.mTileGrid, 0, 0, 3);
    UseCell(mFactory.mTileGrid, 1, 0, 4); // the sheet has frames 0 to 3
    UseCell(mFactory.mTileGrid, 2, 0, -1);
    mFactory.mTileGrid.mRows[0][3].mCentre = Vec3(3.5f, 0.5f, -8.0f); // not used
    mGraphics.DrawTileMap();
    EXPECT_EQ(QueuedTiles(), 1u);
}

TEST_F(TileQueueTest, MissingTilesetDrawsNoTiles)
{
    UseCell(mFactory.mTileGrid, 0, 0, 0);
    mGraphics.mTilesetName = "NoSuchSheet";
    mGraphics.DrawTileMap();
    EXPECT_TRUE(mGraphics.mSpriteBatches.empty());
}

class TileScreenTest : public GraphicsTest::PixelTest
{
protected:
    GameObjectFactory mFactory;
};

TEST_F(TileScreenTest, TileLiesAboveDeeperLayersAndBelowTheSprites)
{
    // A solid green tileset frame, made in GL directly.
    const unsigned char green[4] = {0, 255, 0, 255};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, green);
    SpriteSheet sheet;
    sheet.mId = texture;
    sheet.mRows = sheet.mCols = 1;
    sheet.Slice();
    mGraphics->mSpriteSheets["GreenTiles"] = sheet;
    mGraphics->mTilesetName = "GreenTiles";
    mFactory.mTileGrid.Resize(4, 4);
    UseCell(mFactory.mTileGrid, 0, 0, 0);

    const Vec2 none[4] = {Vec2(0.0f), Vec2(0.0f), Vec2(0.0f), Vec2(0.0f)};
    const Sprite flat(0, 0, none);
    const float wide[2] = {4.0f, 4.0f};
    const float narrow[2] = {0.5f, 0.5f};
    mGraphics->BeginFrame();
    // Queued before the tiles: a red backdrop in layer -9 and a blue marker in layer 0.
    mGraphics->DrawSprite(flat, Vec3(0.0f, 0.0f, -9.0f), wide, 0.0f, Color(1, 0, 0, 1), "None", false, false);
    mGraphics->DrawSprite(flat, Vec3(0.75f, 0.75f, 0.0f), narrow, 0.0f, Color(0, 0, 1, 1), "None", false, false);
    mGraphics->DrawTileMap();
    mGraphics->FlushSprites();

    EXPECT_TRUE(Near(ReadWorld(0.25f, 0.25f), Pixel{0, 255, 0, 255})) << "the tile covers layer -9";
    EXPECT_TRUE(Near(ReadWorld(0.8f, 0.8f), Pixel{0, 0, 255, 255})) << "layer 0 covers the tile";
    EXPECT_TRUE(Near(ReadWorld(-0.5f, -0.5f), Pixel{255, 0, 0, 255})) << "outside the tile";
    mGraphics->mSpriteSheets.erase("GreenTiles");
    glDeleteTextures(1, &texture);
}
} // namespace
