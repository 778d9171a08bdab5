// The editor system's life: its ImGui context, the set-up of the binding,
// and the messages it takes.
#include "editor/OurImGui.h"
#include <imgui.h>
#include <algorithm>
#include <filesystem>
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/engine/Message.h"
#include "core/window/WindowSystem.h"
#include "editor/EditorDialogState.h"
#include "editor/EditorFont.h"
#include "editor/EditorStyle.h"
#include "graphics/GraphicsSystem.h"
#include "platform/Platform.h"

namespace Framework
{
OurImGui* gEditor = nullptr;
bool gEditorHidden = false;

namespace
{
const char* GetClipboard(void*)
{
    // ImGui copies the text before the next call.
    static std::string text;
    text = Platform::GetClipboardText();
    return text.c_str();
}

void SetClipboard(void*, const char* text) { Platform::SetClipboardText(text ? text : ""); }

void SetImePosition(int x, int y) { Platform::SetTextInputPosition(x, y); }

// Win32 virtual-key codes for the keys ImGui's text fields and lists use.
void FillKeyMap(ImGuiIO& io)
{
    io.KeyMap[ImGuiKey_Tab] = VK_TAB;
    io.KeyMap[ImGuiKey_LeftArrow] = VK_LEFT;
    io.KeyMap[ImGuiKey_RightArrow] = VK_RIGHT;
    io.KeyMap[ImGuiKey_UpArrow] = VK_UP;
    io.KeyMap[ImGuiKey_DownArrow] = VK_DOWN;
    io.KeyMap[ImGuiKey_PageUp] = VK_PRIOR;
    io.KeyMap[ImGuiKey_PageDown] = VK_NEXT;
    io.KeyMap[ImGuiKey_Home] = VK_HOME;
    io.KeyMap[ImGuiKey_End] = VK_END;
    io.KeyMap[ImGuiKey_Delete] = VK_DELETE;
    io.KeyMap[ImGuiKey_Backspace] = VK_BACK;
    io.KeyMap[ImGuiKey_Enter] = VK_RETURN;
    io.KeyMap[ImGuiKey_Escape] = VK_ESCAPE;
    io.KeyMap[ImGuiKey_A] = 'A';
    io.KeyMap[ImGuiKey_C] = 'C';
    io.KeyMap[ImGuiKey_V] = 'V';
    io.KeyMap[ImGuiKey_X] = 'X';
    io.KeyMap[ImGuiKey_Y] = 'Y';
    io.KeyMap[ImGuiKey_Z] = 'Z';
}
} // namespace

OurImGui::OurImGui()
{
    // A context of our own, made current whenever the editor works with it.
    mContext = ImGui::CreateContext();
    ImGui::SetCurrentContext(mContext);
    mIo = &ImGui::GetIO();
    LoadWindowSettings();
    if (gFactory)
    {
        mObjectMap = &gFactory->mObjects;
        mArchetypeMap = &gFactory->mArchetypes;
    }
    gEditor = this;
    Log("OurImGui constructed.");
}

OurImGui::~OurImGui()
{
    ImGui::SetCurrentContext(mContext);
    InvalidateDeviceObjects();
    SaveWindowSettings();
    ImGui::DestroyContext(mContext);
    mContext = nullptr;
    mIo = nullptr;
    if (gEditor == this)
        gEditor = nullptr;
    Log("OurImGui destroyed.");
}

void OurImGui::LoadWindowSettings()
{
    // Read and written here rather than by ImGui, which would open whatever
    // has the name: a pipe there would block the start.
    mIo->IniFilename = nullptr;
    if (!mIniPath)
        return;
    Platform::RemoveLeftoverTemporary(mIniPath);
    const Platform::FileKind kind = Platform::KindOfFile(mIniPath);
    std::string text;
    if (kind == Platform::FileKind::Regular && Platform::ReadWholeFile(mIniPath, text))
        ImGui::LoadIniSettingsFromMemory(text.c_str(), text.size());
    else if (kind == Platform::FileKind::Other)
    {
        Log(std::string("\"") + mIniPath + "\" is not a regular file; it is neither read nor written.");
        mIniPath = nullptr;
    }
}

void OurImGui::SaveWindowSettings()
{
    // As ImGui itself: only once a frame has run (the settings are loaded by then).
    if (!mIniPath || ImGui::GetFrameCount() == 0)
        return;
    size_t size = 0;
    const char* text = ImGui::SaveIniSettingsToMemory(&size);
    std::string refusal;
    if (!Platform::WriteFileAtomically(mIniPath, std::string(text, size), &refusal) && !refusal.empty())
        Log(std::string("\"") + mIniPath + "\" is left as it is: " + refusal + ".");
}

void OurImGui::Init()
{
    ImGui::SetCurrentContext(mContext);
    ImGuiIO& io = *mIo;
    LoadEditorFont(*io.Fonts);
    FillKeyMap(io);
    io.GetClipboardTextFn = &GetClipboard;
    io.SetClipboardTextFn = &SetClipboard;
    io.ImeWindowHandle = Platform::GetNativeWindow();
    io.ImeSetInputScreenPosFn = &SetImePosition;
    ApplyEditorStyle(ImGui::GetStyle());
    if (gFactory)
    {
        mObjectMap = &gFactory->mObjects;
        mArchetypeMap = &gFactory->mArchetypes;
    }
    // Without a GL context (tests) the atlas is still built: ImGui needs it to run a frame.
    if (gGraphicsSystem && gGraphicsSystem->mContextReady && Platform::HasGLContext())
        CreateDeviceObjects();
    else
        CreateFontsTexture();
    if (gWindowSystem)
    {
        mWidth = static_cast<uint32_t>(std::max(gWindowSystem->mWidth, 0));
        mHeight = static_cast<uint32_t>(std::max(gWindowSystem->mHeight, 0));
    }
}

void OurImGui::SendMessage(Message* message)
{
    if (message->mMessageId == MessageId::Window)
    {
        const auto* window = static_cast<WindowMessage*>(message);
        HandleWindowMessage(window->mMessage, window->mWParam, window->mLParam);
        if (window->mMessage == WM_DROPFILES)
        {
            const std::vector<std::string> files = Platform::DroppedFiles(window->mWParam);
            if (!files.empty())
            {
                FileDropMessage drop(files.front());
                SendMessage(&drop);
            }
        }
    }
    else if (message->mMessageId == MessageId::FileDrop)
    {
        mFileDropped = true;
        mLastDroppedFile = static_cast<FileDropMessage*>(message)->mFilePath;
    }
}
} // namespace Framework
