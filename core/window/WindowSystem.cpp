#include "core/window/WindowSystem.h"
#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "core/engine/EngineConfig.h"
#include "core/game/GameLogic.h"
#include "core/engine/Message.h"
#include "platform/Platform.h"
#include <GL/glew.h>

namespace Framework
{
WindowSystem* gWindowSystem = nullptr;

namespace
{
void RequestQuit()
{
    if (gLogic)
        gLogic->mState.RequestQuit();
}

void SetViewport(int width, int height)
{
    if (Platform::HasGLContext())
        glViewport(0, 0, width, height);
}
// A configured size the display cannot show, or too small to use (an empty
// configuration gives 0 x 0), becomes the windowed default.
void FitConfiguredSize(int& width, int& height)
{
    int screenWidth = 0, screenHeight = 0;
    Platform::GetScreenSize(screenWidth, screenHeight);
    std::string problem;
    if (width < WindowSystem::MinimumWidth || height < WindowSystem::MinimumHeight)
        problem = "is below the usable minimum of " + std::to_string(WindowSystem::MinimumWidth) + " x " +
                  std::to_string(WindowSystem::MinimumHeight);
    else if (width > screenWidth || height > screenHeight)
        problem = "does not fit the display of " + std::to_string(screenWidth) + " x " + std::to_string(screenHeight);
    if (problem.empty())
        return;
    Log("Window size " + std::to_string(width) + " x " + std::to_string(height) + " " + problem + "; " +
        std::to_string(WindowSystem::WindowedWidth) + " x " + std::to_string(WindowSystem::WindowedHeight) +
        " is used.");
    width = WindowSystem::WindowedWidth;
    height = WindowSystem::WindowedHeight;
}
} // namespace

WindowSystem::WindowSystem(EngineConfig* config)
{
    mWidth = config ? static_cast<int>(config->mWidth) : 0;
    mHeight = config ? static_cast<int>(config->mHeight) : 0;
    gWindowSystem = this;
    FitConfiguredSize(mWidth, mHeight);
    if (Platform::CreateMainWindow(gWindowTitle, mWidth, mHeight))
        mWindow = Platform::GetMainWindow();
    else if (mWidth != WindowedWidth || mHeight != WindowedHeight)
    {
        // A size the display refuses must not leave the game without a window.
        Log("A window of " + std::to_string(mWidth) + " x " + std::to_string(mHeight) +
            " could not be created; trying " + std::to_string(WindowedWidth) + " x " + std::to_string(WindowedHeight) +
            ".");
        mWidth = WindowedWidth;
        mHeight = WindowedHeight;
        if (Platform::CreateMainWindow(gWindowTitle, mWidth, mHeight))
            mWindow = Platform::GetMainWindow();
    }
    if (!mWindow)
    {
        // The game logic does not exist yet: the quit goes through the queue.
        Log("No window could be created; the program ends.");
        Platform::PostQuitMessage();
    }
    Platform::ShowCursor(false);
    Log("WindowSystem created.");
}

WindowSystem::~WindowSystem()
{
    Log("WindowSystem terminated.");
    if (gWindowSystem == this)
        gWindowSystem = nullptr;
}

void WindowSystem::Update(float)
{
    Platform::Msg msg;
    while (Platform::PeekMessage(msg))
    {
        if (msg.message == WM_QUIT)
        {
            RequestQuit();
            Message quit(MessageId::Quit);
            if (gCore)
                gCore->BroadcastMessage(&quit);
            continue; // a quit message has no window to be dispatched to
        }
        WindowProc(msg.window, msg.message, msg.wParam, msg.lParam);
    }
}

void WindowSystem::WindowProc(HWND window, uint32_t message, WPARAM wParam, LPARAM lParam)
{
    WindowMessage broadcast(window, message, wParam, lParam);
    if (gCore)
        gCore->BroadcastMessage(&broadcast);

    switch (message)
    {
    case WM_DESTROY:
        Log("Alt+F4 detected.");
        RequestQuit();
        break;
    case WM_SIZE:
        // A minimised window reports 0 x 0; keep the last real size.
        if (LoWord(static_cast<uintptr_t>(lParam)) > 0 && HiWord(static_cast<uintptr_t>(lParam)) > 0)
        {
            mWidth = LoWord(static_cast<uintptr_t>(lParam));
            mHeight = HiWord(static_cast<uintptr_t>(lParam));
        }
        break;
    case WM_COMMAND:
        if (LoWord(wParam) == 105) // the menu's exit command
            RequestQuit();
        break;
    case WM_DROPFILES:
        // The editor takes the dropped file from the broadcast above.
        Log("File dropped detected.");
        break;
    // Losing the focus in a level pauses the game: GameLogic does it from the
    // broadcast above, as it sits above the systems it pauses.
    default:
        break;
    }
}

void WindowSystem::ToggleFullScreen()
{
    if (!Platform::GetMainWindow())
    {
        Log("There is no window to switch to or from fullscreen.");
        return;
    }
    if (mFullscreen)
    {
        Platform::SetFullscreen(false, WindowedWidth, WindowedHeight);
        mFullscreen = false;
        mWidth = WindowedWidth;
        mHeight = WindowedHeight;
        SetViewport(mWidth, mHeight);
        Log("Fullscreen disabled.");
    }
    else
    {
        int screenWidth = 0, screenHeight = 0;
        Platform::GetScreenSize(screenWidth, screenHeight);
        Platform::SetFullscreen(true, WindowedWidth, WindowedHeight);
        mFullscreen = true;
        mWidth = screenWidth;
        mHeight = screenHeight;
        SetViewport(mWidth, mHeight);
        Log("Fullscreen enabled.");
    }
    Log("Window running on " + std::to_string(mWidth) + " x " + std::to_string(mHeight) + ".");
}
} // namespace Framework
