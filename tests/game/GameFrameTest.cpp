// The game logic's frame: function keys, picking and dragging bodies with the
// mouse, the cursor sprite; the settings file; the star rating.
//
// Contents:
//   1. The fixture: a gameplay world in a level, boxes and mouse frames
//   2. Function keys and fast mode
//   3. Picking, dragging and letting go of bodies
//   4. The cursor sprite
//   5. The settings file
//   6. The star rating
#include <filesystem>
#include <gtest/gtest.h>
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/GameSettings.h"
#include "core/game/StarRating.h"
#include "core/objects/Transform.h"
#include "graphics/GraphicsSystem.h"
#include "physics/Body.h"
#include "physics/Physics.h"
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
    gPhysics->mHoverObject = MakeBox("Far", 50.0f, 50.0f);
    gPhysics->mDragging = true;
    mWorld.mInput->SetNow(Left, true, true);
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(gPhysics->mHoverObject, nullptr);
    EXPECT_FALSE(gPhysics->mDragging);
}

TEST_F(GameLogicFrame, TheBodyUnderTheMouseIsPickedAndMarkedByTheCursor)
{
    Composition* box = MakeBox("Crate", 0.0f, 0.0f);
    Frame(0.3f, 0.2f, false);
    EXPECT_EQ(gPhysics->mHoverObject, box);
    EXPECT_EQ(mWorld.mLogic->mCursorKind, 1u);
    Frame(20.0f, 20.0f, false);
    EXPECT_EQ(gPhysics->mHoverObject, nullptr);
    EXPECT_EQ(mWorld.mLogic->mCursorKind, 0u);
}

TEST_F(GameLogicFrame, NoPickingInTheEditor)
{
    MakeBox("Crate", 0.0f, 0.0f);
    mWorld.SetState(GameState::EDITOR);
    Frame(0.3f, 0.2f, false);
    EXPECT_EQ(gPhysics->mHoverObject, nullptr);
}

TEST_F(GameLogicFrame, AHeldBodyFollowsTheMouseAndIsDroppedByAFastMove)
{
    Composition* box = MakeBox("Crate", 0.0f, 0.0f);
    Body* body = box->GetComponent<Body>();
    Frame(0.0f, 0.0f, true); // press over it: picked
    Frame(0.0f, 0.0f, true); // held
    ASSERT_EQ(gPhysics->mHoverObject, box);
    Frame(0.5f, 0.25f, true); // a small step drags
    EXPECT_NEAR(body->mPosition.x, 0.5f, 1e-3f);
    EXPECT_NEAR(body->mPosition.y, 0.25f, 1e-3f);
    EXPECT_TRUE(gPhysics->mDragging);
    EXPECT_EQ(mWorld.mLogic->mCursorKind, 5u);

    Frame(3.6f, 0.25f, true); // more than 3.0 in one frame lets go
    EXPECT_EQ(gPhysics->mHoverObject, nullptr);
    EXPECT_NEAR(body->mPosition.x, 0.5f, 1e-3f);
}

TEST_F(GameLogicFrame, ABlockedDragLetsGoAfterMoreThanOneUnit)
{
    Composition* box = MakeBox("Crate", 0.0f, 0.0f);
    Frame(0.0f, 0.0f, true);
    Frame(0.0f, 0.0f, true);
    ASSERT_EQ(gPhysics->mHoverObject, box);
    gPhysics->mDragBlocked = true;
    Frame(0.9f, 0.0f, true); // within the blocked limit: moves, clears the flag
    EXPECT_EQ(gPhysics->mHoverObject, box);
    EXPECT_FALSE(gPhysics->mDragBlocked);
    gPhysics->mDragBlocked = true;
    Frame(2.1f, 0.0f, true);
    EXPECT_EQ(gPhysics->mHoverObject, nullptr);
}

TEST_F(GameLogicFrame, StaticAndNonInteractableBodiesStayPut)
{
    Composition* fixed = MakeBox("Fixed", 0.0f, 0.0f, true, 0.0f);
    Frame(0.0f, 0.0f, true);
    gPhysics->mHoverObject = fixed; // held anyway
    Frame(0.0f, 0.0f, true);
    Frame(0.5f, 0.0f, true);
    EXPECT_FLOAT_EQ(fixed->GetComponent<Body>()->mPosition.x, 0.0f);
    EXPECT_FALSE(gPhysics->mDragging);
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
    mWorld.mLogic->mState.mLoadedLevelPath = "Resources\\LevelData\\Level1";
    mWorld.SetState(GameState::EDITOR);
    Frame(0.0f, 0.0f, false);
    EXPECT_EQ(quads(), 0u);
}

