// Tile map mode: painting and erasing with Ctrl and the mouse, never through
// an editor window, and the tile tools' size, apply and clear.
#include <gtest/gtest.h>
#include "core/objects/Factory.h"
#include "graphics/GraphicsSystem.h"
#include "physics/SpatialGrid.h"
#include "support/EditorSceneMouse.h"

using namespace Framework;
using TestSupport::EditorHarness;
using TestSupport::FindItem;

namespace
{
class TileMapEditing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Grid().Resize(4, 3);
        gSpatialGrid->Resize(4, 3);
        editor.mEditor->mObjectType = EditorObjectType::TileMap;
        editor.mEditor->mColliderIndex = 1;
        editor.mEditor->mPlatformIndex = 5;
        editor.Frame(2);
    }

    TileGrid& Grid() { return editor.mWorld->mFactory->mTileGrid; }
    int UsedCells()
    {
        int used = 0;
        for (const auto& row : Grid().mRows)
            for (const TileCell& cell : row)
                used += cell.mUsed ? 1 : 0;
        return used;
    }
    // Ctrl and a mouse button held over the world point for a few frames.
    void Stroke(float x, float y, int button = VK_LBUTTON)
    {
        TestSupport::PointAtWorld(editor, x, y);
        Hold(button);
    }
    void Hold(int button)
    {
        editor.KeyDown(VK_CONTROL);
        editor.MouseDown(button);
        editor.Frame(3);
        editor.MouseUp(button);
        editor.KeyUp(VK_CONTROL);
        editor.Frame();
    }
    // A size field's value as an edit leaves it.
    void SetSize(const char* id, float value)
    {
        auto& state = editor.mEditor->mPanels;
        (std::string(id) == "##1" ? state.mWorkingWidth : state.mWorkingHeight) = static_cast<int32_t>(value);
    }

    EditorHarness editor;
};
} // namespace

TEST_F(TileMapEditing, CtrlLeftPaintsTheCellUnderTheMouseAndCtrlMiddleErasesIt)
{
    Stroke(2.5f, 1.25f);
    ASSERT_TRUE(Grid().mRows[1][2].mUsed);
    EXPECT_EQ(Grid().mRows[1][2].mKind, 1);
    EXPECT_EQ(Grid().mRows[1][2].mFrame, 5);
    EXPECT_EQ(gSpatialGrid->TileKindAt(2, 1), 1u);
    EXPECT_EQ(UsedCells(), 1);
    // Painting over a used cell replaces its frame, also for the same kind.
    editor.mEditor->mPlatformIndex = 6;
    Stroke(2.5f, 1.25f);
    EXPECT_EQ(Grid().mRows[1][2].mKind, 1);
    EXPECT_EQ(Grid().mRows[1][2].mFrame, 6);
    EXPECT_EQ(gSpatialGrid->GetTileBodies().size(), 1u);

    // The grid's edge and beyond paint nothing.
    Stroke(4.0f, 1.0f);
    Stroke(1.0f, 3.0f);
    Stroke(-0.5f, 1.0f);
    Stroke(1.0f, -0.01f);
    EXPECT_EQ(UsedCells(), 1);
    Stroke(0.0f, 0.0f); // the first cell's corner is inside
    EXPECT_TRUE(Grid().mRows[0][0].mUsed);

    Stroke(2.9f, 1.9f, VK_MBUTTON);
    EXPECT_FALSE(Grid().mRows[1][2].mUsed);
    EXPECT_EQ(gSpatialGrid->TileKindAt(2, 1), 0u);
    EXPECT_EQ(UsedCells(), 1);

    // A fast stroke (one frame across the grid, slanting and leaving it)
    // paints or erases every cell the pointer crossed, no gaps.
    const auto sweep = [&](float x0, float y0, float x1, float y1, int button)
    {
        TestSupport::PointAtWorld(editor, x0, y0);
        editor.KeyDown(VK_CONTROL);
        editor.MouseDown(button);
        editor.Frame(2);
        TestSupport::PointAtWorld(editor, x1, y1);
        editor.Frame();
        editor.MouseUp(button);
        editor.KeyUp(VK_CONTROL);
        editor.Frame();
    };
    sweep(0.5f, 2.5f, 3.5f, 2.5f, VK_LBUTTON);
    EXPECT_EQ(UsedCells(), 5);
    for (int x = 0; x < 4; ++x)
        EXPECT_TRUE(Grid().mRows[2][x].mUsed) << x;
    sweep(0.5f, 0.2f, 3.5f, 1.4f, VK_LBUTTON); // crosses y = 1 at x = 2.5
    EXPECT_EQ(UsedCells(), 9);
    EXPECT_TRUE(Grid().mRows[0][2].mUsed && Grid().mRows[1][2].mUsed && Grid().mRows[1][3].mUsed);
    EXPECT_FALSE(Grid().mRows[1][1].mUsed || Grid().mRows[0][3].mUsed);
    sweep(3.9f, 2.9f, -1.0f, 2.9f, VK_MBUTTON); // out of the grid and beyond
    EXPECT_EQ(UsedCells(), 5);
    sweep(3.5f, 1.4f, 0.5f, 0.2f, VK_MBUTTON);
    EXPECT_EQ(UsedCells(), 0);
}

