// The binding's input half: window messages and the input state reaching
// ImGui's IO, and the frame surviving what ImGui 1.86 would abort on.
#include <gtest/gtest.h>
#include <imgui.h>
#include <imgui_internal.h>
#include <limits>
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "core/window/WindowSystem.h"
#include "graphics/GraphicsSystem.h"
#include <cstdlib>
#include "platform/Platform.h"
#include "editor/EditorFont.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::EditorHarness;

TEST(EditorBinding, ASizeMessageReachesTheDisplaySizeOfTheNextFrame)
{
    EditorHarness editor;
    editor.Frame();
    EXPECT_EQ(editor.mEditor->mIo->DisplaySize.x, 1366.0f);
    editor.Message(WM_SIZE, 0, MakeLParam(800, 600));
    EXPECT_EQ(editor.mEditor->mIo->DisplaySize.x, 1366.0f); // not before the frame starts
    editor.Frame();
    EXPECT_EQ(editor.mEditor->mIo->DisplaySize.x, 800.0f);
    EXPECT_EQ(editor.mEditor->mIo->DisplaySize.y, 600.0f);
}

TEST(EditorBinding, KeyAndCharacterMessagesWithinRangeOnly)
{
    EditorHarness editor;
    ImGuiIO& io = *editor.mEditor->mIo;
    editor.KeyDown('A');
    EXPECT_TRUE(io.KeysDown['A']);
    editor.KeyUp('A');
    EXPECT_TRUE(io.KeysDown['A']); // a tap ImGui has not seen stays down for its next frame
    editor.Frame();
    EXPECT_FALSE(io.KeysDown['A']);
    editor.KeyDown('A');
    editor.Frame();
    editor.KeyUp('A');
    EXPECT_FALSE(io.KeysDown['A']);

    editor.Message(WM_KEYDOWN, 300, 0); // no such virtual key: nothing outside the table is touched
    editor.Message(WM_KEYDOWN, 256, 0);
    for (int key = 0; key < 512; ++key)
        EXPECT_FALSE(io.KeysDown[key]) << key;

    editor.Message(WM_CHAR, 0, 1);
    editor.Message(WM_CHAR, 0x10000, 1);
    EXPECT_TRUE(io.InputQueueCharacters.empty());
    editor.Message(WM_CHAR, 'x', 1);
    editor.Message(WM_CHAR, 0x00E9, 1); // é
    ASSERT_EQ(io.InputQueueCharacters.Size, 2);
    EXPECT_EQ(io.InputQueueCharacters[0], 'x');
    EXPECT_EQ(io.InputQueueCharacters[1], 0x00E9);
}

TEST(EditorBinding, AClickShorterThanAFrameIsNotSeenButAHeldOneIs)
{
    EditorHarness editor;
    ImGuiIO& io = *editor.mEditor->mIo;
    editor.MoveMouse(400.0f, 300.0f);
    editor.Frame();

    editor.MouseDown();
    editor.MouseUp();
    editor.Frame(); // pressed and released between two frames
    EXPECT_FALSE(io.MouseDown[0]);

    editor.MouseDown();
    editor.Frame(); // down in this frame only: not yet held
    EXPECT_FALSE(io.MouseDown[0]);
    editor.Frame(); // down in two frames: held
    EXPECT_TRUE(io.MouseDown[0]);
    editor.MouseUp();
    editor.Frame();
    EXPECT_FALSE(io.MouseDown[0]);

    editor.MouseDown(VK_RBUTTON);
    editor.MouseDown(VK_MBUTTON);
    editor.Frame(2);
    EXPECT_TRUE(io.MouseDown[1]);
    EXPECT_TRUE(io.MouseDown[2]);
}

TEST(EditorBinding, AWindowedMouseIsTakenTheFramesBordersInFromTheFrameCorner)
{
    EditorHarness editor; // a window, not fullscreen
    InputState& input = editor.mWorld->mInput->mState;
    input.mWindowPosition = Vec3(100.0f, 50.0f, 0.0f);
    input.mCursor = Vec3(300.0f, 250.0f, 0.0f);
    editor.Frame();
    int left = 0, top = 0;
    Platform::GetWindowBorders(left, top); // 0 on a display without a window manager
    EXPECT_EQ(editor.mEditor->mIo->MousePos.x, 300.0f - 100.0f - left);
    EXPECT_EQ(editor.mEditor->mIo->MousePos.y, 250.0f - 50.0f - top);
}

TEST(EditorBinding, AFullscreenMouseIsThePlainDifference)
{
    EditorHarness editor;
    editor.mWindow->mFullscreen = true;
    InputState& input = editor.mWorld->mInput->mState;
    input.mWindowPosition = Vec3(100.0f, 50.0f, 0.0f);
    input.mCursor = Vec3(300.0f, 250.0f, 0.0f);
    editor.Frame();
    EXPECT_EQ(editor.mEditor->mIo->MousePos.x, 200.0f);
    EXPECT_EQ(editor.mEditor->mIo->MousePos.y, 200.0f);
}

TEST(EditorBinding, LosingTheFocusLetsGoOfEveryKey)
{
    EditorHarness editor;
    editor.KeyDown(VK_CONTROL);
    editor.KeyDown('C');
    editor.Message(WM_ACTIVATEAPP, 0, 0);
    EXPECT_FALSE(editor.mEditor->mIo->KeysDown[VK_CONTROL]);
    EXPECT_FALSE(editor.mEditor->mIo->KeysDown['C']);
}

