// The editor's frame: F3, F7 and Ctrl, the main menu, the information
// windows, and the profiler shown in every state.
//
// Contents:
//   1. Helpers: the play-test files, a window's cut-off check
//   2. F3, F7 and the two together
//   3. Outside the editor: the profiler only
//   4. Ctrl printing
//   5. The main menu: Exit, the dialogs, New
//   6. The information windows and the camera
//   7. Every control on a 1366 x 768 screen
#include <gtest/gtest.h>
#include <filesystem>
#include <imgui_internal.h>
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "graphics/GraphicsSystem.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::EditorHarness;
using TestSupport::FindItem;
using TestSupport::FindItemById;
using TestSupport::IdPath;

namespace
{
// ---- 1. Helpers -------------------------------------------------------------
std::string LevelFile(const EditorHarness& editor, const char* extension)
{
    return editor.mWorld->File(std::string("Resources/LevelData/level_test") + extension);
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// Widgets of a window (its child regions included) that are not wholly in
// view: cut by the window's edge or scrolled away.
std::string CutOff(const std::string& windowName)
{
    std::string cut;
    for (const TestSupport::RecordedItem& item : TestSupport::RecordedItems())
    {
        if (item.mWindow.rfind(windowName, 0) != 0)
            continue;
        const ImRect rect(item.mMin, item.mMax);
        for (ImGuiWindow* window = ImGui::FindWindowByName(item.mWindow.c_str()); window; window = window->ParentWindow)
            if (!window->InnerClipRect.Contains(rect) || window->Scroll.y != 0.0f)
            {
                cut += " " + item.mLabel + "@" + window->Name;
                break;
            }
    }
    return cut;
}
} // namespace

// ---- 2. F3, F7 and the two together -----------------------------------------
TEST(EditorFrame, F3HidesEveryWindowAndShowsThemAgain)
{
    EditorHarness editor;
    editor.Frame();
    EXPECT_GT(editor.mEditor->mLastDrawListCount, 0);
    EXPECT_NE(FindItem("File"), nullptr);

    editor.TapKey(VK_F3);
    editor.Frame(3); // the frame after a hidden one begins cleanly
    EXPECT_TRUE(gEditorHidden);
    EXPECT_EQ(editor.mEditor->mLastDrawListCount, 0);
    EXPECT_EQ(FindItem("File"), nullptr);

    editor.TapKey(VK_F3);
    EXPECT_FALSE(gEditorHidden);
    EXPECT_GT(editor.mEditor->mLastDrawListCount, 0);

    // Taps shorter than a frame (a slow frame): each counts once, in the next
    // frame, also a second one while the first still shows as down.
    editor.KeyDown(VK_F3);
    editor.KeyUp(VK_F3);
    editor.Frame();
    EXPECT_TRUE(gEditorHidden);
    editor.KeyDown(VK_F3);
    editor.KeyUp(VK_F3);
    editor.Frame();
    EXPECT_FALSE(gEditorHidden);
    editor.Frame(2);
    EXPECT_FALSE(gEditorHidden);
}

TEST(EditorFrame, F7SavesBothPlayTestFilesAndPlaysThem)
{
    EditorHarness editor;
    editor.mWorld->mFactory->CreateObject("Crate", ObjectKind::GameObject);
    editor.TapKey(VK_F7);
    ASSERT_TRUE(Exists(LevelFile(editor, ".dat")));
    const std::string xml = TestSupport::ReadFile(LevelFile(editor, ".xml"));
    EXPECT_EQ(xml.rfind("<level_test>", 0), 0u) << xml;
    EXPECT_NE(xml.find("GameObjectName=\"Crate\""), std::string::npos);
    EXPECT_EQ(editor.Logic().mState.mNext, GameState::LEVEL);
    EXPECT_EQ(editor.Logic().mState.mNextLevelPath, "Resources\\LevelData\\level_test");
}

TEST(EditorFrame, AFailedPlayTestSaveIsLoggedAndKeepsTheEditor)
{
    EditorHarness editor;
    // A folder where the object file should go: it cannot be replaced.
    std::filesystem::create_directories(LevelFile(editor, ".xml"));
    editor.Logic().mState.SetNextLevel("Resources\\LevelData\\Level1");
    editor.TapKey(VK_F7);
    EXPECT_EQ(editor.Logic().mState.mNext, GameState::EDITOR);
    EXPECT_EQ(editor.Logic().mState.mNextLevelPath, "Resources\\LevelData\\Level1");
    EXPECT_NE(editor.LogText().find("Play-test level could not be saved"), std::string::npos);
}

TEST(EditorFrame, F3AndF7TogetherHideTheEditorWithoutSaving)
{
    EditorHarness editor;
    editor.KeyDown(VK_F3);
    editor.KeyDown(VK_F7);
    editor.Frame();
    EXPECT_TRUE(gEditorHidden);
    EXPECT_FALSE(Exists(LevelFile(editor, ".xml")));
    editor.KeyUp(VK_F3);
    editor.KeyUp(VK_F7);
    editor.Frame();
    editor.TapKey(VK_F7); // hidden: F7 does nothing either
    EXPECT_FALSE(Exists(LevelFile(editor, ".xml")));
    EXPECT_EQ(editor.Logic().mState.mNext, GameState::EDITOR);
    gEditorHidden = false;
}

// ---- 3. Outside the editor --------------------------------------------------
TEST(EditorFrame, OutsideTheEditorOnlyTheProfilerIsDrawn)
{
    EditorHarness editor;
    editor.SetState(GameState::LEVEL);
    editor.TapKey(VK_F3);
    editor.TapKey(VK_F7);
    EXPECT_FALSE(gEditorHidden);
    EXPECT_FALSE(Exists(LevelFile(editor, ".xml")));
    EXPECT_EQ(editor.mEditor->mLastDrawListCount, 0);

    editor.mDebug->InitProfiler();
    editor.mDebug->mProfilerShown = true;
    editor.Frame(2); // a window that fits itself to its content shows from its second frame
    EXPECT_GT(editor.mEditor->mLastDrawListCount, 0);
    EXPECT_EQ(FindItem("File"), nullptr);
    EXPECT_NE(ImGui::FindWindowByName("System Profiles (MS)"), nullptr);
    EXPECT_EQ(ImGui::FindWindowByName("Level Serializables"), nullptr);
}

// ---- 4. Ctrl printing -------------------------------------------------------
TEST(EditorFrame, EachNewCtrlPressPrintsOneLine)
{
    EditorHarness editor;
    testing::internal::CaptureStdout();
    editor.KeyDown(VK_CONTROL);
    editor.Frame(5);
    EXPECT_TRUE(editor.mEditor->mIo->KeyCtrl);
    editor.KeyUp(VK_CONTROL);
    editor.Frame();
    editor.KeyDown(VK_CONTROL, true); // the right-hand key
    editor.Frame(3);
    editor.KeyUp(VK_CONTROL, true);
    editor.Frame();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "CTRL\nCTRL\n");
    EXPECT_FALSE(editor.mEditor->mIo->KeyCtrl);
}

