// Headless editor tests: ImGui without GL, the editor system among the
// engine's systems, synthetic window messages, and clicks on widgets found by
// their labels.
//
//   HeadlessImGui   an ImGui context with the built-in font and no
//                   "imgui.ini": draw any widgets (a component's inspector)
//                   in Frame(body), and click or drag them by label.
//   EditorHarness   GameplayWorld (input you drive, factory, physics,
//                   graphics without a context, game logic, audio, particles)
//                   plus OurImGui as the last system, in a temporary copy of
//                   Resources/ or an empty folder, in the editor state with a
//                   1366 x 768 window. Frame() runs every system once.
//
// Input reaches the editor the way the window system delivers it: Message()
// hands a window message to every system (the input system and the editor's
// binding both read them). Mouse buttons reach ImGui only while held (down in
// this frame and the last), so Click() holds the press for two frames, then
// releases it for one: a button reports its press in that last frame.
//
// Typical use:
//   TestSupport::EditorHarness editor;          // in the editor state
//   editor.Frame();                             // draws the editor once
//   ASSERT_TRUE(editor.Click("File"));          // opens the menu
//   ASSERT_TRUE(editor.Click("Exit"));          // a menu item, found by label
//   EXPECT_EQ(editor.Logic().mState.mNext, Framework::GameState::QUIT);
//
// Widgets are found through support/ImGuiItemRecorder.h (FindItem by label,
// FindItemById with IdPath for parts of composite widgets such as DragFloat2).
// A widget must have been drawn in the last frame to be found: call Frame()
// after whatever makes it appear. A window's first frame lays it out unseen:
// a window that appeared without a click (a modal opened by a key, a window
// that sizes itself) needs Frame(2) before its widgets are where they stay.
//
// The panels are the editor's own: its Update draws them in the editor state
// (see editor/EditorFrame.cpp), so a panel test sets up objects through
// mWorld->mFactory, runs Frame() and clicks. Scene edits: MoveMouseToWorld()
// puts the pointer over a world point, and mEditor->mIo->WantCaptureMouse
// says whether an editor window is under it. Clicks never make ImGui double
// clicks. LogText() is the session log; the working folder is mWorld's.
#pragma once
#include <imgui.h>
#include <functional>
#include <memory>
#include <string>
#include "core/engine/DebugSystem.h"
#include "core/window/WindowSystem.h"
#include "editor/OurImGui.h"
#include "platform/Win32Types.h"
#include "support/GameplayFixtures.h"
#include "support/ImGuiItemRecorder.h"

namespace TestSupport
{
class HeadlessImGui
{
public:
    using Body = std::function<void()>;

    explicit HeadlessImGui(float width = 1366.0f, float height = 768.0f);
    ~HeadlessImGui();
    HeadlessImGui(const HeadlessImGui&) = delete;
    HeadlessImGui& operator=(const HeadlessImGui&) = delete;

    // Starts a frame and opens a window named windowName (at the top-left
    // corner, as large as the display) for the widgets.
    void BeginFrame(const char* windowName = "Test");
    // Closes the window and renders (the draw data is then ImGui::GetDrawData()).
    void EndFrame();
    // count frames, each drawing body inside the window.
    void Frame(const Body& body, int count = 1);

    // The mouse goes straight into ImGui's IO here (no input system): a click
    // is one frame hovering, one pressed, one released, and one more for a
    // window it opened to settle; body is drawn in each.
    bool Click(const RecordedItem* item, const Body& body);
    // Presses on the item, moves dx pixels right in the next frame, releases.
    bool Drag(const RecordedItem* item, float dx, const Body& body);
    // Characters for the focused text field, taken in the next frame.
    void Type(const std::string& text, const Body& body);

    ImGuiContext* mContext = nullptr;
    const char* mWindowName = "Test";
};

class EditorHarness
{
public:
    static constexpr float Dt = GameplayWorld::Dt;
    static constexpr int Width = 1366;
    static constexpr int Height = 768;

    // withResources: run in a copy of the repository's Resources/ (the editor
    // font, levels, art); otherwise in an empty "Resources/LevelData".
    explicit EditorHarness(bool withResources = false);
    ~EditorHarness();

    // Every system's Update once per frame, the editor last.
    void Frame(int count = 1);
    // Puts the game logic in a state without a level switch (current = next = previous).
    void SetState(uint32_t state);

    // ---- Synthetic window messages -----------------------------------------------
    void Message(uint32_t message, Framework::WPARAM wParam, Framework::LPARAM lParam);
    void KeyDown(int vk, bool rightHand = false);
    void KeyUp(int vk, bool rightHand = false);
    // Down for one frame, up for the next.
    void TapKey(int vk);
    // One WM_CHAR per byte (ASCII), then a frame.
    void Type(const std::string& text);

    // ---- Mouse, in ImGui's pixels ------------------------------------------------
    // Puts the cursor where the editor's binding will see (x, y).
    void MoveMouse(float x, float y);
    // Puts the cursor where the input state maps it to the world point (x, y)
    // under the active camera; ImGui sees it at the matching window pixel.
    void MoveMouseToWorld(float x, float y);
    void MouseDown(int vk = Framework::VK_LBUTTON);
    void MouseUp(int vk = Framework::VK_LBUTTON);
    // Moves onto the item's centre, presses for two frames, releases for one,
    // then runs one more frame: a window the click opened is drawn where it
    // stays (a window's first frame lays it out unseen).
    bool Click(const RecordedItem* item);
    // The first widget of the last frame with this label (in that window, when given).
    bool Click(const std::string& label, const std::string& window = "");
    // Presses on the item, drags dx pixels to the right, releases. ImGui's drag
    // fields change by dx x their speed.
    bool Drag(const RecordedItem* item, float dx);

    // The session log written so far (the harness keeps its own debug system).
    std::string LogText() const;

    Framework::GameLogic& Logic() const { return *mWorld->mLogic; }

    TempFolder mLogFolder; // holds "Kestrome/Vorlane.log"
    std::unique_ptr<Framework::DebugSystem> mDebug;
    std::unique_ptr<GameplayWorld> mWorld;
    Framework::OurImGui* mEditor = nullptr; // owned by the world, deleted last
    // A 1366 x 768 window (not fullscreen) for the mouse-to-world mapping and
    // the editor's size; not among the updated systems, so nothing pumps SDL.
    // Made after the systems' Init: the graphics system gets a GL context only
    // when a test made the window first (see EditorGlTest).
    std::unique_ptr<Framework::WindowSystem> mWindow;
};
} // namespace TestSupport