TEST(EditorBinding, TheWheelIsScaledFromWin32Units)
{
    EditorHarness editor;
    // ImGui consumes the wheel within its frame: look at it as the frame begins.
    static float seen = 0.0f;
    ImGuiContextHook hook;
    hook.Type = ImGuiContextHookType_NewFramePre;
    hook.Callback = [](ImGuiContext* context, ImGuiContextHook*) { seen = context->IO.MouseWheel; };
    ImGui::AddContextHook(editor.mEditor->mContext, &hook);
    editor.Message(WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint16_t>(-240)) << 16, 0);
    editor.Frame();
    EXPECT_FLOAT_EQ(seen, -240 * 0.002f);
}

TEST(EditorBinding, AFrameOfZeroOrNegativeLengthStillRuns)
{
    EditorHarness editor;
    editor.mEditor->Update(0.0f);
    editor.mEditor->Update(-1.0f);
    editor.mEditor->Update(std::numeric_limits<float>::quiet_NaN());
    EXPECT_GT(editor.mEditor->mIo->DeltaTime, 0.0f);
}

TEST(EditorBinding, AMissingEditorFontFallsBackToTheBuiltInOneWithALogLine)
{
    EditorHarness editor; // an empty Resources/: no fonts
    EXPECT_NE(editor.LogText().find("Editor font \"Resources/fonts/calibri.ttf\" not found"), std::string::npos);
    editor.Frame(); // the built-in font draws the frame
    EXPECT_GT(editor.mEditor->mLastDrawListCount, 0);

    // A font cut short (or not a font at all) is refused the same way: ImGui
    // asserts on the one and reads past the end of the other.
    const std::string shipped = TestSupport::ReadFile(std::string(TANDREL_SOURCE_DIR) + "/" + kEditorFont);
    ASSERT_GT(shipped.size(), 1000u);
    for (const std::string& damaged : {shipped.substr(0, shipped.size() / 2), std::string(4096, 'x')})
    {
        TestSupport::WriteFile(kEditorFont, damaged);
        ImFontAtlas fonts;
        LoadEditorFont(fonts);
        ASSERT_EQ(fonts.Fonts.Size, 1);
        EXPECT_TRUE(fonts.Build());
        EXPECT_STREQ(fonts.ConfigData[0].Name, "ProggyClean.ttf, 13px");
    }
    EXPECT_NE(editor.LogText().find("Editor font \"Resources/fonts/calibri.ttf\" cannot be read"), std::string::npos);
}

TEST(EditorBinding, TheShippedEditorFontIsLoadedAtFourteenPixels)
{
    EditorHarness editor(true);
    EXPECT_EQ(editor.LogText().find("Editor font"), std::string::npos);
    ASSERT_GE(editor.mEditor->mIo->Fonts->Fonts.Size, 1);
    EXPECT_EQ(editor.mEditor->mIo->Fonts->Fonts[0]->FontSize, 14.0f);
}

TEST(EditorBinding, TheColourTableIsSetBySlotName)
{
    EditorHarness editor;
    const ImGuiStyle& style = ImGui::GetStyle();
    EXPECT_FLOAT_EQ(style.Colors[ImGuiCol_WindowBg].w, 0.7f);
    EXPECT_FLOAT_EQ(style.Colors[ImGuiCol_TitleBgCollapsed].z, 0.95f);
    EXPECT_FLOAT_EQ(style.Colors[ImGuiCol_TitleBgActive].x, 0.0f);
    EXPECT_FLOAT_EQ(style.Colors[ImGuiCol_SeparatorActive].z, 0.9f);
    EXPECT_FLOAT_EQ(style.Colors[ImGuiCol_ModalWindowDimBg].w, 0.35f);
    EXPECT_FLOAT_EQ(style.ChildRounding, 5.0f);
    EXPECT_FLOAT_EQ(style.WindowRounding, 5.3f);
}

TEST(EditorBinding, TheKeyMapUsesWin32VirtualKeys)
{
    EditorHarness editor;
    const ImGuiIO& io = *editor.mEditor->mIo;
    EXPECT_EQ(io.KeyMap[ImGuiKey_Tab], 9);
    EXPECT_EQ(io.KeyMap[ImGuiKey_Delete], 46);
    EXPECT_EQ(io.KeyMap[ImGuiKey_Enter], 13);
    EXPECT_EQ(io.KeyMap[ImGuiKey_Z], 90);
}

TEST(EditorBinding, ThePointerIsAtOnePlaceForTheWorldAndForImGui)
{
    EditorHarness editor;
    Camera* camera = editor.mWorld->mGraphics->GetActiveCamera();
    camera->Position = Vec3(0.0f);
    camera->CamSize = Vec3(1.0f, 1.0f, 1.0f);
    editor.MoveMouseToWorld(0.0f, 0.0f); // the middle of the view
    editor.Frame();
    // ImGui floors the position: the inverted mapping may land a hair below the pixel.
    EXPECT_NEAR(editor.mEditor->mIo->MousePos.x, EditorHarness::Width / 2.0f, 1.0f);
    EXPECT_NEAR(editor.mEditor->mIo->MousePos.y, EditorHarness::Height / 2.0f, 1.0f);
    EXPECT_FALSE(editor.mEditor->mIo->WantCaptureMouse); // no editor window there

    editor.MoveMouse(20.0f, EditorHarness::Height - 20.0f); // over "Additional Informations"
    editor.Frame();
    EXPECT_TRUE(editor.mEditor->mIo->WantCaptureMouse);
}

TEST(EditorBinding, FramesSetThePointerShapeButNeverItsVisibility)
{
    EditorHarness editor;
    const int counter = Platform::GetCursorCounter();
    editor.Frame(3);
    editor.mEditor->mIo->MouseDrawCursor = true; // ImGui draws its own: no system picture
    editor.Frame(3);
    EXPECT_EQ(Platform::GetCursorCounter(), counter);
}
