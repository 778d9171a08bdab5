// A level made only through the editor's panels saves with F7 and loads back
// with the same objects, components and tiles.
#include <gtest/gtest.h>
#include <sstream>
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "support/EditorSceneMouse.h"
#include "game/GameFrame.h"

using namespace Framework;
using TestSupport::EditorHarness;
using TestSupport::FindItem;

namespace
{
// Objects in id order (name, tag, component types, position) and used tiles.
std::string Describe(const GameObjectFactory& factory)
{
    std::ostringstream out;
    for (const auto& entry : factory.mObjects)
    {
        const Composition& object = *entry.second;
        out << "[" << object.mName << "] tag " << object.mTag << " :";
        for (const Component* component : object.mComponents)
            out << " " << component->mTypeId;
        if (const Transform* transform = object.GetComponent<Transform>())
            out << " at " << transform->mPosition.x << "," << transform->mPosition.y;
        out << "\n";
    }
    const TileGrid& grid = factory.mTileGrid;
    out << "grid " << grid.mWidth << "x" << grid.mHeight << "\n";
    for (size_t y = 0; y < grid.mRows.size(); ++y)
        for (size_t x = 0; x < grid.mRows[y].size(); ++x)
            if (grid.mRows[y][x].mUsed)
                out << "tile " << x << "," << y << " kind " << grid.mRows[y][x].mKind << " frame "
                    << grid.mRows[y][x].mFrame << "\n";
    return out.str();
}

void AddComponent(EditorHarness& editor, const std::string& creator)
{
    ASSERT_TRUE(editor.Click("##creators", "Component Editor"));
    editor.Frame(2);
    ASSERT_TRUE(editor.Click(creator, "##Combo_00")) << creator;
    ASSERT_TRUE(editor.Click("Add component"));
    editor.Frame(2);
}

void Paint(EditorHarness& editor, float x, float y)
{
    TestSupport::PointAtWorld(editor, x, y);
    editor.KeyDown(VK_CONTROL);
    editor.MouseDown();
    editor.Frame(3);
    editor.MouseUp();
    editor.KeyUp(VK_CONTROL);
    editor.Frame();
}
} // namespace

TEST(EditedLevel, SavedWithF7LoadsBackTheSame)
{
    EditorHarness editor;
    GameObjectFactory& factory = *editor.mWorld->mFactory;
    editor.Frame();

    // An object with a body, a circle and a renderer, renamed to a name that
    // is no XML element name.
    ASSERT_TRUE(editor.Click("Create Object"));
    editor.Frame(3);
    ASSERT_TRUE(editor.Click("##name", "Component Editor"));
    editor.KeyDown(VK_END);
    editor.Frame();
    editor.KeyUp(VK_END);
    editor.Type(" 2<b>");
    editor.TapKey(VK_RETURN);
    ASSERT_EQ(factory.mObjects.begin()->second->mName, "New_GameObject 2<b>");
    AddComponent(editor, "Body");
    AddComponent(editor, "Circle");
    AddComponent(editor, "Renderer");

    // A second object turned into an archetype, cloned back into the level.
    ASSERT_TRUE(editor.Click("Create Object"));
    editor.Frame();
    ASSERT_TRUE(editor.Click("New_GameObject"));
    ASSERT_TRUE(editor.Click("Make Archetype"));
    editor.mEditor->mObjectType = EditorObjectType::Archetypes;
    editor.Frame();
    ASSERT_TRUE(editor.Click("Clone"));
    ASSERT_EQ(factory.mObjects.size(), 3u);

    // Tiles on a grid sized through the tile tools.
    editor.mEditor->mObjectType = EditorObjectType::TileMap;
    editor.Frame();
    editor.mEditor->mPanels.mWorkingWidth = 6;
    editor.mEditor->mPanels.mWorkingHeight = 5;
    ASSERT_TRUE(editor.Click("Apply Changes"));
    editor.mEditor->mColliderIndex = 2;
    editor.mEditor->mPlatformIndex = 7;
    Paint(editor, 1.5f, 1.5f);
    Paint(editor, 5.5f, 4.5f);

    const std::string edited = Describe(factory);
    editor.TapKey(VK_F7);
    ASSERT_EQ(editor.Logic().mState.mNext, GameState::LEVEL) << editor.LogText();

    factory.DestroyAllObjects();
    factory.mTileGrid.Resize(0, 0);
    GameFrame::LoadLevel("Resources\\LevelData\\level_test");
    EXPECT_EQ(Describe(factory), edited);
    EXPECT_NE(edited.find("[New_GameObject 2<b>] tag 0 : 1 2 4 8"), std::string::npos) << edited;
    EXPECT_NE(edited.find("tile 5,4 kind 2 frame 7"), std::string::npos) << edited;
}
