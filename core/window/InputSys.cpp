#include "core/window/InputSys.h"
#include "core/engine/DebugSystem.h"
#include "core/engine/Message.h"
#include "core/window/WindowSystem.h"
#include "platform/Platform.h"

namespace Framework
{
InputSys* gInput = nullptr;
ActiveViewSource gActiveView = nullptr;

namespace
{
// Win32 sends both Ctrl keys as VK_CONTROL and tells the right one by the
// extended-key bit; the left and right codes are kept as well.
int ControlSide(LPARAM lParam) { return (lParam >> 24) & 1 ? VK_RCONTROL : VK_LCONTROL; }

void WindowSize(float& w, float& h)
{
    w = gWindowSystem ? static_cast<float>(gWindowSystem->mWidth) : 0.0f;
    h = gWindowSystem ? static_cast<float>(gWindowSystem->mHeight) : 0.0f;
    if (w <= 0.0f)
        w = 1.0f;
    if (h <= 0.0f)
        h = 1.0f;
}

// Sets a raw key; a key that was up also counts as pressed since the last
// frame (repeats of a held key are no new press).
void Press(InputState& s, size_t vk)
{
    if (!s.mRawKeys[vk])
        s.mPressedSinceUpdate.set(vk);
    s.mRawKeys.set(vk);
}
} // namespace

// The cursor relative to the client area: the outer frame's position plus the
// frame's real borders (SDL reports them; a fixed Windows frame size would
// shift every pick when there is none, or a different one).
Vec3 InputState::CursorInClient() const
{
    int left = 0, top = 0;
    Platform::GetWindowBorders(left, top);
    return Vec3(mCursor.x - mWindowPosition.x - static_cast<float>(left),
                mCursor.y - mWindowPosition.y - static_cast<float>(top), 0.0f);
}

// The inverse of the drawing: the projection spreads its half extents over
// half the client area, and the camera scales the world by its zoom.
float InputState::GetMouseWorldX() const
{
    float w, h;
    WindowSize(w, h);
    const float mx = CursorInClient().x;
    return (mx - w / 2.0f) / (w / 2.0f) * mView.mHalfExtent.x / mView.mZoom.x + mView.mPosition.x;
}

float InputState::GetMouseWorldY() const
{
    float w, h;
    WindowSize(w, h);
    const float my = CursorInClient().y;
    return (h / 2.0f - my) / (h / 2.0f) * mView.mHalfExtent.y / mView.mZoom.y + mView.mPosition.y;
}

void InputState::CaptureView()
{
    mView = CameraView();
    if (!gActiveView || !gActiveView(mView))
    {
        mView = CameraView();
        return;
    }
    // A camera without zoom would put the mouse at infinity: zoom 1 instead.
    if (mView.mZoom.x == 0.0f)
        mView.mZoom.x = 1.0f;
    if (mView.mZoom.y == 0.0f)
        mView.mZoom.y = 1.0f;
}

void InputState::Reset()
{
    mWindowPosition = Vec3(0.0f);
    mCurrentKeys = mRawKeys;
    mPreviousKeys = mCurrentKeys;
    mPressedSinceUpdate.reset();
    if (gWindowSystem)
        mLargestWindowSize =
            Vec3(static_cast<float>(gWindowSystem->mWidth), static_cast<float>(gWindowSystem->mHeight), 0.0f);
}

void InputState::UpdateMouse()
{
    mPreviousCursor = mCursor;
    if (gWindowSystem && static_cast<float>(gWindowSystem->mWidth) > mLargestWindowSize.x)
        mLargestWindowSize =
            Vec3(static_cast<float>(gWindowSystem->mWidth), static_cast<float>(gWindowSystem->mHeight), 0.0f);
    int x = 0, y = 0;
    Platform::GetCursorPos(x, y);
    mCursor = Vec3(static_cast<float>(x), static_cast<float>(y), 0.0f);
}

void InputState::UpdateKeys()
{
    mPreviousKeys = mCurrentKeys;
    // A key let go and pressed again since the last frame is a new press:
    // it is triggered, not held.
    mPreviousKeys &= ~mPressedSinceUpdate;
    mCurrentKeys = mRawKeys | mPressedSinceUpdate;
    mPressedSinceUpdate.reset();
}

InputSys::InputSys()
{
    if (gDebug)
        gDebug->Log("Input System Constructed");
    gInput = this;
}

InputSys::~InputSys()
{
    if (gDebug)
        gDebug->Log("Input System Destructor");
    if (gInput == this)
        gInput = nullptr;
}

void InputSys::Init() { mState.Reset(); }

void InputSys::Update(float dt)
{
    mState.UpdateMouse();
    mState.CaptureView();
    mState.UpdateKeys();
    if (mWheelTimer > 0.0f)
    {
        mWheelTimer -= dt;
        if (mWheelTimer <= 0.0f)
        {
            mState.mWheelDirection = 0;
            mState.mWheelDelta = 0;
        }
    }
}

void InputSys::SendMessage(Message* message)
{
    if (message->mMessageId != MessageId::Window)
        return;
    const auto* window = static_cast<WindowMessage*>(message);
    HandleWindowMessage(window->mMessage, window->mWParam, window->mLParam);
}

void InputSys::HandleWindowMessage(uint32_t message, WPARAM wParam, LPARAM lParam)
{
    InputState& s = mState;
    const Vec3 world(s.GetMouseWorldX(), s.GetMouseWorldY(), 0.0f);
    switch (message)
    {
    case WM_KEYDOWN:
        if (wParam < InputState::KeyCount)
            Press(s, wParam);
        if (wParam == VK_CONTROL)
            Press(s, ControlSide(lParam));
        break;
    case WM_KEYUP:
        if (wParam < InputState::KeyCount)
            s.mRawKeys.reset(wParam);
        if (wParam == VK_CONTROL)
            s.mRawKeys.reset(ControlSide(lParam));
        break;
    case WM_LBUTTONDOWN:
        Press(s, VK_LBUTTON);
        s.mLeftClickWorld = world;
        s.mLeftClickScreen = s.mCursor;
        break;
    case WM_LBUTTONUP:
        s.mRawKeys.reset(VK_LBUTTON);
        break;
    case WM_RBUTTONDOWN:
        Press(s, VK_RBUTTON);
        s.mRightClickWorld = world;
        s.mRightClickScreen = s.mCursor;
        break;
    case WM_RBUTTONUP:
        s.mRawKeys.reset(VK_RBUTTON);
        break;
    case WM_MBUTTONDOWN:
        Press(s, VK_MBUTTON);
        break;
    case WM_MBUTTONUP:
        s.mRawKeys.reset(VK_MBUTTON);
        break;
    case WM_MOUSEWHEEL:
        mWheelTimer = 0.1f;
        s.mWheelDelta = HiWord(wParam);
        if (s.mWheelDelta != 0)
            s.mWheelDirection = static_cast<int16_t>(s.mWheelDelta) < 0 ? 2 : 1;
        else
            s.mWheelDirection = 0;
        break;
    case WM_WINDOWPOSCHANGED:
        if (const auto* pos = reinterpret_cast<const WindowPos*>(lParam))
            s.mWindowPosition = Vec3(static_cast<float>(pos->x), static_cast<float>(pos->y), 0.0f);
        break;
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
        // Keys released while another window has the focus send no key-up to us.
        if (wParam == 0)
        {
            s.mRawKeys.reset();
            s.mPressedSinceUpdate.reset();
        }
        break;
    default:
        break;
    }
}
} // namespace Framework
