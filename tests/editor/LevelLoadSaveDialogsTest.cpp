// "Save File" and "Load File" driven by clicks in the headless editor, in a
// temporary level folder.
#include <gtest/gtest.h>
#include <filesystem>
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "editor/EditorDialogState.h"
#include "editor/LevelFileOperations.h"
#include "physics/Physics.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::EditorHarness;
using TestSupport::FindItem;
namespace fs = std::filesystem;

namespace
{
using Names = std::vector<std::string>;

std::vector<std::string> ObjectNames(const GameObjectFactory& factory)
{
    std::vector<std::string> names;
    for (const auto& [id, object] : factory.mObjects)
        names.push_back(object->mName);
    return names;
}

void Open(EditorHarness& editor, int dialog)
{
    editor.mEditor->mOpenDialog = dialog;
    editor.Frame(4); // the editor's first frame, then the dialog's first (unseen) layout
}

// Types into a field of the open dialog, replacing what it held.
void TypeInto(EditorHarness& editor, const std::string& field, const std::string& text)
{
    ASSERT_TRUE(editor.Click(field)) << TestSupport::DescribeRecordedItems();
    editor.KeyDown('A');
    editor.mEditor->mIo->KeyCtrl = true;
    editor.Frame();
    editor.KeyUp('A');
    editor.Type(text);
}
} // namespace

TEST(LevelFileList, OnlyLowerCaseXmlFilesAreListedAndClickingOneNamesTheLevel)
{
    EXPECT_EQ(LevelFileNames({"Level1.dat", "Level1.xml", "notes.XML", "README", "Old", "a.b.xml", ".xml"}),
              (Names{"Level1.xml", "a.b.xml", ".xml"}));
    EXPECT_EQ(LevelNameOfFile("Level1.xml"), "Level1");

    EditorHarness editor;
    for (const char* file : {"Level1.xml", "Level1.dat", "notes.XML"})
        TestSupport::WriteFile(editor.mWorld->File(std::string("Resources/LevelData/") + file), "x");
    editor.mEditor->mResourceList.Refresh();
    Open(editor, EditorDialog::LoadFile);
    EXPECT_EQ(FindItem("notes.XML"), nullptr);
    EXPECT_EQ(FindItem("Level1.dat"), nullptr);
    ASSERT_TRUE(editor.Click("Level1.xml"));
    EXPECT_STREQ(DialogStateOf(*editor.mEditor).mLevel.mLoadName, "Level1");
}

TEST(LevelDialogs, SaveThenLoadRestoresObjectsAndTiles)
{
    EditorHarness editor;
    GameObjectFactory& factory = *editor.mWorld->mFactory;
    factory.CreateObject("Apple", ObjectKind::GameObject);
    factory.CreateObject("Crate", ObjectKind::GameObject);
    factory.mTileGrid.Resize(4, 3);
    factory.mTileGrid.mRows[1][2].mUsed = true;
    factory.mTileGrid.mRows[1][2].mFrame = 5;

    Open(editor, EditorDialog::SaveFile);
    TypeInto(editor, "##filename", "Level2");
    ASSERT_TRUE(editor.Click("Save", "Save File"));
    ASSERT_TRUE(editor.Click("Confirm?", "Confirm Overwrite")) << TestSupport::DescribeRecordedItems();
    EXPECT_TRUE(fs::is_regular_file(editor.mWorld->File("Resources/LevelData/Level2.xml")));
    EXPECT_TRUE(fs::is_regular_file(editor.mWorld->File("Resources/LevelData/Level2.dat")));
    // The folder is listed again: the new level is in the list at once.
    EXPECT_NE(FindItem("Level2.xml"), nullptr) << TestSupport::DescribeRecordedItems();
    ASSERT_TRUE(editor.Click("Close", "Save File"));
    EXPECT_EQ(editor.mEditor->mOpenDialog, EditorDialog::None);

    // Unsaved edits that the load must undo.
    factory.CreateObject("Stray", ObjectKind::GameObject);
    factory.mTileGrid.Resize(1, 1);

    Open(editor, EditorDialog::LoadFile);
    ASSERT_TRUE(editor.Click("Level2.xml"));
    ASSERT_TRUE(editor.Click("Load", "Load File"));
    ASSERT_TRUE(editor.Click("Confirm?", "Confirm Load"));
    EXPECT_EQ(ObjectNames(factory), (Names{"Apple", "Crate"}));
    ASSERT_EQ(factory.mTileGrid.mWidth, 4u);
    ASSERT_EQ(factory.mTileGrid.mHeight, 3u);
    EXPECT_TRUE(factory.mTileGrid.mRows[1][2].mUsed);
    EXPECT_EQ(factory.mTileGrid.mRows[1][2].mFrame, 5);
    EXPECT_EQ(editor.Logic().mState.mCurrent, GameState::EDITOR);
}