// ---- 5. The main menu -------------------------------------------------------
TEST(EditorFrame, ExitInTheFileMenuRequestsQuit)
{
    EditorHarness editor;
    editor.Frame();
    ASSERT_TRUE(editor.Click("File"));
    ASSERT_TRUE(editor.Click("Exit")) << TestSupport::DescribeRecordedItems();
    EXPECT_EQ(editor.Logic().mState.mNext, GameState::QUIT);
    EXPECT_TRUE(editor.Logic().mState.mQuitRequested) << "no switch later in the frame undoes it";
}

TEST(EditorFrame, TheMenusOpenTheirDialogsAndNewDoesNothing)
{
    EditorHarness editor;
    editor.Frame();
    ASSERT_TRUE(editor.Click("File"));
    ASSERT_TRUE(editor.Click("New"));
    EXPECT_EQ(editor.mEditor->mOpenDialog, EditorDialog::None);
    EXPECT_EQ(editor.Logic().mState.mNext, GameState::EDITOR);

    TestSupport::WriteFile(editor.mWorld->File("Resources/LevelData/Level7.xml"), "<Level7/>");
    ASSERT_TRUE(editor.Click("File"));
    ASSERT_TRUE(editor.Click("Load File"));
    EXPECT_EQ(editor.mEditor->mOpenDialog, EditorDialog::LoadFile);
    const auto& levels = editor.mEditor->mResourceList.Entries("LevelData");
    EXPECT_NE(std::find(levels.begin(), levels.end(), "Level7.xml"), levels.end()); // refreshed
    // Each dialog is modal: the menus answer again once it is closed.
    ASSERT_TRUE(editor.Click("Close", "Load File"));

    ASSERT_TRUE(editor.Click("File"));
    ASSERT_TRUE(editor.Click("Save File"));
    EXPECT_EQ(editor.mEditor->mOpenDialog, EditorDialog::SaveFile);
    ASSERT_TRUE(editor.Click("Close", "Save File"));
    ASSERT_TRUE(editor.Click("Edit"));
    ASSERT_TRUE(editor.Click("Sound Manager"));
    EXPECT_EQ(editor.mEditor->mOpenDialog, EditorDialog::SoundManager);
    ASSERT_TRUE(editor.Click("Close", "Sound Manager"));
    ASSERT_TRUE(editor.Click("Edit"));
    ASSERT_TRUE(editor.Click("Animation Manager"));
    EXPECT_EQ(editor.mEditor->mOpenDialog, EditorDialog::AnimationManager);
}

