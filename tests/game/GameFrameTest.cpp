// The game logic's frame: function keys, picking and dragging bodies with the
// mouse, the cursor sprite, pausing when the window loses the focus.
//
// Contents:
//   1. The fixture: a gameplay world in a level, boxes and mouse frames
//   2. Function keys and fast mode
//   3. Picking, dragging and letting go of bodies
//   4. The cursor sprite
//   5. Losing the focus
#include <filesystem>
#include <gtest/gtest.h>
#include "core/engine/CoreEngine.h"
#include "core/engine/Message.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/objects/Transform.h"
#include "game/GameFrame.h"
#include "graphics/GraphicsSystem.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeOBB.h"
#include "support/GameplayFixtures.h"

using namespace Framework;
using TestSupport::GameplayWorld;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
constexpr int Left = 1;
constexpr int Middle = 4;

class GameLogicFrame : public ::testing::Test
{
protected:
    GameLogicFrame()
    {
        mWorld.Init();
        mWorld.SetState(GameState::LEVEL);
        gPhysics->mRunning = true;
    }

    // A 2 x 2 box body at (x, y); interactable unless told otherwise.
    Composition* MakeBox(const std::string& name, float x, float y, bool interactable = true, float mass = 1.0f)
    {
        Composition* object = gFactory->CreateObject(name, ObjectKind::GameObject);
        Transform* transform = object->GetComponent<Transform>();
        transform->mPosition = Vec3(x, y, 0.0f);
        transform->mScale = Vec3(2.0f, 2.0f, 1.0f);
        auto* body = static_cast<Body*>(gFactory->AddComponent(object, "Body"));
        body->mMass = mass;
        body->mInteractable = interactable;
        gFactory->AddComponent(object, "OBB");
        object->Initialize();
        return object;
    }

    // One game-logic frame with the mouse at (x, y) and the left button as given.
    void Frame(float x, float y, bool leftDown)
    {
        const bool wasDown = gInput->mState.mCurrentKeys[Left];
        mWorld.mInput->SetMouseWorld(x, y);
        mWorld.mInput->SetNow(Left, leftDown, wasDown);
        mWorld.mLogic->Update(GameplayWorld::Dt);
    }

    // Pressed, then held on the object (whatever the press picked) while the mouse goes to (x, y).
    Body* Hold(Composition* object, float x, float y)
    {
        Frame(0.0f, 0.0f, false);
        Frame(0.0f, 0.0f, true);
        gPhysics->SetHoverObject(object);
        Frame(0.0f, 0.0f, true);
        Frame(x, y, true);
        return object->GetComponent<Body>();
    }

    void Trigger(int vk)
    {
        mWorld.mInput->SetNow(vk, true, false);
        mWorld.mLogic->Update(GameplayWorld::Dt);
        mWorld.mInput->SetNow(vk, false, true);
    }

    GameplayWorld mWorld;
};
} // namespace

// ---- 2. Function keys and fast mode -----------------------------------------
TEST_F(GameLogicFrame, FunctionKeysRequestTheEditorAndTheMainMenu)
{
    Trigger(VK_F5);
    EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::EDITOR);
    Trigger(VK_F6);
    EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::MAIN_MENU);
}

TEST_F(GameLogicFrame, AUnlocksEveryLevelEvenInTheEditorWithoutTouchingTheMap)
{
    mWorld.SetState(GameState::EDITOR);
    mWorld.mLogic->mUnlockedLevels[LevelPath(2)] = true;
    Trigger('A');
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 9u);
    EXPECT_EQ(mWorld.mLogic->mUnlockedLevels.size(), 1u);
}

TEST_F(GameLogicFrame, MiddleButtonTogglesFastModeOutsideTheEditorOnly)
{
    Trigger(Middle);
    EXPECT_TRUE(gPhysics->mFastMode);
    Trigger(Middle);
    EXPECT_FALSE(gPhysics->mFastMode);
    mWorld.SetState(GameState::EDITOR);
    Trigger(Middle);
    EXPECT_FALSE(gPhysics->mFastMode);
}

// ---- 3. Picking, dragging and letting go of bodies --------------------------
TEST_F(GameLogicFrame, ReleasingTheLeftButtonAlwaysLetsGo)
{
    gPhysics->SetHoverObject(MakeBox("Far", 50.0f, 50.0f));
    gPhysics->mDragging = true;
    mWorld.mInput->SetNow(Left, true, true);
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(gPhysics->HoverObject(), nullptr);
    EXPECT_FALSE(gPhysics->mDragging);
}

