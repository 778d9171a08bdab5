// The left and right Ctrl keys told apart from SDL's key events to the
// input state, as the editor's "CTRL" line needs.
#include <gtest/gtest.h>
#include <SDL.h>
#include <cstdlib>
#include "core/window/InputSys.h"
#include "platform/Platform.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::EditorHarness;

namespace
{
Platform::Msg PressAndTake(SDL_Keycode key)
{
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    SDL_PushEvent(&e);
    Platform::Msg m, found;
    while (Platform::PeekMessage(m))
        if (m.message == WM_KEYDOWN)
            found = m;
    return found;
}
} // namespace

TEST(ControlKeySides, TheRightCtrlCarriesTheExtendedKeyBitAndBecomesItsOwnCode)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    // The size the editor tests use everywhere: the program has one window.
    ASSERT_TRUE(Platform::CreateMainWindow("editor test", EditorHarness::Width, EditorHarness::Height));
    Platform::Msg m;
    while (Platform::PeekMessage(m))
    {
    }
    const Platform::Msg left = PressAndTake(SDLK_LCTRL);
    const Platform::Msg right = PressAndTake(SDLK_RCTRL);
    ASSERT_EQ(left.wParam, static_cast<WPARAM>(VK_CONTROL));
    ASSERT_EQ(right.wParam, static_cast<WPARAM>(VK_CONTROL));
    EXPECT_EQ((left.lParam >> 24) & 1, 0);
    EXPECT_EQ((right.lParam >> 24) & 1, 1);

    InputSys input;
    input.HandleWindowMessage(WM_KEYDOWN, right.wParam, right.lParam);
    EXPECT_TRUE(input.mState.mRawKeys[VK_CONTROL]);
    EXPECT_TRUE(input.mState.mRawKeys[VK_RCONTROL]);
    EXPECT_FALSE(input.mState.mRawKeys[VK_LCONTROL]);
    input.HandleWindowMessage(WM_KEYUP, right.wParam, right.lParam | (LPARAM(3) << 30));
    EXPECT_FALSE(input.mState.mRawKeys[VK_RCONTROL]);
}
