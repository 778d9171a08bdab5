// SDL keys to Win32 virtual-key codes, and the asynchronous key state.
#include "platform/Platform.h"
#include <SDL.h>

namespace Framework
{
namespace Platform
{
bool VideoReady();

int VirtualKeyFromSDL(int key)
{
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return VK_F1 + (key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
        return VK_NUMPAD0 + 1 + (key - SDLK_KP_1);
    switch (key)
    {
    case SDLK_KP_0:
        return VK_NUMPAD0;
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_SPACE:
        return VK_SPACE;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return VK_RETURN;
    case SDLK_TAB:
        return VK_TAB;
    case SDLK_BACKSPACE:
        return VK_BACK;
    case SDLK_DELETE:
        return VK_DELETE;
    case SDLK_INSERT:
        return VK_INSERT;
    case SDLK_HOME:
        return VK_HOME;
    case SDLK_END:
        return VK_END;
    case SDLK_PAGEUP:
        return VK_PRIOR;
    case SDLK_PAGEDOWN:
        return VK_NEXT;
    case SDLK_LEFT:
        return VK_LEFT;
    case SDLK_RIGHT:
        return VK_RIGHT;
    case SDLK_UP:
        return VK_UP;
    case SDLK_DOWN:
        return VK_DOWN;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
        return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
        return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT:
        return VK_MENU;
    case SDLK_PAUSE:
        return VK_PAUSE;
    case SDLK_CAPSLOCK:
        return VK_CAPITAL;
    case SDLK_KP_MULTIPLY:
        return VK_MULTIPLY;
    case SDLK_KP_PLUS:
        return VK_ADD;
    case SDLK_KP_MINUS:
        return VK_SUBTRACT;
    case SDLK_KP_PERIOD:
        return VK_DECIMAL;
    case SDLK_KP_DIVIDE:
        return VK_DIVIDE;
    case SDLK_SEMICOLON:
        return VK_OEM_1;
    case SDLK_EQUALS:
        return VK_OEM_PLUS;
    case SDLK_COMMA:
        return VK_OEM_COMMA;
    case SDLK_MINUS:
        return VK_OEM_MINUS;
    case SDLK_PERIOD:
        return VK_OEM_PERIOD;
    case SDLK_SLASH:
        return VK_OEM_2;
    case SDLK_BACKQUOTE:
        return VK_OEM_3;
    case SDLK_LEFTBRACKET:
        return VK_OEM_4;
    case SDLK_BACKSLASH:
        return VK_OEM_5;
    case SDLK_RIGHTBRACKET:
        return VK_OEM_6;
    case SDLK_QUOTE:
        return VK_OEM_7;
    default:
        return 0;
    }
}

bool IsKeyDownAsync(int vk)
{
    if (!VideoReady() || vk <= 0 || vk >= 256)
        return false;
    if (vk == VK_LBUTTON || vk == VK_RBUTTON || vk == VK_MBUTTON)
    {
        const uint32_t buttons = SDL_GetMouseState(nullptr, nullptr);
        const uint32_t mask = vk == VK_LBUTTON   ? SDL_BUTTON_LMASK
                              : vk == VK_RBUTTON ? SDL_BUTTON_RMASK
                                                 : SDL_BUTTON_MMASK;
        return (buttons & mask) != 0;
    }
    int count = 0;
    const uint8_t* keys = SDL_GetKeyboardState(&count);
    auto down = [&](SDL_Scancode code) { return code < count && keys[code] != 0; };
    switch (vk)
    {
    case VK_LSHIFT:
        return down(SDL_SCANCODE_LSHIFT);
    case VK_RSHIFT:
        return down(SDL_SCANCODE_RSHIFT);
    case VK_LCONTROL:
        return down(SDL_SCANCODE_LCTRL);
    case VK_RCONTROL:
        return down(SDL_SCANCODE_RCTRL);
    case VK_LMENU:
        return down(SDL_SCANCODE_LALT);
    case VK_RMENU:
        return down(SDL_SCANCODE_RALT);
    default:
        break;
    }
    // Any scancode whose key maps to this code counts (both Ctrl keys for VK_CONTROL).
    for (int code = 0; code < count; ++code)
        if (keys[code] && VirtualKeyFromSDL(SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(code))) == vk)
            return true;
    return false;
}
} // namespace Platform
} // namespace Framework
