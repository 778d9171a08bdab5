// The level camera: key movement ramp, wheel bounds, the right-button drag, the
// clamp, the win and respawn glides, and the Level10 scroll.
#include <gtest/gtest.h>
#include "core/window/InputSys.h"
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/CameraScript.h"
#include "gameplay/scripts/HumanWin.h"
#include "LevelScriptSupport.h"
#include "game/GameFrame.h"

using namespace Framework;

namespace
{
constexpr int KeyV = 0x56, KeyA = 0x41, KeyD = 0x44;

class CameraScripts : public TestSupport::LevelScriptTest
{
protected:
    // A level as the camera expects it: apple, basket, walker, then the camera.
    void BuildLevel(Vec3 apple = Vec3(0.0f), bool withWalker = true)
    {
        MakeApple(apple);
        if (withWalker)
        {
            Start(Make("END", Vec3(80.0f, 10.0f, 0.0f)));
            Start(mWalker = Make("HumanWin", Vec3(60.0f, 10.0f, 0.0f)), ScriptId::HumanWin);
        }
        mCamera = MakeCamera(0.0f, 0.0f, 25.0f, ScriptId::CameraScript);
        mScript = ScriptOn<CameraScript>(mCamera->GetOwner());
    }
    Composition* mWalker = nullptr;
    Camera* mCamera = nullptr;
    CameraScript* mScript = nullptr;
};
} // namespace

TEST_F(CameraScripts, KeyMovementRampsUpOverTheFirstSecondThenRuns30UnitsASecond)
{
    BuildLevel();
    Tap(KeyV);
    ASSERT_EQ(mScript->mCameraState, 1);
    mScript->mKeyRamp = 0.0f;
    Press(KeyD);
    Step(); // D goes down: not held yet
    EXPECT_FLOAT_EQ(mCamera->Position.x, 0.0f);
    Step();
    EXPECT_NEAR(mCamera->Position.x, 30.0f * Dt * Dt, 1e-6f);
    Step();
    EXPECT_NEAR(mCamera->Position.x, 30.0f * Dt * Dt * 3.0f, 1e-6f); // ramp dt, then 2 dt
    Step(80);
    const float before = mCamera->Position.x;
    Step();
    EXPECT_NEAR(mCamera->Position.x - before, 30.0f * Dt, 30.0f * Dt * 0.02f);
    Release(KeyD);
    Step(2);
    EXPECT_LT(mScript->mKeyRamp, 1.0f); // released keys wind the ramp down
}

TEST_F(CameraScripts, InKeyModeAMovesTheViewAndUnlocksNothing_WithTheMouseCameraItUnlocksEveryLevel)
{
    BuildLevel();
    Tap(KeyA);
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 9u);

    mWorld.mLogic->mUnlockedCount = 2;
    Tap(KeyV);
    Press(KeyA);
    Step(3);
    Release(KeyA);
    Step();
    EXPECT_LT(mCamera->Position.x, 0.0f);
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 2u) << "the camera's A unlocked every level";

    Tap(KeyV); // the mouse camera again
    Tap(KeyA);
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 9u);

    // A level left with its camera in key mode gives A back to the next one.
    mWorld.mLogic->mUnlockedCount = 2;
    Tap(KeyV);
    mWorld.mLogic->FlushLevel();
    Tap(KeyA);
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 9u);
}

