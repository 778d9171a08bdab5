// Turns SDL events into Win32-shaped window messages, queued in arrival order.
//
// Contents:
//   1. The queue, the mouse key flags and dropped files
//   2. Extended keys, text as WM_CHAR
//   3. Translating events: window, key, mouse button, wheel and drop events
//   4. Translate: one SDL event to its messages
//   5. Reading and posting messages: PeekMessage, PostMessage, PostQuitMessage, DroppedFiles
#include "platform/Platform.h"
#include <SDL.h>
#include <array>
#include <deque>
#include <map>

namespace Framework
{
namespace Platform
{
bool VideoReady();

namespace
{
// ---- 1. The queue, the mouse key flags and dropped files --------------------
std::deque<Msg> sQueue;
// WM_WINDOWPOSCHANGED points into this ring; a message is read long before its slot is reused.
std::array<WindowPos, 64> sWindowPositions;
size_t sNextWindowPos = 0;
// Dropped files by drop handle; kept for the last few drops only.
std::map<WPARAM, std::vector<std::string>> sDrops;
WPARAM sNextDrop = 1;
std::vector<std::string> sOpenDrop; // files between SDL_DROPBEGIN and SDL_DROPCOMPLETE
bool sDropOpen = false;

void Queue(uint32_t message, WPARAM wParam, LPARAM lParam)
{
    Msg m;
    m.window = message == WM_QUIT ? nullptr : GetMainWindow();
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    sQueue.push_back(m);
}

WPARAM MouseKeyFlags()
{
    // MK_LBUTTON 1, MK_RBUTTON 2, MK_SHIFT 4, MK_CONTROL 8, MK_MBUTTON 0x10
    WPARAM flags = 0;
    const uint32_t buttons = SDL_GetMouseState(nullptr, nullptr);
    if (buttons & SDL_BUTTON_LMASK)
        flags |= 0x1;
    if (buttons & SDL_BUTTON_RMASK)
        flags |= 0x2;
    if (buttons & SDL_BUTTON_MMASK)
        flags |= 0x10;
    const SDL_Keymod mod = SDL_GetModState();
    if (mod & KMOD_SHIFT)
        flags |= 0x4;
    if (mod & KMOD_CTRL)
        flags |= 0x8;
    return flags;
}

void QueueDrop(std::vector<std::string> files)
{
    if (files.empty())
        return;
    const WPARAM handle = sNextDrop++;
    sDrops[handle] = std::move(files);
    while (sDrops.size() > 8)
        sDrops.erase(sDrops.begin());
    Queue(WM_DROPFILES, handle, 0);
}

// ---- 2. Extended keys, text as WM_CHAR --------------------------------------
// Keys Win32 marks with the extended-key bit (24) of lParam: the right-hand
// Ctrl and Alt, the navigation block and the keypad's Enter and divide.
bool IsExtendedKey(SDL_Keycode key)
{
    switch (key)
    {
    case SDLK_RCTRL:
    case SDLK_RALT:
    case SDLK_INSERT:
    case SDLK_DELETE:
    case SDLK_HOME:
    case SDLK_END:
    case SDLK_PAGEUP:
    case SDLK_PAGEDOWN:
    case SDLK_LEFT:
    case SDLK_RIGHT:
    case SDLK_UP:
    case SDLK_DOWN:
    case SDLK_KP_ENTER:
    case SDLK_KP_DIVIDE:
        return true;
    default:
        return false;
    }
}

void QueueText(const char* utf8)
{
    // One WM_CHAR per code point.
    const unsigned char* s = reinterpret_cast<const unsigned char*>(utf8);
    while (*s)
    {
        uint32_t cp = *s;
        int extra = 0;
        if (cp >= 0xF0)
        {
            cp &= 0x07;
            extra = 3;
        }
        else if (cp >= 0xE0)
        {
            cp &= 0x0F;
            extra = 2;
        }
        else if (cp >= 0xC0)
        {
            cp &= 0x1F;
            extra = 1;
        }
        ++s;
        for (int i = 0; i < extra && (*s & 0xC0) == 0x80; ++i, ++s)
            cp = (cp << 6) | (*s & 0x3F);
        Queue(WM_CHAR, cp, 1);
    }
}

// ---- 3. Translating events --------------------------------------------------
void TranslateWindowEvent(const SDL_WindowEvent& window)
{
    switch (window.event)
    {
    case SDL_WINDOWEVENT_CLOSE:
        Queue(WM_DESTROY, 0, 0);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        // A minimised window reports no size; code that divides by it never sees 0 x 0.
        if (window.data1 > 0 && window.data2 > 0)
            Queue(WM_SIZE, 0, MakeLParam(window.data1, window.data2));
        break;
    case SDL_WINDOWEVENT_MOVED:
    {
        WindowPos& pos = sWindowPositions[sNextWindowPos++ % sWindowPositions.size()];
        GetWindowPosition(pos.x, pos.y);
        GetWindowClientSize(pos.cx, pos.cy);
        Queue(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
        break;
    }
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        Queue(WM_ACTIVATEAPP, 1, 0);
        Queue(WM_ACTIVATE, 1, 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        Queue(WM_ACTIVATE, 0, 0);
        Queue(WM_ACTIVATEAPP, 0, 0);
        break;
    default:
        break;
    }
}

void TranslateKey(const SDL_KeyboardEvent& key)
{
    const int vk = VirtualKeyFromSDL(key.keysym.sym);
    if (vk == 0)
        return;
    const bool down = key.type == SDL_KEYDOWN;
    // As on Win32: Alt, F10 and keys pressed with Alt held are system keys.
    const bool system = vk == VK_MENU || vk == VK_F10 || (key.keysym.mod & KMOD_ALT);
    const uint32_t message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    LPARAM lParam = 1 | (static_cast<LPARAM>(key.keysym.scancode & 0xFF) << 16);
    if (IsExtendedKey(key.keysym.sym))
        lParam |= LPARAM(1) << 24;
    if (key.repeat)
        lParam |= LPARAM(1) << 30;
    if (!down)
        lParam |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
    Queue(message, static_cast<WPARAM>(vk), lParam);
}

void TranslateMouseButton(const SDL_MouseButtonEvent& button)
{
    const bool down = button.type == SDL_MOUSEBUTTONDOWN;
    uint32_t message = 0;
    if (button.button == SDL_BUTTON_LEFT)
        message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    else if (button.button == SDL_BUTTON_RIGHT)
        message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    else if (button.button == SDL_BUTTON_MIDDLE)
        message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    if (message)
        Queue(message, MouseKeyFlags(), MakeLParam(button.x, button.y));
}

void TranslateWheel(const SDL_MouseWheelEvent& wheel)
{
    int notches = wheel.y;
    if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED)
        notches = -notches;
    if (notches == 0)
        return;
    const int16_t delta = static_cast<int16_t>(notches * WHEEL_DELTA);
    int x = 0, y = 0;
    GetCursorPos(x, y);
    Queue(WM_MOUSEWHEEL, (static_cast<WPARAM>(static_cast<uint16_t>(delta)) << 16) | (MouseKeyFlags() & 0xFFFF),
          MakeLParam(x, y));
}

// The files of one drop arrive between a begin and a complete event and are
// queued together; a file outside such a pair is a drop of its own.
void TranslateDrop(const SDL_DropEvent& drop)
{
    switch (drop.type)
    {
    case SDL_DROPBEGIN:
        sDropOpen = true;
        sOpenDrop.clear();
        break;
    case SDL_DROPFILE:
        if (drop.file)
        {
            if (sDropOpen)
                sOpenDrop.emplace_back(drop.file);
            else
                QueueDrop({std::string(drop.file)});
            SDL_free(drop.file);
        }
        break;
    case SDL_DROPCOMPLETE:
        sDropOpen = false;
        QueueDrop(std::move(sOpenDrop));
        sOpenDrop.clear();
        break;
    default:
        break;
    }
}

// ---- 4. Translate -----------------------------------------------------------
void Translate(const SDL_Event& e)
{
    switch (e.type)
    {
    case SDL_QUIT:
        Queue(WM_QUIT, 0, 0);
        break;
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(e.window);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        TranslateKey(e.key);
        break;
    case SDL_TEXTINPUT:
        QueueText(e.text.text);
        break;
    case SDL_MOUSEMOTION:
        Queue(WM_MOUSEMOVE, MouseKeyFlags(), MakeLParam(e.motion.x, e.motion.y));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        TranslateMouseButton(e.button);
        break;
    case SDL_MOUSEWHEEL:
        TranslateWheel(e.wheel);
        break;
    case SDL_DROPBEGIN:
    case SDL_DROPFILE:
    case SDL_DROPCOMPLETE:
        TranslateDrop(e.drop);
        break;
    default:
        break;
    }
}
} // namespace

// ---- 5. Reading and posting messages ----------------------------------------
bool PeekMessage(Msg& out)
{
    static bool terminateQueued = false;
    if (!terminateQueued && TerminateRequested())
    {
        terminateQueued = true;
        Queue(WM_QUIT, 0, 0);
    }
    if (sQueue.empty() && VideoReady())
    {
        SDL_Event e;
        while (SDL_PollEvent(&e))
            Translate(e);
    }
    if (sQueue.empty())
        return false;
    out = sQueue.front();
    sQueue.pop_front();
    return true;
}

void PostMessage(const Msg& message) { sQueue.push_back(message); }

void PostQuitMessage() { Queue(WM_QUIT, 0, 0); }

std::vector<std::string> DroppedFiles(WPARAM drop)
{
    auto it = sDrops.find(drop);
    return it == sDrops.end() ? std::vector<std::string>{} : it->second;
}
} // namespace Platform
} // namespace Framework
