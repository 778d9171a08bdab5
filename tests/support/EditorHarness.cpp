// The headless editor harness: ImGui without GL, and the editor among the
// engine's systems driven by window messages, keys, the mouse and clicks.
//
// Contents:
//   1. ForgetLastClick: each test click a first click
//   2. HeadlessImGui: the context, frames, clicks, drags and typing
//   3. EditorHarness: setting up and tearing down the world and editor
//   4. Frames, the state and window messages
//   5. Keys and typing
//   6. The mouse, clicks and drags
//   7. The log
#include "support/EditorHarness.h"
#include <filesystem>
#include "core/objects/ComponentCreator.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "graphics/Camera.h"
#include "core/window/InputSys.h"
#include "core/engine/EngineConfig.h"
#include "core/engine/Message.h"

namespace TestSupport
{
using namespace Framework;

namespace
{
// ---- 1. ForgetLastClick -----------------------------------------------------
// Two presses on one spot within ImGui's double-click time make a double
// click (a drag field then turns into a text field): each test click is a
// first click.
void ForgetLastClick(ImGuiIO& io)
{
    for (double& time : io.MouseClickedTime)
        time = -1000.0;
}
} // namespace

// ---- 2. HeadlessImGui -------------------------------------------------------
HeadlessImGui::HeadlessImGui(float width, float height)
{
    mContext = ImGui::CreateContext();
    ImGui::SetCurrentContext(mContext);
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.DisplaySize = ImVec2(width, height);
    io.DeltaTime = 1.0f / 64.0f;
    io.Fonts->AddFontDefault();
    unsigned char* pixels = nullptr;
    int w = 0, h = 0;
    io.Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);
    RecordItemsOf(mContext);
}

HeadlessImGui::~HeadlessImGui() { ImGui::DestroyContext(mContext); }

void HeadlessImGui::BeginFrame(const char* windowName)
{
    ImGui::SetCurrentContext(mContext);
    ImGui::NewFrame();
    ImGui::SetNextWindowPos(ImVec2(0.0f, 0.0f));
    ImGui::SetNextWindowSize(ImGui::GetIO().DisplaySize);
    ImGui::Begin(windowName);
}

void HeadlessImGui::EndFrame()
{
    ImGui::End();
    ImGui::Render();
}

void HeadlessImGui::Frame(const Body& body, int count)
{
    for (int i = 0; i < count; ++i)
    {
        BeginFrame(mWindowName);
        if (body)
            body();
        EndFrame();
    }
}

bool HeadlessImGui::Click(const RecordedItem* item, const Body& body)
{
    if (!item)
        return false;
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = item->Centre();
    Frame(body);
    ForgetLastClick(io);
    io.MouseDown[0] = true;
    Frame(body);
    io.MouseDown[0] = false;
    Frame(body);
    Frame(body); // a window the click opened has found its place
    return true;
}

bool HeadlessImGui::Drag(const RecordedItem* item, float dx, const Body& body)
{
    if (!item)
        return false;
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = item->Centre();
    Frame(body);
    ForgetLastClick(io);
    io.MouseDown[0] = true;
    Frame(body);
    io.MousePos.x += dx;
    Frame(body);
    io.MouseDown[0] = false;
    Frame(body);
    return true;
}

void HeadlessImGui::Type(const std::string& text, const Body& body)
{
    ImGui::SetCurrentContext(mContext);
    for (unsigned char c : text)
        ImGui::GetIO().AddInputCharacter(c);
    Frame(body);
}

// ---- 3. EditorHarness -------------------------------------------------------
EditorHarness::EditorHarness(bool withResources)
{
    std::filesystem::create_directories(mLogFolder.File("Kestrome"));
    mDebug = std::make_unique<DebugSystem>(mLogFolder.Path());
    mDebug->OpenLog();
    mWorld = std::make_unique<GameplayWorld>(withResources);
    mEditor = new OurImGui();
    mEditor->mIniPath = nullptr; // tests leave no "imgui.ini" behind
    RecordItemsOf(mEditor->mContext);
    mWorld->mSystems.push_back(mEditor);
    mWorld->Init();
    // Without a GL context the graphics system registers no camera creator;
    // editor tests add and edit cameras like any component.
    if (!mWorld->mFactory->GetCreator("Camera"))
        mWorld->mFactory->AddComponentCreator("Camera", new ComponentCreatorType<Camera>(ComponentType::Camera));
    EngineConfig config(mLogFolder.Path());
    config.mWidth = Width;
    config.mHeight = Height;
    mWindow = std::make_unique<WindowSystem>(&config);
    Message(WM_SIZE, 0, MakeLParam(Width, Height));
    SetState(GameState::EDITOR);
}