TEST_F(CameraScripts, WheelZoomStaysInItsBounds_RightDragPans_ClampPinsANarrowRectangle)
{
    BuildLevel();
    EXPECT_FLOAT_EQ(mScript->mMinZoom, 27.0f);
    EXPECT_FLOAT_EQ(mScript->mMaxZoom, 25.0f);
    mWorld.mInput->mState.mWheelDirection = 2; // towards the user
    Step(10);
    EXPECT_EQ(mCamera->CamSize, Vec3(27.0f, 27.0f, 1.0f));
    mWorld.mInput->mState.mWheelDirection = 1; // away
    Step(10);
    EXPECT_FLOAT_EQ(mCamera->CamSize.x, 25.0f);
    mWorld.mInput->mState.mWheelDirection = 0;
    // A right-button drag moves the view against the cursor, by pixels over the zoom.
    mWorld.mInput->mState.mRightClickScreen = mWorld.mInput->mState.mCursor = Vec3(100.0f, 100.0f, 0.0f);
    Press(2);
    Step(2);
    mWorld.mInput->mState.mCursor = Vec3(50.0f, 150.0f, 0.0f);
    Step();
    Release(2);
    EXPECT_EQ(mCamera->Position, Vec3(2.0f, 2.0f, 0.0f));
    // The view is 20 units wide; a 10-unit rectangle leaves it at MinClamp + half view.
    mCamera->MinClamp = Vec2(0.0f, 0.0f);
    mCamera->MaxClamp = Vec2(10.0f, 10.0f);
    mCamera->Position = Vec3(100.0f, 100.0f, 0.0f);
    Step(2);
    EXPECT_EQ(mCamera->Position, Vec3(10.0f, 5.0f, 0.0f));
    Step(); // and stays there, frame after frame
    EXPECT_EQ(mCamera->Position, Vec3(10.0f, 5.0f, 0.0f));
    mCamera->CamSize = Vec3(0.0f, 0.0f, 1.0f); // an edited zoom of 0: left unclamped, not sent to infinity
    Step();
    EXPECT_EQ(mCamera->Position, Vec3(10.0f, 5.0f, 0.0f));
}

TEST_F(CameraScripts, RespawnGlideStopsAtTheAppleOrAfterThreeSeconds_WinGlideReachesTheBasket)
{
    BuildLevel(Vec3(3.0f, 4.0f, 0.0f));
    mScript->mRespawn = true;
    Step(20);
    EXPECT_FALSE(mScript->mRespawn);
    EXPECT_NEAR(mCamera->Position.x, 3.0f, 0.5f);
    EXPECT_NEAR(mCamera->Position.y, 4.0f, 0.5f);
    EXPECT_FLOAT_EQ(mScript->mReturnTimer, 3.0f);

    gFactory->FindObject("Player")->GetComponent<Transform>()->mPosition = Vec3(900.0f, 4.0f, 0.0f);
    mScript->mRespawn = true;
    Step(191);
    EXPECT_TRUE(mScript->mRespawn);
    Step(2);
    EXPECT_FALSE(mScript->mRespawn);
    EXPECT_NEAR(mCamera->Position.x, 3.0f + 90.0f, 0.6f); // 3 s at 30 units a second

    mCamera->CamSize = Vec3(30.0f, 30.0f, 1.0f);
    ScriptOn<HumanWin>(mWalker)->mWalking = true;
    Step(5 * 64);
    EXPECT_NEAR(mCamera->Position.x, 80.0f, 0.5f);
    EXPECT_NEAR(mCamera->Position.y, 10.0f, 0.5f);
    EXPECT_NEAR(mCamera->CamSize.x, 25.0f, 0.5f);
}

TEST_F(CameraScripts, Level10ScrollsRightOnceTheAppleHasPassedAndNeverStops)
{
    mWorld.mLogic->mState.mLoadedLevelPath = "Resources\\LevelData\\Level10";
    BuildLevel(Vec3(-5.0f, 0.0f, 0.0f), false);
    Step(10);
    EXPECT_FLOAT_EQ(mCamera->Position.x, 0.0f);
    gFactory->FindObject("Player")->GetComponent<Transform>()->mPosition.x = 0.5f;
    Step(64);
    EXPECT_NEAR(mCamera->Position.x, 2.0f, 1e-4f);
    gFactory->FindObject("Player")->GetComponent<Transform>()->mPosition.x = -50.0f;
    Step(64);
    EXPECT_NEAR(mCamera->Position.x, 4.0f, 1e-4f);
}

TEST_F(CameraScripts, WithoutBasketOrAppleTheGlidesAreSkipped)
{
    Start(mWalker = Make("HumanWin"), ScriptId::HumanWin);
    mCamera = MakeCamera(4.0f, 4.0f, 25.0f, ScriptId::CameraScript);
    mScript = ScriptOn<CameraScript>(mCamera->GetOwner());
    ScriptOn<HumanWin>(mWalker)->mWalking = true;
    mScript->mRespawn = true;
    Step(5);
    EXPECT_EQ(mCamera->Position, Vec3(4.0f, 4.0f, 0.0f));
    EXPECT_FALSE(mScript->mRespawn);
}
