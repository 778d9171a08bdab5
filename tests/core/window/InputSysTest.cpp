#include <gtest/gtest.h>
#include <cmath>
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "core/window/WindowSystem.h"
#include "graphics/GraphicsSystem.h"
#include "physics/Physics.h"
#include "platform/Platform.h"
#include "support/PhysicsTestSupport.h"
#include "support/TestSupport.h"

using namespace Framework;

namespace
{
struct InputFixture : ::testing::Test
{
    InputSys input;
    void Message(uint32_t message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        WindowMessage m(nullptr, message, wParam, lParam);
        input.SendMessage(&m);
    }
    void Frame(float dt = 0.016667f) { input.Update(dt); }
    const InputState& State() const { return input.mState; }
};

WPARAM Wheel(int16_t delta) { return static_cast<WPARAM>(static_cast<uint16_t>(delta)) << 16; }
} // namespace

TEST_F(InputFixture, HeldKeyIsTriggeredOnceThenHeldUntilReleased)
{
    Message(WM_KEYDOWN, 'G');
    Frame();
    EXPECT_TRUE(State().IsTriggered('G'));
    EXPECT_FALSE(State().IsHeld('G'));
    Frame();
    EXPECT_FALSE(State().IsTriggered('G'));
    EXPECT_TRUE(State().IsHeld('G'));
    Message(WM_KEYUP, 'G');
    Frame();
    EXPECT_FALSE(State().IsTriggered('G'));
    EXPECT_FALSE(State().IsHeld('G'));
}

TEST_F(InputFixture, PressAndReleaseWithinOnePumpTriggerOnceInTheNextFrame)
{
    Message(WM_KEYDOWN, VK_SPACE);
    Message(WM_KEYUP, VK_SPACE);
    Frame();
    EXPECT_TRUE(State().IsTriggered(VK_SPACE));
    EXPECT_FALSE(State().IsHeld(VK_SPACE));
    Frame();
    EXPECT_FALSE(State().IsTriggered(VK_SPACE));
    EXPECT_FALSE(State().IsHeld(VK_SPACE));
    // Key repeats of a held key are no new press.
    Message(WM_KEYDOWN, VK_SPACE);
    Frame();
    Message(WM_KEYDOWN, VK_SPACE);
    Frame();
    EXPECT_TRUE(State().IsHeld(VK_SPACE));
}

TEST_F(InputFixture, MouseButtonsUseCodesOneTwoAndFour)
{
    Message(WM_LBUTTONDOWN);
    Message(WM_RBUTTONDOWN);
    Message(WM_MBUTTONDOWN);
    Frame();
    EXPECT_TRUE(State().IsTriggered(VK_LBUTTON));
    EXPECT_TRUE(State().IsTriggered(VK_RBUTTON));
    EXPECT_TRUE(State().IsTriggered(VK_MBUTTON));
    Message(WM_RBUTTONUP);
    Frame();
    EXPECT_TRUE(State().IsHeld(VK_LBUTTON));
    EXPECT_FALSE(State().IsHeld(VK_RBUTTON));
}

TEST_F(InputFixture, WhileATextFieldTypesOnlyMouseButtonsAndFunctionKeysCount)
{
    input.mState.mTextInputActive = true;
    const int keys[] = {'A', 'M', VK_SPACE, VK_ESCAPE, VK_LEFT, VK_F7, VK_F12};
    for (int key : keys)
        Message(WM_KEYDOWN, key);
    Message(WM_LBUTTONDOWN);
    Frame();
    EXPECT_FALSE(State().IsTriggered('A'));
    EXPECT_FALSE(State().IsTriggered('M'));
    EXPECT_FALSE(State().IsTriggered(VK_SPACE));
    EXPECT_FALSE(State().IsTriggered(VK_ESCAPE));
    EXPECT_TRUE(State().IsTriggered(VK_F7));
    EXPECT_TRUE(State().IsTriggered(VK_F12));
    EXPECT_TRUE(State().IsTriggered(VK_LBUTTON));
    Frame();
    EXPECT_FALSE(State().IsHeld(VK_LEFT));
    EXPECT_TRUE(State().IsHeld(VK_F7));
    input.mState.mTextInputActive = false; // the field let go: keys still down count as held
    EXPECT_TRUE(State().IsHeld(VK_LEFT));
    EXPECT_FALSE(State().IsTriggered('A'));
}

TEST_F(InputFixture, CodesOutsideTheTableAreIgnored)
{
    Message(WM_KEYDOWN, 256);
    Message(WM_KEYDOWN, 100000);
    Frame();
    EXPECT_FALSE(State().IsTriggered(256));
    EXPECT_FALSE(State().IsTriggered(-1));
    EXPECT_EQ(State().mCurrentKeys.count(), 0u);
}

TEST_F(InputFixture, LosingFocusReleasesEveryKey)
{
    Message(WM_KEYDOWN, VK_RIGHT);
    Frame();
    Message(WM_ACTIVATE, 0);
    Frame();
    EXPECT_FALSE(State().IsHeld(VK_RIGHT));
    EXPECT_FALSE(State().IsTriggered(VK_RIGHT));
}

TEST_F(InputFixture, WheelShowsForATenthOfASecondAndKeepsTheLaterNotch)
{
    Message(WM_MOUSEWHEEL, Wheel(120));
    EXPECT_EQ(State().mWheelDirection, 1u);
    Frame(0.06f);
    Message(WM_MOUSEWHEEL, Wheel(-120));
    EXPECT_EQ(State().mWheelDirection, 2u);
    Frame(0.06f); // the timer restarted at the second notch
    EXPECT_EQ(State().mWheelDirection, 2u);
    Frame(0.06f);
    EXPECT_EQ(State().mWheelDirection, 0u);
    EXPECT_EQ(State().mWheelDelta, 0u);
}