TEST_F(GameLogicFrame, TheBodyUnderTheMouseIsPickedAndMarkedByTheCursor)
{
    Composition* box = MakeBox("Crate", 0.0f, 0.0f);
    Frame(0.3f, 0.2f, false);
    EXPECT_EQ(gPhysics->HoverObject(), box);
    EXPECT_EQ(mWorld.mLogic->mCursorKind, 1u);
    Frame(20.0f, 20.0f, false);
    EXPECT_EQ(gPhysics->HoverObject(), nullptr);
    EXPECT_EQ(mWorld.mLogic->mCursorKind, 0u);

    // A button's body is picked though it takes no drag; in a level only an
    // interactable body points, in the menu any hit does.
    Composition* sign = MakeBox("Sign", 10.0f, 0.0f, false);
    gFactory->AddComponent(sign, "Button");
    Frame(10.3f, 0.2f, false);
    EXPECT_EQ(gPhysics->HoverObject(), sign);
    EXPECT_EQ(mWorld.mLogic->mCursorKind, 0u);
    Frame(10.3f, 0.2f, true);
    Frame(10.8f, 0.2f, true); // held, it stays put under the dragging cursor
    EXPECT_EQ(mWorld.mLogic->mCursorKind, 5u);
    EXPECT_FLOAT_EQ(sign->GetComponent<Body>()->mPosition.x, 10.0f);
    Frame(10.8f, 0.2f, false);
    mWorld.SetState(GameState::MAIN_MENU);
    Frame(10.3f, 0.2f, false);
    EXPECT_EQ(mWorld.mLogic->mCursorKind, 1u);

    // In the credits a button is picked by its scale box, body or not.
    Composition* back = gFactory->CreateObject("Back", ObjectKind::GameObject);
    back->GetComponent<Transform>()->mPosition = Vec3(-10.0f, 0.0f, 0.0f);
    back->GetComponent<Transform>()->mScale = Vec3(2.0f, 2.0f, 1.0f);
    gFactory->AddComponent(back, "Button");
    mWorld.SetState(GameState::CREDITS);
    Frame(-9.7f, 0.2f, false);
    EXPECT_EQ(gPhysics->HoverObject(), back);
}

TEST_F(GameLogicFrame, NoPickingInTheEditor)
{
    MakeBox("Crate", 0.0f, 0.0f);
    mWorld.SetState(GameState::EDITOR);
    Frame(0.3f, 0.2f, false);
    EXPECT_EQ(gPhysics->HoverObject(), nullptr);
}

TEST_F(GameLogicFrame, AHeldBodyFollowsTheMouseAndIsDroppedByAFastMove)
{
    Composition* box = MakeBox("Crate", 1.0f, 0.0f); // off the origin, where the last mouse position starts
    Body* body = box->GetComponent<Body>();
    Frame(1.0f, 0.0f, true); // press over it: picked
    Frame(1.0f, 0.0f, true); // held
    ASSERT_EQ(gPhysics->HoverObject(), box);
    Frame(1.5f, 0.25f, true); // a small step drags
    EXPECT_NEAR(body->mPosition.x, 1.5f, 1e-3f);
    EXPECT_NEAR(body->mPosition.y, 0.25f, 1e-3f);
    EXPECT_TRUE(gPhysics->mDragging);
    EXPECT_EQ(mWorld.mLogic->mCursorKind, 5u);

    Frame(4.6f, 0.25f, true); // more than 3.0 in one frame lets go
    EXPECT_EQ(gPhysics->HoverObject(), nullptr);
    EXPECT_NEAR(body->mPosition.x, 1.5f, 1e-3f);
}

TEST_F(GameLogicFrame, ABlockedDragLetsGoAfterMoreThanOneUnit)
{
    Composition* box = MakeBox("Crate", 0.0f, 0.0f);
    Frame(0.0f, 0.0f, true);
    Frame(0.0f, 0.0f, true);
    ASSERT_EQ(gPhysics->HoverObject(), box);
    gPhysics->mDragBlocked = true;
    Frame(0.9f, 0.0f, true); // within the blocked limit: moves, clears the flag
    EXPECT_EQ(gPhysics->HoverObject(), box);
    EXPECT_FALSE(gPhysics->mDragBlocked);
    // At the limits it is still held: 3.0 in a frame, 1.0 while blocked.
    gPhysics->mLastMousePosition = Vec3(0.0f);
    mWorld.mLogic->DragHeldObject(Vec3(3.0f, 0.0f, 0.0f));
    gPhysics->mDragBlocked = true;
    mWorld.mLogic->DragHeldObject(Vec3(4.0f, 0.0f, 0.0f));
    EXPECT_EQ(gPhysics->HoverObject(), box);
    EXPECT_NEAR(box->GetComponent<Body>()->mPosition.x, 4.9f, 1e-3f);
    gPhysics->mDragBlocked = true;
    Frame(2.1f, 0.0f, true);
    EXPECT_EQ(gPhysics->HoverObject(), nullptr);
}

