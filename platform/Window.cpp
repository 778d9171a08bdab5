// The program's one SDL window, its GL context, fullscreen switching, the
// counted cursor and the screen size.
#include "platform/Platform.h"
#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace Framework
{
namespace Platform
{
namespace
{
SDL_Window* sWindow = nullptr;
SDL_GLContext sContext = nullptr;
int sCursorCounter = 0;  // Win32 starts at 0: visible
std::string sVideoError; // why the last window or context request failed

// Keeps SDL's reason for the caller and prints it with what failed.
void Fail(const char* what)
{
    sVideoError = SDL_GetError();
    std::printf("%s: %s\n", what, sVideoError.c_str());
}

// With no display reachable SDL falls back to a driver that shows nothing: a
// game nobody can see or close. Such a driver serves only when asked for by name.
bool ShowsNothingUnasked()
{
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    const char* driver = SDL_GetCurrentVideoDriver();
    if ((asked && *asked) || !driver)
        return false;
    return std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
}
} // namespace

bool VideoReady() { return SDL_WasInit(SDL_INIT_VIDEO) != 0; }

std::string VideoError() { return sVideoError; }

bool CreateMainWindow(const std::string& title, int width, int height)
{
    if (!VideoReady() && SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
    {
        Fail("SDL video could not start");
        return false;
    }
    if (ShowsNothingUnasked())
    {
        sVideoError = std::string("no display is reachable: SDL found only its \"") + SDL_GetCurrentVideoDriver() +
                      "\" video driver, which shows nothing";
        std::printf("SDL window could not be created: %s\n", sVideoError.c_str());
        return false;
    }
    // The context attributes must be set before the window exists.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (sWindow)
    {
        // One window per program: a second request resizes the one there is.
        SDL_SetWindowTitle(sWindow, title.c_str());
        SDL_SetWindowSize(sWindow, std::max(width, 1), std::max(height, 1));
        return true;
    }
    // A 0 x 0 request (a configuration without sizes) still needs a real window.
    sWindow = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_UNDEFINED, 0, std::max(width, 1), std::max(height, 1),
                               SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (!sWindow)
    {
        Fail("SDL window could not be created");
        return false;
    }
    SDL_EventState(SDL_DROPFILE, SDL_ENABLE);
    return true;
}

void DestroyMainWindow()
{
    DeleteGLContext();
    if (sWindow)
        SDL_DestroyWindow(sWindow);
    sWindow = nullptr;
}

void Shutdown()
{
    DestroyMainWindow();
    SDL_Quit();
}

HWND GetMainWindow() { return sWindow; }
void* GetNativeWindow() { return sWindow; }

void ShowMainWindow()
{
    if (sWindow)
        SDL_ShowWindow(sWindow);
}

void SetWindowClientSize(int width, int height)
{
    if (sWindow)
        SDL_SetWindowSize(sWindow, std::max(width, 1), std::max(height, 1));
}

void GetWindowClientSize(int& width, int& height)
{
    width = height = 0;
    if (sWindow)
        SDL_GetWindowSize(sWindow, &width, &height);
}

void GetWindowPosition(int& x, int& y)
{
    x = y = 0;
    if (!sWindow)
        return;
    SDL_GetWindowPosition(sWindow, &x, &y);
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(sWindow, &top, &left, &bottom, &right) == 0)
    {
        x -= left;
        y -= top;
    }
}

void GetWindowBorders(int& left, int& top)
{
    left = top = 0;
    int bottom = 0, right = 0;
    if (!sWindow || SDL_GetWindowBordersSize(sWindow, &top, &left, &bottom, &right) != 0)
        left = top = 0;
}

void SetFullscreen(bool fullscreen, int windowedWidth, int windowedHeight)
{
    if (!sWindow)
        return;
    if (fullscreen)
    {
        SDL_SetWindowFullscreen(sWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
        return;
    }
    SDL_SetWindowFullscreen(sWindow, 0);
    // SDL keeps reporting the fullscreen size after leaving it until the size is set again.
    SDL_SetWindowSize(sWindow, windowedWidth, windowedHeight);
    SDL_SetWindowPosition(sWindow, 0, 0);
}

void GetScreenSize(int& width, int& height)
{
    width = 1366;
    height = 768;
    SDL_DisplayMode mode;
    // Asked before the window exists too (to check the configured size): video
    // started here stays started, so the window opens on the same display
    // connection rather than a second one.
    if (!VideoReady() && SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
        return;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0)
    {
        width = mode.w;
        height = mode.h;
    }
}

bool CreateGLContext()
{
    if (!sWindow)
        return false;
    if (!sContext)
        sContext = SDL_GL_CreateContext(sWindow);
    if (!sContext)
    {
        Fail("OpenGL context could not be created");
        return false;
    }
    SDL_GL_MakeCurrent(sWindow, sContext);
    // Frames paced to the display, so the loop does not keep a core busy; a
    // driver without the control leaves the loop unthrottled.
    SDL_GL_SetSwapInterval(1);
    return true;
}

void DeleteGLContext()
{
    if (sContext)
    {
        SDL_GL_MakeCurrent(sWindow, nullptr);
        SDL_GL_DeleteContext(sContext);
    }
    sContext = nullptr;
}

bool HasGLContext() { return sContext != nullptr; }

void SwapBuffers()
{
    if (sWindow && sContext)
        SDL_GL_SwapWindow(sWindow);
}

void GetCursorPos(int& x, int& y)
{
    x = y = 0;
    if (VideoReady())
        SDL_GetGlobalMouseState(&x, &y);
}

int ShowCursor(bool show)
{
    sCursorCounter += show ? 1 : -1;
    if (VideoReady())
        SDL_ShowCursor(sCursorCounter >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return sCursorCounter;
}

int GetCursorCounter() { return sCursorCounter; }

uint64_t SteadyNanoseconds()
{
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}
} // namespace Platform
} // namespace Framework