TEST_F(InputFixture, ZeroWheelDeltaClearsAtOnce)
{
    Message(WM_MOUSEWHEEL, Wheel(240));
    Message(WM_MOUSEWHEEL, Wheel(0));
    EXPECT_EQ(State().mWheelDirection, 0u);
    EXPECT_EQ(State().mWheelDelta, 0u);
}

TEST_F(InputFixture, WindowPositionComesFromWindowPosChanged)
{
    WindowPos pos{40, 25, 800, 600};
    Message(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    EXPECT_EQ(State().mWindowPosition, Vec3(40.0f, 25.0f, 0.0f));
}

TEST(InputWorld, ScreenCentreMapsToTheCameraInFullscreen)
{
    EngineConfig* noConfig = nullptr;
    WindowSystem window(noConfig);
    window.mWidth = 1366;
    window.mHeight = 768;
    window.mFullscreen = true;
    GraphicsSystem graphics;
    Camera camera;
    camera.Position = Vec3(12.0f, -3.0f, 30.0f);
    camera.CamSize = Vec3(25.0f, 25.0f, 1.0f);
    graphics.SetActiveCamera(&camera);
    InputState state;
    state.CaptureView();
    state.mCursor = Vec3(683.0f, 384.0f, 0.0f);
    EXPECT_FLOAT_EQ(state.GetMouseWorldX(), 12.0f);
    EXPECT_FLOAT_EQ(state.GetMouseWorldY(), -3.0f);
    // Without an orthographic volume the right edge is 675 / zoom world units from the centre.
    state.mCursor = Vec3(1366.0f, 0.0f, 0.0f);
    EXPECT_FLOAT_EQ(state.GetMouseWorldX(), 12.0f + 27.0f);
    EXPECT_FLOAT_EQ(state.GetMouseWorldY(), -3.0f + 14.6f);

    // With one, the edge is where the drawing puts it: the volume's half extents / zoom.
    camera.SetOrthographic(-683.0f, 683.0f, -384.0f, 384.0f, 0.1f, 100.0f);
    state.CaptureView();
    EXPECT_FLOAT_EQ(state.GetMouseWorldX(), 12.0f + 683.0f / 25.0f);
    EXPECT_FLOAT_EQ(state.GetMouseWorldY(), -3.0f + 384.0f / 25.0f);
    // A camera moved later in the frame leaves the frame's conversion alone.
    camera.Position.x += 5.0f;
    camera.CamSize = Vec3(30.0f, 30.0f, 1.0f);
    EXPECT_FLOAT_EQ(state.GetMouseWorldX(), 12.0f + 683.0f / 25.0f);
    state.CaptureView();
    EXPECT_FLOAT_EQ(state.GetMouseWorldX(), 17.0f + 683.0f / 30.0f);

    graphics.SetActiveCamera(nullptr);
}

// The cursor is in screen pixels; the platform says where the client area
// starts, so no frame size is subtracted on top (windowed or fullscreen).
TEST(InputWorld, ThePixelUnderThePointerMapsToTheWorldPointDrawnThereInAWindow)
{
    TestSupport::PhysicsScope physics;
    GameLogic logic;
    logic.mState.mCurrent = GameState::LEVEL; // the game's own picking: interactable bodies
    EngineConfig* noConfig = nullptr;
    WindowSystem window(noConfig);
    window.mWidth = 1366;
    window.mHeight = 768;
    GraphicsSystem graphics;
    Camera camera;
    camera.Position = Vec3(0.0f);
    camera.CamSize = Vec3(1.0f, 1.0f, 1.0f); // 675 x 365 world units each side of the centre
    graphics.SetActiveCamera(&camera);
    int frameX = 0, frameY = 0, left = 0, top = 0;
    Platform::GetWindowPosition(frameX, frameY);
    Platform::GetWindowBorders(left, top);
    const float clientX = static_cast<float>(frameX + left), clientY = static_cast<float>(frameY + top);

    for (bool fullscreen : {false, true})
    {
        window.mFullscreen = fullscreen;
        // A small box 100 units right of and 50 up from the centre, and the pointer on it.
        TestSupport::BodySpec spec;
        spec.mPosition = Vec3(100.0f, 50.0f, 0.0f);
        spec.mScale = Vec3(4.0f, 4.0f, 1.0f);
        spec.mInteractable = true;
        Composition* box = physics.Make(spec);
        InputState state;
        state.CaptureView();
        state.mWindowPosition = Vec3(static_cast<float>(frameX), static_cast<float>(frameY), 0.0f);
        state.mCursor =
            Vec3(clientX + 683.0f + 100.0f * 683.0f / 675.0f, clientY + 384.0f - 50.0f * 384.0f / 365.0f, 0.0f);
        EXPECT_NEAR(state.GetMouseWorldX(), 100.0f, 0.01f);
        EXPECT_NEAR(state.GetMouseWorldY(), 50.0f, 0.01f);
        EXPECT_EQ(physics.mPhysics->PickObject(Vec3(state.GetMouseWorldX(), state.GetMouseWorldY(), 0.0f)), box);
        physics.mFactory->mDestroySet.insert(box);
        physics.mFactory->Update(0.0f);
    }
    graphics.SetActiveCamera(nullptr);
}

TEST(InputWorld, WorksBeforeAnyWindowOrCamera)
{
    InputState state;
    state.mCursor = Vec3(100.0f, 100.0f, 0.0f);
    EXPECT_TRUE(std::isfinite(state.GetMouseWorldX()));
    EXPECT_TRUE(std::isfinite(state.GetMouseWorldY()));
}