EditorHarness::~EditorHarness()
{
    mWindow.reset();
    mWorld.reset();
    mDebug.reset();
}

// ---- 4. Frames, the state and window messages -------------------------------
void EditorHarness::Frame(int count) { mWorld->Step(count); }

void EditorHarness::SetState(uint32_t state) { mWorld->SetState(state); }

void EditorHarness::Message(uint32_t message, WPARAM wParam, LPARAM lParam)
{
    WindowMessage broadcast(nullptr, message, wParam, lParam);
    for (System* system : mWorld->mSystems)
        system->SendMessage(&broadcast);
}

// ---- 5. Keys and typing -----------------------------------------------------
void EditorHarness::KeyDown(int vk, bool rightHand)
{
    // Bit 24: the extended-key flag that marks the right-hand Ctrl and Alt.
    Message(WM_KEYDOWN, static_cast<WPARAM>(vk), 1 | (rightHand ? LPARAM(1) << 24 : 0));
}

void EditorHarness::KeyUp(int vk, bool rightHand)
{
    Message(WM_KEYUP, static_cast<WPARAM>(vk), 1 | (LPARAM(3) << 30) | (rightHand ? LPARAM(1) << 24 : 0));
}

void EditorHarness::TapKey(int vk)
{
    KeyDown(vk);
    Frame();
    KeyUp(vk);
    Frame();
}

void EditorHarness::Type(const std::string& text)
{
    for (unsigned char c : text)
        Message(WM_CHAR, c, 1);
    Frame();
}

// ---- 6. The mouse, clicks and drags -----------------------------------------
void EditorHarness::MoveMouse(float x, float y)
{
    // The binding's own mapping, inverted: whatever frame offset it takes off
    // is added here, so the two never disagree.
    InputState& input = mWorld->mInput->mState;
    InputState origin;
    float offsetX = 0.0f, offsetY = 0.0f;
    OurImGui::MouseInWindow(origin, offsetX, offsetY);
    input.mCursor = Vec3(x - offsetX + input.mWindowPosition.x, y - offsetY + input.mWindowPosition.y, 0.0f);
}

void EditorHarness::MoveMouseToWorld(float x, float y)
{
    // The input state's mapping is linear in the cursor: two probes give it,
    // whatever frame offsets it applies.
    InputState& input = mWorld->mInput->mState;
    input.CaptureView();
    input.mCursor = Vec3(0.0f);
    const float x0 = input.GetMouseWorldX(), y0 = input.GetMouseWorldY();
    input.mCursor = Vec3(1.0f, 1.0f, 0.0f);
    const float dx = input.GetMouseWorldX() - x0, dy = input.GetMouseWorldY() - y0;
    input.mCursor = Vec3(dx != 0.0f ? (x - x0) / dx : 0.0f, dy != 0.0f ? (y - y0) / dy : 0.0f, 0.0f);
}

void EditorHarness::MouseDown(int vk)
{
    const uint32_t message = vk == VK_RBUTTON ? WM_RBUTTONDOWN : vk == VK_MBUTTON ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    Message(message, 0, 0);
}

void EditorHarness::MouseUp(int vk)
{
    const uint32_t message = vk == VK_RBUTTON ? WM_RBUTTONUP : vk == VK_MBUTTON ? WM_MBUTTONUP : WM_LBUTTONUP;
    Message(message, 0, 0);
}

bool EditorHarness::Click(const RecordedItem* item)
{
    if (!item)
        return false;
    const ImVec2 centre = item->Centre();
    MoveMouse(centre.x, centre.y);
    Frame(); // hovered before pressed, as a user's pointer would be
    ForgetLastClick(*mEditor->mIo);
    MouseDown();
    Frame(2);
    MouseUp();
    Frame();
    Frame(); // a window the click opened (a popup, a menu) has found its place
    return true;
}

bool EditorHarness::Click(const std::string& label, const std::string& window)
{
    return Click(FindItem(label, window));
}

bool EditorHarness::Drag(const RecordedItem* item, float dx)
{
    if (!item)
        return false;
    const ImVec2 centre = item->Centre();
    MoveMouse(centre.x, centre.y);
    Frame();
    ForgetLastClick(*mEditor->mIo);
    MouseDown();
    Frame(2);
    MoveMouse(centre.x + dx, centre.y);
    Frame();
    MouseUp();
    Frame();
    return true;
}

// ---- 7. The log -------------------------------------------------------------
std::string EditorHarness::LogText() const { return ReadFile(mLogFolder.File("Kestrome/Vorlane.log")); }
} // namespace TestSupport