TEST_F(GameLogicFrame, StaticInertOrPausedBodiesStayPutAFixedRotatingOneTurns)
{
    EXPECT_FLOAT_EQ(Hold(MakeBox("Fixed", 0.0f, 0.0f, true, 0.0f), 0.5f, 0.0f)->mPosition.x, 0.0f);
    EXPECT_FALSE(gPhysics->mDragging);
    EXPECT_FLOAT_EQ(Hold(MakeBox("Inert", 0.0f, 0.0f, false), 0.5f, 0.0f)->mPosition.x, 0.0f);
    EXPECT_FALSE(gPhysics->mDragging);
    EXPECT_EQ(mWorld.mLogic->mCursorKind, 0u); // only a button shows it held

    Composition* board = MakeBox("Board", 0.0f, 0.0f, true, 0.0f);
    board->mTag = ObjectTag::RotatingObject;
    board->GetComponent<ShapeOBB>()->RotateFixedPoint = true;
    Body* turned = Hold(board, 3.0f, 3.0f);
    EXPECT_NEAR(turned->mOrientation, -0.7853982f, 1e-5f); // faces the mouse about its pivot
    EXPECT_EQ(turned->mPosition, Vec3(0.0f, 0.0f, 0.0f));

    CoreEngine core;
    core.SetPause(true);
    EXPECT_FLOAT_EQ(Hold(MakeBox("Crate", 0.0f, 0.0f), 0.5f, 0.0f)->mPosition.x, 0.0f);
    EXPECT_FALSE(gPhysics->mDragging);
}

TEST_F(GameLogicFrame, ABodyWithoutAShapeMovesItsTransformUnlessInertOrPaused)
{
    Composition* loose = gFactory->CreateObject("Loose", ObjectKind::GameObject);
    auto* body = static_cast<Body*>(gFactory->AddComponent(loose, "Body"));
    body->mMass = 1.0f;
    body->mInteractable = true;
    loose->Initialize();
    Transform* transform = loose->GetComponent<Transform>();
    Hold(loose, 0.5f, 0.0f);
    Frame(1.0f, 0.25f, true); // each frame by the mouse's motion since the last
    EXPECT_NEAR(transform->mPosition.x, 1.0f, 1e-3f);
    EXPECT_NEAR(transform->mPosition.y, 0.25f, 1e-3f);
    EXPECT_EQ(transform->mMatrix.m[0][2], transform->mPosition.x); // drawn where it went

    body->mInteractable = false;
    Hold(loose, 0.5f, 0.0f);
    body->mInteractable = true;
    CoreEngine core;
    core.SetPause(true);
    Hold(loose, 0.5f, 0.0f);
    EXPECT_NEAR(transform->mPosition.x, 1.0f, 1e-3f);
}

// ---- 4. The cursor sprite ---------------------------------------------------
TEST_F(GameLogicFrame, TheCursorSpriteIsQueuedOutsideTheEditorAndTheEndingLevels)
{
    SpriteSheet& cursor = mWorld.mGraphics->mSpriteSheets["MouseCursor"];
    cursor.mFrames.resize(6);
    auto quads = [&]
    {
        size_t count = 0;
        for (auto& [layer, byTexture] : mWorld.mGraphics->mSpriteBatches)
            for (auto& [texture, byProgram] : byTexture)
                for (auto& [program, batch] : byProgram)
                    count += layer == 10 ? batch.mQuadCount : 0;
        mWorld.mGraphics->mSpriteBatches.clear();
        return count;
    };
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(quads(), 1u);
    mWorld.mLogic->mState.mLoadedLevelPath = "Resources\\LevelData\\Level10";
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(quads(), 0u);
    mWorld.mLogic->mState.mLoadedLevelPath = "Resources\\LevelData\\Level11";
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(quads(), 0u);
    mWorld.mLogic->mState.mLoadedLevelPath = "Resources\\LevelData\\Level1";
    // A sheet without the frame of this frame's cursor kind (1: over the crate) draws nothing.
    MakeBox("Crate", 0.0f, 0.0f);
    cursor.mFrames.resize(1);
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(quads(), 0u);
    cursor.mFrames.resize(2);
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(quads(), 1u);
    mWorld.SetState(GameState::EDITOR);
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(quads(), 0u);
}

// ---- 5. Losing the focus ----------------------------------------------------
TEST_F(GameLogicFrame, LosingTheFocusPausesOnlyALevel)
{
    CoreEngine core;
    auto paused = [&](uint32_t state, uint32_t message, WPARAM wParam)
    {
        mWorld.SetState(state);
        WindowMessage window(nullptr, message, wParam, 0);
        mWorld.mLogic->SendMessage(&window);
        return core.mPaused;
    };
    EXPECT_FALSE(paused(GameState::MAIN_MENU, WM_ACTIVATEAPP, 0));
    EXPECT_FALSE(paused(GameState::LEVEL, WM_ACTIVATE, 1)); // gaining it
    EXPECT_TRUE(paused(GameState::LEVEL, WM_ACTIVATE, 0));
    EXPECT_FALSE(gPhysics->mRunning);
    core.SetPause(false);
    EXPECT_TRUE(paused(GameState::LEVEL, WM_ACTIVATEAPP, 0));
}
