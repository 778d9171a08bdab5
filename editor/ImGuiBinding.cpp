// The input half of the binding: each frame's display size, time, mouse and
// cursor go into ImGui's IO; window messages bring the size, keys and text.
#include <imgui.h>
#include <algorithm>
#include <cmath>
#include <iterator>
#include "core/window/InputSys.h"
#include "core/window/WindowSystem.h"
#include "editor/OurImGui.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
// ImGui lines per wheel unit (120 units a notch).
constexpr float kWheelScale = 0.002f;
// ImGui refuses a frame of zero or negative length.
constexpr float kSmallestDt = 1.0f / 10000.0f;
} // namespace

void OurImGui::MouseInWindow(const InputState& input, float& x, float& y)
{
    // The same client-area pixel the world mapping uses (the frame's real borders).
    const Vec3 client = input.CursorInClient();
    x = client.x;
    y = client.y;
}

void OurImGui::NewFrame(float dt)
{
    ImGui::SetCurrentContext(mContext);
    ImGuiIO& io = *mIo;
    io.DisplayFramebufferScale = ImVec2(1.0f, 1.0f);
    io.DisplaySize = ImVec2(static_cast<float>(mWidth), static_cast<float>(mHeight));
    io.DeltaTime = std::isfinite(dt) && dt > kSmallestDt ? dt : kSmallestDt;

    if (gInput)
    {
        const InputState& input = gInput->mState;
        float x = 0.0f, y = 0.0f;
        MouseInWindow(input, x, y);
        io.MousePos = ImVec2(x, y);
        // Held, not pressed: a press reaches ImGui one frame late, and a click
        // shorter than a frame never does.
        io.MouseDown[0] = input.IsHeld(VK_LBUTTON);
        io.MouseDown[1] = input.IsHeld(VK_RBUTTON);
        io.MouseDown[2] = input.IsHeld(VK_MBUTTON);
        io.MouseWheel = static_cast<float>(static_cast<int16_t>(input.mWheelDelta)) * kWheelScale;
    }

    Platform::SetCursorShape(io.MouseDrawCursor ? Platform::CursorShape::None : Platform::CursorShape::Arrow);
    ImGui::NewFrame();
    // Keys typed into a text field are the field's: the game's key queries
    // read them as up until the field lets go.
    if (gInput)
        gInput->mState.mTextInputActive = io.WantTextInput;
    // ImGui has seen this frame's taps as down; they are up from the next.
    for (size_t key = 0; key < mKeyUpsWaiting.size(); ++key)
        if (mKeyUpsWaiting[key])
            io.KeysDown[key] = false;
    mKeysUnseen.reset();
    mKeyUpsWaiting.reset();
}

void OurImGui::HandleWindowMessage(uint32_t message, WPARAM wParam, LPARAM lParam)
{
    ImGuiIO& io = *mIo;
    switch (message)
    {
    case WM_SIZE:
        mWidth = LoWord(static_cast<uintptr_t>(lParam));
        mHeight = HiWord(static_cast<uintptr_t>(lParam));
        break;
    case WM_KEYDOWN:
        if (wParam < 256)
        {
            io.KeysDown[wParam] = true;
            mKeysUnseen.set(wParam);
        }
        break;
    case WM_KEYUP:
        // A tap shorter than a frame stays down until ImGui has seen it.
        if (wParam < 256 && mKeysUnseen[wParam])
            mKeyUpsWaiting.set(wParam);
        else if (wParam < 256)
            io.KeysDown[wParam] = false;
        break;
    case WM_CHAR:
        if (wParam > 0 && wParam < 0x10000)
            io.AddInputCharacter(static_cast<unsigned int>(wParam));
        break;
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
        // Keys let go while another window has the focus send us no key-up:
        // without this a field would go on seeing them held.
        if (wParam == 0)
        {
            std::fill(std::begin(io.KeysDown), std::end(io.KeysDown), false);
            mKeysUnseen.reset();
            mKeyUpsWaiting.reset();
        }
        break;
    default:
        break;
    }
}
} // namespace Framework
