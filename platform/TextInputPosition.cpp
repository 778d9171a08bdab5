// The input method's composition window follows the text field being typed into.
#include "platform/Platform.h"
#include <SDL.h>

namespace Framework
{
namespace Platform
{
bool VideoReady();

void SetTextInputPosition(int x, int y)
{
    if (!VideoReady())
        return;
    SDL_Rect rect{x, y, 1, 1};
    SDL_SetTextInputRect(&rect);
}
} // namespace Platform
} // namespace Framework
