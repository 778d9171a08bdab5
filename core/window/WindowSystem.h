// The program's one window: the message pump, focus pause, file drop, fullscreen.
#pragma once
#include "core/engine/System.h"
#include "platform/Win32Types.h"

namespace Framework
{
struct EngineConfig;

class WindowSystem : public System
{
public:
    // The windowed size is always this, whatever the configuration says.
    static constexpr int WindowedWidth = 1366;
    static constexpr int WindowedHeight = 768;
    // Below this the menus and the editor cannot be used.
    static constexpr int MinimumWidth = 640;
    static constexpr int MinimumHeight = 480;

    explicit WindowSystem(EngineConfig* config);
    ~WindowSystem() override;
    void Update(float dt) override;
    std::string GetName() override { return "WindowSystem"; }
    void SendMessage(Message*) override {}

    // Every window message passes through here: broadcast first, then handled.
    void WindowProc(HWND window, uint32_t message, WPARAM wParam, LPARAM lParam);
    void ToggleFullScreen();

    HWND mWindow = nullptr;
    int mWidth = 0; // client size in pixels
    int mHeight = 0;
    bool mFullscreen = false;
};

extern WindowSystem* gWindowSystem;
} // namespace Framework
