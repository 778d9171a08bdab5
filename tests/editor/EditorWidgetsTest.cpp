// The widgets the editor's panels share.
#include <gtest/gtest.h>
#include "core/objects/Composition.h"
#include "editor/EditorWidgets.h"
#include "graphics/GraphicsSystem.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::HeadlessImGui;

TEST(EditorWidgets, MapValueAtWalksTheMapInKeyOrder)
{
    Composition a("A"), b("B"), c("C");
    std::map<uint32_t, Composition*> map{{7, &b}, {3, &a}, {12, &c}};
    EXPECT_EQ(MapValueAt(map, 0), &a);
    EXPECT_EQ(MapValueAt(map, 2), &c);
    EXPECT_EQ(MapValueAt(map, -4), &a); // below 1: the first
    EXPECT_EQ(MapValueAt(map, 3), nullptr);
    EXPECT_EQ(MapValueAt({}, 0), nullptr);
}

TEST(EditorWidgets, ObjectNameGetterRefusesIndicesOutsideTheMapAndNullObjects)
{
    Composition a("Apple");
    std::map<uint32_t, Composition*> map{{1, &a}, {2, nullptr}};
    const char* name = nullptr;
    EXPECT_TRUE(ObjectNameGetter(&map, 0, &name));
    EXPECT_STREQ(name, "Apple");
    EXPECT_FALSE(ObjectNameGetter(&map, 1, &name));
    EXPECT_FALSE(ObjectNameGetter(&map, 2, &name));
    EXPECT_FALSE(ObjectNameGetter(&map, -1, &name));
}

TEST(EditorWidgets, TheSpritePickerStoresThePressedCellAndSkipsMissingFrames)
{
    GraphicsSystem graphics; // no context: the sheet table only
    SpriteSheet& sheet = graphics.mSpriteSheets["Tiles"];
    sheet.mName = "Tiles";
    sheet.mId = 5;
    sheet.mRows = 2;
    sheet.mCols = 3; // six frames for two rows of four cells
    sheet.Slice();

    HeadlessImGui imgui;
    uint32_t selected = 99;
    const auto body = [&]
    {
        DrawSpritePicker("Tiles", &selected, 2);
        DrawSpritePicker("NoSuchSheet", &selected, 2);
    };
    imgui.Frame(body);
    std::vector<const TestSupport::RecordedItem*> cells;
    for (const auto& item : TestSupport::RecordedItems())
        if (item.mLabel == "#image")
            cells.push_back(&item);
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[1]->mMin.y, cells[0]->mMin.y); // four to a line
    EXPECT_EQ(cells[3]->mMin.y, cells[0]->mMin.y);
    EXPECT_GT(cells[4]->mMin.y, cells[0]->mMin.y);
    EXPECT_EQ(cells[4]->mMin.x, cells[0]->mMin.x);
    EXPECT_EQ(cells[4]->mMax.x - cells[4]->mMin.x, cells[0]->mMax.x - cells[0]->mMin.x);

    imgui.Click(cells[5], body);
    EXPECT_EQ(selected, 5u);
}