// ---- 5. The settings file ---------------------------------------------------
TEST(GameSettingsFile, RoundTripKeepsTheCountAndTheWonLevels)
{
    GameplayWorld world;
    world.mLogic->mUnlockedCount = 3;
    for (int i = 1; i <= 3; ++i)
        world.mLogic->mUnlockedLevels[LevelPath(i)] = true;
    world.mLogic->SaveSettings();

    const std::string text = TestSupport::ReadFile(world.File("Resources/LevelData/GameSettings.xml"));
    EXPECT_NE(text.find("<GameSettings/>"), std::string::npos);
    EXPECT_NE(text.find("<Unlocked Value=\"3\"/>"), std::string::npos);
    EXPECT_NE(text.find("<Level3 Value=\"1\"/>"), std::string::npos);
    EXPECT_NE(text.find("<Level4 Value=\"0\"/>"), std::string::npos);
    EXPECT_LT(text.find("GameSettings"), text.find("Unlocked"));
    EXPECT_LT(text.find("Level8"), text.find("Level9"));

    GameLogic next; // reads the file in its constructor
    EXPECT_EQ(next.mUnlockedCount, 3u);
    EXPECT_TRUE(next.mUnlockedLevels[LevelPath(3)]);
    EXPECT_FALSE(next.mUnlockedLevels[LevelPath(4)]);
    EXPECT_EQ(next.mUnlockedLevels.size(), 9u);
}

TEST(GameSettingsFile, AMissingFileStartsFromNothingAndIsWrittenAtExit)
{
    GameplayWorld world;
    EXPECT_EQ(world.mLogic->mUnlockedCount, 0u);
    EXPECT_TRUE(world.mLogic->mUnlockedLevels.empty());
    const std::string path = world.File("Resources/LevelData/GameSettings.xml");
    {
        GameLogic run; // a second run in the same folder
        run.mUnlockedCount = 2;
    }
    EXPECT_NE(TestSupport::ReadFile(path).find("<Unlocked Value=\"2\"/>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(GameSettingsFile, AFailedWriteIsReportedAndChangesNothing)
{
    TestSupport::TempFolder folder;
    // A folder where the file should be: the new file cannot take its place.
    const std::string path = folder.File("GameSettings.xml");
    TestSupport::WriteFile(path + "/keep", "old");
    std::map<std::string, bool> levels;
    testing::internal::CaptureStdout();
    const bool written = WriteGameSettings(path, 4, levels);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(written);
    EXPECT_NE(out.find("Error: 4"), std::string::npos);
    EXPECT_EQ(TestSupport::ReadFile(path + "/keep"), "old");
}

TEST(GameSettingsFile, MissingElementsLeaveTheValuesAndUnreadableOnesCountAsLocked)
{
    TestSupport::TempFolder folder;
    const std::string path = folder.File("GameSettings.xml");
    TestSupport::WriteFile(path, "<Level2 Value=\"x\"/>\n<Level5 Value=\"1\"/>\n");
    uint32_t count = 7;
    std::map<std::string, bool> levels{{LevelPath(2), true}, {LevelPath(3), true}};
    EXPECT_TRUE(ReadGameSettings(path, count, levels));
    EXPECT_EQ(count, 7u);
    EXPECT_FALSE(levels[LevelPath(2)]);
    EXPECT_TRUE(levels[LevelPath(3)]);
    EXPECT_TRUE(levels[LevelPath(5)]);
}

// ---- 6. The star rating -----------------------------------------------------
TEST(StarRatings, LimitsAreStrictlyLessThan)
{
    const std::string level1 = LevelPath(1);
    EXPECT_EQ(StarRating(level1, 39.9f), 3u);
    EXPECT_EQ(StarRating(level1, 40.0f), 2u);
    EXPECT_EQ(StarRating(level1, 69.9f), 1u);
    EXPECT_EQ(StarRating(level1, 70.0f), 0u);
    EXPECT_EQ(StarRating(LevelPath(3), 36.0f), 3u);
    EXPECT_EQ(StarRating(LevelPath(9), 104.0f), 1u);
    EXPECT_EQ(StarRating("Resources\\LevelData\\Level10", 1.0f), 0u);
}

TEST(StarRatings, TheLevelTimerRatesOnlyWhileALevelIsPlayed)
{
    GameplayWorld world;
    world.SetState(GameState::LEVEL);
    world.mLogic->mState.mLoadedLevelPath = LevelPath(1);
    gPhysics->mLevelTimer.mFinalTime = 40.0f;
    EXPECT_EQ(gPhysics->mLevelTimer.GetStarRating(), 2u);
    world.SetState(GameState::MAIN_MENU);
    EXPECT_EQ(gPhysics->mLevelTimer.GetStarRating(), 0u);
}