// ---- 6. The information windows and the camera ------------------------------
TEST(EditorFrame, LevelSerializablesWritesTheEditedClampsToTheCamera)
{
    EditorHarness editor;
    Camera* camera = editor.mWorld->mGraphics->GetActiveCamera();
    camera->MinClamp = Vec2(-5.0f, -6.0f);
    camera->CamSize = Vec3(25.0f, 25.0f, 3.0f);
    editor.Frame();
    // The first frame reads the camera and writes it back whole.
    EXPECT_EQ(camera->MinClamp, Vec2(-5.0f, -6.0f));
    EXPECT_EQ(camera->CamSize, Vec3(25.0f, 25.0f, 1.0f));

    const auto* minX = FindItemById(IdPath("Level Serializables", {"##min", 0, ""}));
    ASSERT_NE(minX, nullptr) << TestSupport::DescribeRecordedItems();
    editor.Drag(minX, 20.0f);
    EXPECT_FLOAT_EQ(camera->MinClamp.x, 15.0f);
    EXPECT_FLOAT_EQ(camera->MinClamp.y, -6.0f);

    // Changes made to the camera elsewhere do not reach the working values.
    camera->MinClamp = Vec2(100.0f, 100.0f);
    editor.Frame();
    EXPECT_EQ(camera->MinClamp, Vec2(100.0f, 100.0f));
}

TEST(EditorFrame, TheCameraPositionFieldsMoveTheActiveCamera)
{
    EditorHarness editor;
    Camera* camera = editor.mWorld->mGraphics->GetActiveCamera();
    camera->Position = Vec3(0.0f);
    // Tall enough that "Level Serializables" shows its fourth row unscrolled.
    editor.Message(WM_SIZE, 0, MakeLParam(1366, 1100));
    editor.Frame();
    editor.Drag(FindItemById(IdPath("Additional Informations", {"##camera", 1, ""})), 12.0f);
    EXPECT_FLOAT_EQ(camera->Position.y, 12.0f);
    editor.Drag(FindItemById(IdPath("Level Serializables", {"##pos", 0, ""})), -7.0f);
    EXPECT_FLOAT_EQ(camera->Position.x, -7.0f);
}

TEST(EditorFrame, NoActiveCameraLeavesTheInformationWindowsStanding)
{
    EditorHarness editor;
    editor.mWorld->mGraphics->mActiveCamera.store(nullptr);
    editor.Frame(2);
    EXPECT_NE(FindItem("File"), nullptr);
    editor.mWorld->mGraphics->SetActiveCamera(nullptr);
}

// ---- 7. Every control on a 1366 x 768 screen --------------------------------
TEST(EditorFrame, EveryControlShowsWholeOnA1366By768Screen)
{
    EditorHarness editor(true); // the editor's own font
    editor.Frame(2);
    EXPECT_EQ(CutOff("Level Serializables"), "");
    EXPECT_NE(FindItem("##pos", "Level Serializables"), nullptr);
    EXPECT_EQ(CutOff("All Game Objects"), "");

    // The tile tools: all eight collision kinds and every button (the sheet
    // as the art list would give it; without a GL context none is loaded).
    SpriteSheet& colliders = editor.mWorld->mGraphics->mSpriteSheets["TileCollider"];
    colliders.mRows = 2;
    colliders.mCols = 4;
    colliders.Slice();
    editor.mEditor->mObjectType = EditorObjectType::TileMap;
    editor.Frame(2);
    ASSERT_NE(FindItem("Clear TileMap", "All Game Objects"), nullptr);
    EXPECT_EQ(CutOff("All Game Objects"), "");
    int pickerButtons = 0;
    for (const TestSupport::RecordedItem& item : TestSupport::RecordedItems())
        pickerButtons += item.mWindow.find("##collisiontype") != std::string::npos ? 1 : 0;
    EXPECT_EQ(pickerButtons, 8);

    // An empty component editor keeps its title readable, and its close
    // button hides it until another object is chosen.
    editor.mEditor->mObjectType = EditorObjectType::LiveObjects;
    editor.mEditor->mSelectedIndex = 0;
    for (auto& entry : editor.mWorld->mFactory->mObjects)
        editor.mWorld->mFactory->mDestroySet.insert(entry.second);
    editor.Frame(3);
    ImGuiWindow* side = ImGui::FindWindowByName("Component Editor");
    ASSERT_NE(side, nullptr);
    ASSERT_TRUE(side->Active);
    EXPECT_GE(side->Size.x, 300.0f);
    TestSupport::RecordedItem close;
    close.mMin = ImVec2(side->Pos.x + side->Size.x - 16.0f, side->Pos.y + 3.0f);
    close.mMax = ImVec2(side->Pos.x + side->Size.x - 6.0f, side->Pos.y + 13.0f);
    ASSERT_TRUE(editor.Click(&close));
    editor.Frame();
    EXPECT_FALSE(editor.mEditor->mSideWindowOpen);
    EXPECT_FALSE(ImGui::FindWindowByName("Component Editor")->Active);
    editor.mWorld->mFactory->CreateObject("Fresh", ObjectKind::GameObject);
    editor.mWorld->mFactory->CreateObject("Fresher", ObjectKind::GameObject);
    editor.mEditor->mSelectedIndex = 1;
    editor.Frame(2);
    EXPECT_TRUE(ImGui::FindWindowByName("Component Editor")->Active);
}