TEST(LevelDialogs, ALevelThatCannotBeReadKeepsTheRunningOne)
{
    EditorHarness editor;
    GameObjectFactory& factory = *editor.mWorld->mFactory;
    factory.CreateObject("Apple", ObjectKind::GameObject);
    const std::string folder = editor.mWorld->File("Resources/LevelData/");
    TestSupport::WriteFile(folder + "OnlyXml.xml", "<OnlyXml><GameObjects GameObjectCount=\"0\"/></OnlyXml>");
    TestSupport::WriteFile(folder + "Broken.xml", "<Broken><GameObjects");
    TestSupport::WriteFile(folder + "Broken.dat", "TilePlatform\n2\n2\n0 0 0 0\n");
    TestSupport::WriteFile(folder + "BadTiles.xml", "<BadTiles><GameObjects GameObjectCount=\"0\"/></BadTiles>");
    TestSupport::WriteFile(folder + "BadTiles.dat", "TilePlatform\nwide\n");
    // A side or the cells past the tile grid's bounds; objects without their element.
    auto pair = [&](const std::string& name, const std::string& size, const std::string& objects)
    {
        TestSupport::WriteFile(folder + name + ".dat", "TilePlatform\n" + size + "\n");
        TestSupport::WriteFile(folder + name + ".xml", "<" + name + ">" + objects + "</" + name + ">");
    };
    const std::string objects = "<GameObjects/>";
    pair("Wide", "4097 1", objects);
    pair("Tall", "1 4097", objects);
    pair("Vast", "4096 1025", objects);
    pair("Widest", "4096 1", objects);
    pair("Tallest", "1 4096", objects);
    pair("NoObjects", "1 1", "");

    for (const char* name :
         {"", "Missing", "OnlyXml", "Broken", "BadTiles", "../LevelData/OnlyXml", "Wide", "Tall", "Vast", "NoObjects"})
    {
        EXPECT_FALSE(LoadLevelNamed(name).empty()) << name;
        EXPECT_EQ(ObjectNames(factory), (Names{"Apple"})) << name;
    }
    // Nothing was created for the missing tile file either.
    EXPECT_FALSE(fs::exists(folder + "OnlyXml.dat"));

    // Through the dialog, the refusal is shown and the dialog stays open.
    Open(editor, EditorDialog::LoadFile);
    ASSERT_TRUE(editor.Click("Load", "Load File"));
    ASSERT_TRUE(editor.Click("Confirm?", "Confirm Load"));
    EXPECT_EQ(ObjectNames(factory), (Names{"Apple"}));
    EXPECT_FALSE(DialogStateOf(*editor.mEditor).mLevel.mProblem.empty());
    EXPECT_EQ(editor.mEditor->mOpenDialog, EditorDialog::LoadFile);
    EXPECT_NE(editor.LogText().find("refused"), std::string::npos);

    // The grid's largest sides are read; a drag ends with the level it was in.
    editor.mWorld->mPhysics->mDragging = true;
    EXPECT_EQ(LoadLevelNamed("Widest"), "");
    EXPECT_FALSE(editor.mWorld->mPhysics->mDragging);
    EXPECT_EQ(LoadLevelNamed("Tallest"), "");
    EXPECT_EQ(factory.mTileGrid.mHeight, 4096u);
}

