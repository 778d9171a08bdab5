// Per-frame keyboard and mouse state, built from the window messages.
#pragma once
#include <bitset>
#include "core/math/MathTypes.h"
#include "core/engine/System.h"
#include "platform/Win32Types.h"

namespace Framework
{
// The view a frame is drawn with: the active camera's position, zoom and
// orthographic half extents at zoom 1.
struct CameraView
{
    // World half-width and half-height visible at zoom 1 for a camera without
    // an orthographic volume.
    static constexpr float DefaultHalfWidth = 675.0f;
    static constexpr float DefaultHalfHeight = 365.0f;

    Vec3 mPosition{0.0f};
    Vec2 mZoom{1.0f, 1.0f};
    Vec2 mHalfExtent{DefaultHalfWidth, DefaultHalfHeight};
};

// Fills the view of the active camera and says whether there is one. The
// graphics system, which sits above input, sets it as it is made.
using ActiveViewSource = bool (*)(CameraView& view);
extern ActiveViewSource gActiveView;

struct InputState
{
    static constexpr int KeyCount = 256;
    static constexpr int LastFunctionKey = 0x87; // F24

    // Down now and up in the previous frame. A press that began and ended
    // between two frames counts as down in the next one, so a tap shorter
    // than a frame is still triggered once.
    bool IsTriggered(int vk) const { return ForGame(vk) && mCurrentKeys[vk] && !mPreviousKeys[vk]; }
    // Down now and in the previous frame.
    bool IsHeld(int vk) const { return ForGame(vk) && mCurrentKeys[vk] && mPreviousKeys[vk]; }
    // Whether IsTriggered and IsHeld may report vk: while an editor text field
    // takes the typed keys, only the mouse buttons and the function keys
    // (which type nothing) do, so typing a name never fires a shortcut; while
    // a dialog asks for a name, no letter does.
    bool ForGame(int vk) const
    {
        if (!InRange(vk) || (mLettersTaken && vk >= 'A' && vk <= 'Z'))
            return false;
        return !mTextInputActive || vk == VK_LBUTTON || vk == VK_RBUTTON || vk == VK_MBUTTON ||
               (vk >= VK_F1 && vk <= LastFunctionKey);
    }
    // The world point drawn under the cursor (client-area pixels, windowed or
    // fullscreen), through the view captured as the frame began.
    float GetMouseWorldX() const;
    float GetMouseWorldY() const;
    Vec3 CursorInClient() const;
    // Takes the active camera's position, zoom and orthographic half extents:
    // the view this frame is drawn with. Scripts may move the camera later in
    // the frame (after the interface has placed itself against it), so every
    // conversion of the frame keeps to this one.
    void CaptureView();
    void Reset();
    void UpdateMouse();
    void UpdateKeys();

    static bool InRange(int vk) { return vk >= 0 && vk < KeyCount; }

    std::bitset<KeyCount> mCurrentKeys;
    std::bitset<KeyCount> mPreviousKeys;
    std::bitset<KeyCount> mRawKeys;            // as the messages leave it, at any time
    std::bitset<KeyCount> mPressedSinceUpdate; // went down since the last UpdateKeys
    Vec3 mCursor{0.0f};                        // screen position read at the start of the frame
    Vec3 mPreviousCursor{0.0f};
    uint32_t mWheelDirection = 0; // 0 none, 1 away from the user, 2 towards
    uint16_t mWheelDelta = 0;     // high word of the last wheel message's wParam
    Vec3 mWindowPosition{0.0f};   // outer frame's screen position, from the window messages
    Vec3 mLargestWindowSize{0.0f};
    Vec3 mRightClickWorld{0.0f};
    Vec3 mLeftClickWorld{0.0f};
    Vec3 mRightClickScreen{0.0f};
    Vec3 mLeftClickScreen{0.0f};

    CameraView mView; // set by CaptureView
    // An editor text field has the keyboard (Dear ImGui wants text input);
    // the editor sets it every frame, false where there is no editor.
    bool mTextInputActive = false;
    // A dialog that asks for a name is open: its letters are its own, also
    // before (or after) its field has the keyboard. Set by the editor.
    bool mLettersTaken = false;
};

class InputSys : public System
{
public:
    InputSys();
    ~InputSys() override;
    void Update(float dt) override;
    void Init() override;
    std::string GetName() override { return "Input System"; }
    void SendMessage(Message* message) override;
    void HandleWindowMessage(uint32_t message, WPARAM wParam, LPARAM lParam);

    InputState mState;
    float mWheelTimer = 0.0f; // seconds a wheel turn stays visible
};

extern InputSys* gInput;
} // namespace Framework