TEST_F(TileMapEditing, NothingIsPaintedThroughAnEditorWindowOrWithoutCtrl)
{
    TestSupport::PointAtWorldFrom(editor, 1.5f, 1.5f, 100.0f, 300.0f); // over "All Game Objects"
    Hold(VK_LBUTTON);
    EXPECT_EQ(UsedCells(), 0);

    TestSupport::PointAtWorld(editor, 1.5f, 1.5f);
    editor.MouseDown();
    editor.Frame(3);
    editor.MouseUp();
    editor.Frame();
    EXPECT_EQ(UsedCells(), 0);
}

TEST_F(TileMapEditing, ApplyChangesKeepsInnerCellsAndRefusesBadSizes)
{
    Stroke(0.5f, 0.5f);
    Stroke(3.5f, 2.5f);
    ASSERT_EQ(UsedCells(), 2);
    // The fields follow the grid's size.
    EXPECT_EQ(editor.mEditor->mPanels.mWorkingWidth, 4);
    EXPECT_EQ(editor.mEditor->mPanels.mWorkingHeight, 3);

    SetSize("##1", -1.0f);
    ASSERT_TRUE(editor.Click("Apply Changes"));
    EXPECT_EQ(Grid().mWidth, 4u);
    SetSize("##1", 100000.0f);
    SetSize("##2", 100000.0f);
    ASSERT_TRUE(editor.Click("Apply Changes"));
    EXPECT_EQ(Grid().mWidth, 4u);
    EXPECT_EQ(Grid().mHeight, 3u);

    SetSize("##1", 2.0f);
    SetSize("##2", 2.0f);
    ASSERT_TRUE(editor.Click("Apply Changes"));
    EXPECT_EQ(Grid().mWidth, 2u);
    EXPECT_EQ(Grid().mHeight, 2u);
    EXPECT_EQ(UsedCells(), 1);
    EXPECT_TRUE(Grid().mRows[0][0].mUsed);
    EXPECT_EQ(gSpatialGrid->GetColumnCount() > 0, true);

    // Growing past the physics grid's smallest size grows it too, so a tile
    // painted in the new part collides.
    SetSize("##1", 40.0f);
    ASSERT_TRUE(editor.Click("Apply Changes"));
    ASSERT_EQ(Grid().mWidth, 40u);
    EXPECT_EQ(gSpatialGrid->GetColumnCount(), 20);
    Stroke(35.5f, 1.5f);
    ASSERT_TRUE(Grid().mRows[1][35].mUsed);
    int column = 0, row = 0;
    ASSERT_TRUE(gSpatialGrid->CellOf(Vec3(35.5f, 1.5f, 0.0f), column, row));
    EXPECT_EQ(gSpatialGrid->GetCell(column, row).size(), 1u);

    ASSERT_TRUE(editor.Click("Clear TileMap"));
    EXPECT_EQ(UsedCells(), 0);
    EXPECT_EQ(gSpatialGrid->TileKindAt(0, 0), 0u);
}

TEST_F(TileMapEditing, ALoadedGridSizeReachesTheFieldsSoApplyNeverShrinksIt)
{
    // A level loaded behind the editor's back, larger than the fields.
    Grid().Resize(10, 8);
    Grid().mRows[7][9].mUsed = true;
    editor.Frame();
    ASSERT_TRUE(editor.Click("Apply Changes"));
    EXPECT_EQ(Grid().mWidth, 10u);
    EXPECT_EQ(Grid().mHeight, 8u);
    EXPECT_TRUE(Grid().mRows[7][9].mUsed);
}

TEST_F(TileMapEditing, TheTilesetComboFollowsALoadedLevelsTileset)
{
    GraphicsSystem& graphics = *editor.mWorld->mGraphics;
    graphics.mTileTextureNames = {"TilePlatform", "TilePlatform2", "TilePlatform3"}; // set by a GL Init
    graphics.mTilesetName = graphics.mTileTextureNames[1];
    editor.Frame();
    EXPECT_EQ(graphics.mTilesetName, graphics.mTileTextureNames[1]);
    EXPECT_EQ(editor.mEditor->mTileSetIndex, 1);
}