TEST(LevelDialogs, SaveNamesThatLeaveTheFolderOrAreEmptyAreRefused)
{
    EditorHarness editor;
    editor.mWorld->mFactory->CreateObject("Apple", ObjectKind::GameObject);
    for (const char* name : {"", "../Escaped", "sub/Level", "/tmp/Level", "two words"})
        EXPECT_FALSE(SaveLevelNamed(name).empty()) << name;
    EXPECT_FALSE(fs::exists(editor.mWorld->File("Resources/Escaped.xml")));
    EXPECT_FALSE(fs::exists(editor.mWorld->File("Resources/LevelData/.xml")));
    // The progress file beside the levels is no level to save over (nor to load).
    const std::string progress = editor.mWorld->File("Resources/LevelData/GameSettings.xml");
    TestSupport::WriteFile(progress, "<GameSettings/>\n<Unlocked Value=\"3\"/>\n");
    for (const char* name : {"GameSettings", "gamesettings"})
        EXPECT_NE(SaveLevelNamed(name).find("progress file"), std::string::npos) << name;
    EXPECT_FALSE(LoadLevelNamed("GameSettings").empty());
    EXPECT_EQ(TestSupport::ReadFile(progress), "<GameSettings/>\n<Unlocked Value=\"3\"/>\n");

    // A name that is no XML element name is saved under a fixed root and reads back.
    EXPECT_EQ(SaveLevelNamed("1st-level"), "");
    EXPECT_EQ(LoadLevelNamed("1st-level"), "");
    EXPECT_EQ(ObjectNames(*editor.mWorld->mFactory), (Names{"Apple"}));
}

// A name typed into a dialog is the field's: neither A (every level open,
// kept in the progress file) nor M (mute) fires; out of the dialogs both do.
TEST(LevelDialogs, KeysTypedIntoTheNameFieldFireNoGameShortcut)
{
    EditorHarness editor;
    editor.Frame(2);
    // Typed at once, as the dialog opens: the field has the keyboard unclicked.
    ASSERT_TRUE(editor.Click("File"));
    ASSERT_TRUE(editor.Click("Save File"));
    for (int key : {'A', 'M'})
    {
        // As the keyboard sends it: the key down, its character, the key up.
        editor.KeyDown(key);
        editor.Message(WM_CHAR, static_cast<WPARAM>(key - 'A' + 'a'), 1);
        editor.Frame();
        editor.KeyUp(key);
        editor.Frame();
    }
    EXPECT_STREQ(DialogStateOf(*editor.mEditor).mLevel.mSaveName, "am");
    EXPECT_EQ(editor.Logic().mUnlockedCount, 0u);
    EXPECT_FALSE(gAudio->mMuted);
    // Out of the field (a level picked from the list) the letters stay the dialog's.
    TestSupport::WriteFile(editor.mWorld->File("Resources/LevelData/Level1.xml"), "x");
    editor.mEditor->mResourceList.Refresh();
    editor.Frame();
    ASSERT_TRUE(editor.Click("Level1.xml"));
    ASSERT_FALSE(editor.mEditor->mIo->WantTextInput);
    editor.TapKey('A');
    EXPECT_EQ(editor.Logic().mUnlockedCount, 0u);
    ASSERT_TRUE(editor.Click("Close", "Save File"));

    // The load dialog has no field and holds the letters all the same; the
    // editor's function keys still answer.
    ASSERT_TRUE(editor.Click("File"));
    ASSERT_TRUE(editor.Click("Load File"));
    editor.TapKey('A');
    EXPECT_EQ(editor.Logic().mUnlockedCount, 0u);
    editor.TapKey(VK_F3);
    EXPECT_TRUE(gEditorHidden);
    editor.TapKey(VK_F3);
    editor.Frame(2);
    ASSERT_TRUE(editor.Click("Close", "Load File"));

    editor.TapKey('A');
    editor.TapKey('M');
    EXPECT_EQ(editor.Logic().mUnlockedCount, 9u);
    EXPECT_TRUE(gAudio->mMuted);
}

// ImGui aborts when windows appear in the frame a modal comes back in: hiding
// and showing the editor, or leaving the editor state, with a dialog open.
TEST(LevelDialogs, ADialogOpenWhileTheEditorIsHiddenOrAwayComesBackSafely)
{
    EditorHarness editor;
    Open(editor, EditorDialog::SaveFile);
    ASSERT_NE(FindItem("##filename"), nullptr);
    editor.TapKey(VK_F3);
    editor.TapKey(VK_F3);
    editor.Frame(3);
    EXPECT_NE(FindItem("##filename"), nullptr) << TestSupport::DescribeRecordedItems();

    editor.SetState(GameState::LEVEL);
    editor.Frame(2);
    editor.SetState(GameState::EDITOR);
    editor.Frame(3);
    EXPECT_NE(FindItem("##filename"), nullptr);
}
