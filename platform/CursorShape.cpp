// The pointer's picture. Only the shape changes here: whether the pointer
// shows at all is the counted ShowCursor's business.
#include "platform/Platform.h"
#include <SDL.h>

namespace Framework
{
namespace Platform
{
bool VideoReady();

namespace
{
SDL_Cursor* sCurrent = nullptr; // made here; SDL frees what is left at its shutdown
bool sShapeSet = false;
CursorShape sShape = CursorShape::Arrow;

SDL_Cursor* MakeCursor(CursorShape shape)
{
    if (shape == CursorShape::Arrow)
        return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    // One transparent pixel: a pointer with no picture.
    static const Uint8 data[1] = {0};
    static const Uint8 mask[1] = {0};
    return SDL_CreateCursor(data, mask, 8, 1, 0, 0);
}
} // namespace

void SetCursorShape(CursorShape shape)
{
    // Called every frame: only a change reaches SDL.
    if (!VideoReady() || (sShapeSet && shape == sShape))
        return;
    SDL_Cursor* cursor = MakeCursor(shape);
    if (!cursor)
        return;
    SDL_SetCursor(cursor);
    // SDL looks a cursor up in its own list before freeing it, so one SDL
    // already let go of at a restart is passed safely.
    if (sCurrent)
        SDL_FreeCursor(sCurrent);
    sCurrent = cursor;
    sShape = shape;
    sShapeSet = true;
}

std::string GetClipboardText()
{
    if (!VideoReady())
        return {};
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
}

void SetClipboardText(const std::string& text)
{
    if (VideoReady())
        SDL_SetClipboardText(text.c_str());
}
} // namespace Platform
} // namespace Framework
